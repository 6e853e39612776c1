// Properties of the simulator: any scenario text parses and runs without
// failing, and nothing is written outside the program directory. Each run
// gets a fresh program directory inside a private folder that holds only it
// and a sentinel file; anything else appearing there, or a changed sentinel,
// is a write outside.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "FuzzCheck.h"
#include "scenario/ScenarioRunner.h"

using namespace quorvel;
using quorvel::fuzz::Require;
namespace fs = std::filesystem;

namespace {

constexpr const char* kSentinelText = "sentinel";

struct Sandbox {
  fs::path Base = fs::temp_directory_path() / ("quorvel-fuzz-scenario-" + std::to_string(getpid()));
  fs::path Program = Base / "prog";
  fs::path Sentinel = Base / "sentinel.txt";

  Sandbox() {
    fs::create_directories(Base);
    std::ofstream(Sentinel, std::ios::binary) << kSentinelText;
  }
  ~Sandbox() {
    std::error_code ec;
    fs::remove_all(Base, ec);
  }
  void Fresh() {
    std::error_code ec;
    fs::remove_all(Program, ec);
    fs::create_directories(Program);
  }
  std::string Outsiders() const {
    std::string found;
    for (const auto& entry : fs::directory_iterator(Base))
      if (entry.path() != Program && entry.path() != Sentinel) found += entry.path().string() + "\n";
    std::ifstream in(Sentinel, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    if (text.str() != kSentinelText) found += "the sentinel changed\n";
    return found;
  }
};

// Tick counts are the one way a short text asks for a long run; more than 99
// ticks a statement only makes the search slow.
bool AsksForLongRun(const std::string& text) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.find("tick") == std::string::npos) continue;
    int digits = 0;
    for (char c : line) {
      digits = c >= '0' && c <= '9' ? digits + 1 : 0;
      if (digits > 2) return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  static Sandbox sandbox;
  const std::string scenario = fuzz::Bytes(data, size);
  if (AsksForLongRun(scenario)) return 0;
  sandbox.Fresh();
  {
    std::ostringstream out;
    ScenarioRunner runner(sandbox.Program, true, out);
    runner.Run(scenario);
  }
  const std::string outsiders = sandbox.Outsiders();
  Require(outsiders.empty(), "nothing is written outside the program directory", outsiders);
  return 0;
}
