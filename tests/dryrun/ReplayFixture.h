#pragma once
// A program directory with a few lists and a design, and a replay of a
// transcript against it: what the dry run's tests share.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ScratchDir.h"
#include "dryrun/ReplayRun.h"
#include "scenario/ScenarioRunner.h"

namespace quorvel::testing {

class ReplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir / "Designs");
    Write("words.txt", "\"ass\"\r\n\"hell\"\r\n");
    Write("admins.txt", "Ann\r\n");
    Write("aun.txt", "Troll\r\n");
    Write("mes.txt", "hi bot\r\n");
    Write("ans.txt", "hello sn%\r\n");
    Write("dlist.txt", "welcome\r\n");
    Write("dlistd.txt", "Welcome %sn \r\n");
    Write("Designs/welcome.rtf", "{\\rtf1\\ansi Welcome %sn to %rn\\par}");
  }
  void Write(const std::string& name, const std::string& bytes) { scratch.Write("prog/" + name, bytes); }
  int Replay(const std::string& transcript, ReplayOptions options = {}) {
    std::ofstream(root / "night.txt", std::ios::binary) << transcript;
    options.File = root / "night.txt";
    return ReplayFile(options);
  }
  // options.File as it is.
  int ReplayFile(ReplayOptions options) {
    options.Dir = dir;
    options.Sets.insert(options.Sets.begin(), {"BotNick", "Host"});
    trace.str("");
    summary.str("");
    errors.str("");
    return RunReplay(options, trace, summary, errors);
  }
  ScratchDir scratch{"quorvel-replay"};
  std::filesystem::path root = scratch.Dir();
  std::filesystem::path dir = root / "prog";
  std::ostringstream trace, summary, errors;
};

}  // namespace quorvel::testing
