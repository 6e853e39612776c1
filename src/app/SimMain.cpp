// quorvel-sim: the bot against a simulated Paltalk client, driven by a scenario.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>

#ifdef _WIN32
#include <io.h>
#define QUORVEL_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define QUORVEL_ISATTY(fd) isatty(fd)
#endif

#include "sim/DemoScenario.h"
#include "sim/ScenarioRunner.h"
#include "text/CodePage.h"

namespace {

namespace fs = std::filesystem;

int Usage() {
  std::cerr << "usage: quorvel-sim [--dir DIR] [--quiet] [--codepage N] [SCENARIO | -]\n";
  return quorvel::kScenarioUnrunnable;
}

bool MakeTempDir(fs::path& dir) {
  std::random_device rd;
  std::error_code ec;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = fs::temp_directory_path(ec) / ("quorvel-sim-" + std::to_string(rd()));
    if (fs::create_directory(candidate, ec)) {
      dir = candidate;
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dirArg;
  std::string scenarioArg;
  bool quiet = false;
  bool haveScenario = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--dir" && i + 1 < argc) {
      dirArg = argv[++i];
    } else if (arg == "--quiet") {
      quiet = true;
    } else if (arg == "--codepage" && i + 1 < argc) {
      // The simulated system's ANSI code page; 1252 unless given.
      if (!quorvel::SetSystemCodePage(std::atoi(argv[++i]))) return Usage();
    } else if (!haveScenario && (arg == "-" || arg.rfind("--", 0) != 0)) {
      scenarioArg = arg;
      haveScenario = true;
    } else {
      return Usage();
    }
  }

  std::string content;
  if (!haveScenario) {
    content = quorvel::DemoScenario();
  } else {
    std::stringstream ss;
    if (scenarioArg == "-") {
      ss << std::cin.rdbuf();
    } else {
      std::ifstream in(scenarioArg, std::ios::binary);
      if (!in) {
        std::cerr << "quorvel-sim: cannot read " << scenarioArg << "\n";
        return quorvel::kScenarioUnrunnable;
      }
      ss << in.rdbuf();
    }
    content = ss.str();
  }

  fs::path dir;
  const bool temporary = dirArg.empty();
  std::error_code ec;
  if (temporary) {
    if (!MakeTempDir(dir)) {
      std::cerr << "quorvel-sim: cannot create a temporary directory\n";
      return quorvel::kScenarioUnrunnable;
    }
  } else {
    dir = fs::absolute(dirArg, ec);
    fs::create_directories(dir, ec);
  }

  int status;
  {
    const bool colors = !quiet && QUORVEL_ISATTY(1) && std::getenv("NO_COLOR") == nullptr;
    quorvel::ScenarioRunner runner(dir, quiet, std::cout, colors);
    status = runner.Run(content);
  }
  if (temporary) fs::remove_all(dir, ec);
  return status;
}
