// quorvel-sim: the bot against a simulated Paltalk client, driven by a
// scenario, by random traffic, or by a saved transcript (the dry run).
// Built a second time as quorvel-dryrun.exe on Windows: a transcript dropped
// onto it is replayed and its summary opened.
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>

#include <io.h>
// windows.h first: psapi.h needs its types.
#include <psapi.h>
#include <shellapi.h>
#define QUORVEL_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define QUORVEL_ISATTY(fd) isatty(fd)
#endif

#include "QuorvelVersion.h"
#include "dryrun/ReplayRun.h"
#include "scenario/DemoScenario.h"
#include "scenario/ScenarioRunner.h"
#include "scenario/TrafficRun.h"
#include "sim/TempDir.h"
#include "storage/FileName.h"
#include "storage/WholeFile.h"
#include "text/CodePage.h"

namespace {

namespace fs = std::filesystem;
using quorvel::kScenarioUnrunnable;

enum class Mode { Scenario, Traffic, Replay };

struct Options {
  Mode RunMode = Mode::Scenario;
  std::string Dir;
  bool Quiet = false;
  std::optional<std::string> Scenario;
  // Where the client report of the scenario's world is written once it has run.
  std::optional<std::string> ClientReport;
  long long TrafficTicks = 0;
  std::uint32_t Seed = 1;
  quorvel::ReplayOptions Replay;
};

int Usage(const std::string& problem) {
  if (!problem.empty()) std::cerr << "quorvel-sim: " << problem << "\n";
  std::cerr << "usage: quorvel-sim [--dir DIR] [--quiet] [--codepage N] [--client-report FILE] [SCENARIO | -]\n"
               "       quorvel-sim --traffic TICKS [--seed N]\n"
               "       quorvel-sim --replay FILE [--dir DIR] [--enable FEATURES] [--set NAME=VALUE]...\n"
               "                   [--design NAME] [--room TITLE] [--ticks-per-line N] [--summary-only]\n"
               "                   [--html PAGE]\n"
               "  --enable: greeter,swearbot,responder,anouncer,autobounce,autoredot,flood or all\n"
               "  --ticks-per-line N: the poll ticks of 400 ms between two lines (2 unless given); the\n"
               "      transcript holds no times, so the flood guard counts its seconds on this clock\n";
  return kScenarioUnrunnable;
}

std::optional<long long> WholeNumber(const std::string& text) {
  if (text.empty() || text.size() > 12 || text.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return std::stoll(text);
}

// Parses the command line; the message for a bad one.
std::optional<std::string> ParseOptions(int argc, char** argv, Options& o) {
  bool dirGiven = false;
  std::string replayOption;   // the last option only --replay takes
  std::string trafficOption;  // the same for --traffic
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--enable" || arg == "--set" || arg == "--design" || arg == "--room" || arg == "--ticks-per-line" ||
        arg == "--summary-only" || arg == "--html")
      replayOption = arg;
    if (arg == "--seed") trafficOption = arg;
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= argc) return std::nullopt;
      return std::string(argv[++i]);
    };
    auto number = [&](long long min) -> std::optional<long long> {
      const auto v = value();
      if (!v) return std::nullopt;
      const auto n = WholeNumber(*v);
      return n && *n >= min ? n : std::nullopt;
    };
    if (arg == "--dir") {
      const auto v = value();
      if (!v) return "--dir needs a folder";
      o.Dir = *v;
      dirGiven = true;
    } else if (arg == "--client-report") {
      const auto v = value();
      if (!v) return "--client-report needs a file for the report";
      o.ClientReport = *v;
    } else if (arg == "--quiet") {
      o.Quiet = true;
    } else if (arg == "--traffic") {
      const auto n = number(1);
      if (!n) return "--traffic takes a number of ticks";
      o.RunMode = Mode::Traffic;
      o.TrafficTicks = *n;
    } else if (arg == "--seed") {
      const auto n = number(0);
      if (!n || *n > 0xFFFFFFFFLL) return "--seed takes a number";
      o.Seed = static_cast<std::uint32_t>(*n);
    } else if (arg == "--replay") {
      const auto v = value();
      if (!v) return "--replay needs a transcript file";
      o.RunMode = Mode::Replay;
      o.Replay.File = *v;
    } else if (arg == "--enable") {
      const auto v = value();
      if (!v) return "--enable needs a list of features";
      o.Replay.Enable = *v;
    } else if (arg == "--set") {
      const auto v = value();
      const size_t eq = v ? v->find('=') : std::string::npos;
      if (eq == std::string::npos || eq == 0) return "--set takes NAME=VALUE";
      o.Replay.Sets.emplace_back(v->substr(0, eq), v->substr(eq + 1));
    } else if (arg == "--design") {
      const auto v = value();
      if (!v) return "--design needs a design name";
      o.Replay.Design = *v;
    } else if (arg == "--room") {
      const auto v = value();
      if (!v) return "--room needs a title";
      o.Replay.Room = *v;
    } else if (arg == "--ticks-per-line") {
      const auto n = number(1);
      if (!n || *n > 1000) return "--ticks-per-line takes a number from 1 to 1000";
      o.Replay.TicksPerLine = static_cast<int>(*n);
    } else if (arg == "--summary-only") {
      o.Replay.SummaryOnly = true;
    } else if (arg == "--html") {
      const auto v = value();
      if (!v) return "--html needs a file for the page";
      o.Replay.Page = *v;
    } else if (arg == "--codepage") {
      // The simulated system's ANSI code page; 1252 unless given.
      const auto n = number(1);
      if (!n || *n > 65535 || !quorvel::SetSystemCodePage(static_cast<int>(*n)))
        return "--codepage takes a code page the simulator knows (874, 932, 936, 949, 950, 1250 to 1258)";
    } else if (!o.Scenario && (arg == "-" || arg.rfind("--", 0) != 0)) {
      o.Scenario = arg;
    } else {
      return "unknown option " + arg;
    }
  }
  if (!replayOption.empty() && o.RunMode != Mode::Replay) return replayOption + " belongs to --replay";
  if (!trafficOption.empty() && o.RunMode != Mode::Traffic) return trafficOption + " belongs to --traffic";
  if (o.ClientReport && o.RunMode != Mode::Scenario) return "--client-report belongs to a scenario's run";
  if (o.RunMode == Mode::Replay) {
    if (o.Scenario) return "--replay takes no scenario";
    if (dirGiven) o.Replay.Dir = o.Dir;
  } else if (o.RunMode == Mode::Traffic && (o.Scenario || dirGiven)) {
    return "--traffic takes no scenario and no --dir";
  }
  return std::nullopt;
}

// Resident and peak memory of this process.
std::optional<quorvel::MemoryUse> ProcessMemory() {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS counters{};
  if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return std::nullopt;
  return quorvel::MemoryUse{static_cast<std::int64_t>(counters.WorkingSetSize),
                            static_cast<std::int64_t>(counters.PeakWorkingSetSize)};
#else
  std::ifstream status("/proc/self/status");
  if (!status) return std::nullopt;
  quorvel::MemoryUse use;
  bool rss = false;
  bool hwm = false;
  std::string line;
  while (std::getline(status, line)) {
    std::istringstream fields(line);
    std::string key;
    std::int64_t kb = 0;
    fields >> key >> kb;
    if (key == "VmRSS:") use.ResidentBytes = kb * 1024, rss = true;
    if (key == "VmHWM:") use.PeakBytes = kb * 1024, hwm = true;
  }
  if (!rss || !hwm) return std::nullopt;
  return use;
#endif
}

int RunScenario(const Options& o) {
  std::string content;
  if (!o.Scenario) {
    content = quorvel::DemoScenario();
  } else {
    if (*o.Scenario == "-") {
      std::stringstream ss;
      ss << std::cin.rdbuf();
      content = ss.str();
    } else {
      const std::optional<std::string> file = quorvel::ReadWholeFile(*o.Scenario);
      if (!file) {
        std::cerr << "quorvel-sim: cannot read " << *o.Scenario << "\n";
        return kScenarioUnrunnable;
      }
      content = *file;
    }
  }

  std::string dir;
  std::optional<quorvel::TempDirOwner> owner;
  if (o.Dir.empty()) {
    const auto temp = quorvel::MakeTempDir("quorvel-sim");
    if (!temp) {
      std::cerr << "quorvel-sim: cannot create a temporary directory\n";
      return kScenarioUnrunnable;
    }
    dir = *temp;
    owner.emplace(dir);
  } else {
    std::error_code ec;
    dir = fs::absolute(o.Dir, ec).string();
    fs::create_directories(dir, ec);
  }
  const bool colors = !o.Quiet && QUORVEL_ISATTY(1) && std::getenv("NO_COLOR") == nullptr;
  quorvel::ScenarioRunner runner(dir, o.Quiet, std::cout, colors);
  runner.SetProgramFacts({QUORVEL_VERSION_TEXT, "simulated"});
  const int status = runner.Run(content);
  if (o.ClientReport && !quorvel::WriteFileReplacing(*o.ClientReport, runner.ClientReport())) {
    std::cerr << "quorvel-sim: cannot write the client report to " << *o.ClientReport << "\n";
    return kScenarioUnrunnable;
  }
  return status;
}

int RunTraffic(const Options& o) {
  const auto temp = quorvel::MakeTempDir("quorvel-traffic");
  if (!temp) {
    std::cerr << "quorvel-sim: cannot create a temporary directory\n";
    return kScenarioUnrunnable;
  }
  quorvel::TempDirOwner owner(*temp);
  quorvel::TrafficOptions traffic;
  traffic.Ticks = o.TrafficTicks;
  traffic.Seed = o.Seed;
  traffic.Memory = ProcessMemory;
  return quorvel::RunTraffic(traffic, *temp, std::cout);
}

#ifdef _WIN32
bool IsDryRunProgram(const char* argv0) {
  std::string stem = quorvel::StemOf(quorvel::NameOf(argv0 ? argv0 : ""));
  for (char& c : stem) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return stem == "quorvel-dryrun";
}

// A transcript dropped onto quorvel-dryrun.exe: all features on, its own folder
// as the program directory, the summary written beside it as text and as a
// web page, and the page opened.
int DroppedTranscript(const std::string& transcript) {
  quorvel::ReplayOptions replay;
  // Explorer hands over the whole path, in the system code page.
  replay.File = transcript;
  replay.Dir = quorvel::FolderOf(transcript);
  if (replay.Dir.empty()) replay.Dir = ".";
  replay.SummaryOnly = true;
  const std::string stem = quorvel::StemOf(quorvel::NameOf(transcript));
  const std::string summaryFile = quorvel::InFolder(replay.Dir, stem + " - dry run.txt");
  const std::string pageFile = quorvel::InFolder(replay.Dir, stem + " - dry run.htm");
  replay.Page = pageFile;
  std::ostringstream summary;
  std::ostringstream errors;
  std::ostringstream trace;
  const int status = quorvel::RunReplay(replay, trace, summary, errors);
  {
    std::string text = status == 0 ? summary.str() : errors.str();
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    if (!quorvel::WriteFileReplacing(summaryFile, crlf)) return kScenarioUnrunnable;
  }
  // Without a page (the replay failed) the text holds the message.
  const std::string& shown = status == 0 ? pageFile : summaryFile;
  ShellExecuteA(nullptr, "open", shown.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return status;
}
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // On Windows the text is in the system's own code page, as the bot's is;
  // --codepage may still name another.
  quorvel::SetSystemCodePage(static_cast<int>(GetACP()));
  if (IsDryRunProgram(argv[0]) && argc == 2 && std::string(argv[1]).rfind("--", 0) != 0)
    return DroppedTranscript(argv[1]);
#endif
  Options o;
  if (auto problem = ParseOptions(argc, argv, o)) return Usage(*problem);
  switch (o.RunMode) {
    case Mode::Traffic:
      return RunTraffic(o);
    case Mode::Replay:
      return quorvel::RunReplay(o.Replay, std::cout, std::cout, std::cerr);
    case Mode::Scenario:
      break;
  }
  return RunScenario(o);
}
