#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "ScratchDir.h"
#include "scenario/ScenarioRunner.h"
#include "scenario/ScenarioText.h"
#include "text/ControlBytes.h"

namespace quorvel {
namespace {

TEST(ScenarioTextTest, EscapesInFreeTexts) {
  const std::pair<const char*, const char*> cases[] = {
      {"a\\tb", "a\tb"},    {"\\r\\n", "\r\n"}, {"x\\s", "x "},     {"\\\\s", "\\s"},
      {"\\x41\\x7e", "A~"}, {"\\q", "\\q"},     {"end\\", "end\\"}, {"\\xZZ", "\\xZZ"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(UnescapeFreeText(in), out) << in;
}

TEST(ScenarioTextTest, CursorTakesWordsThenTheFreeText) {
  StatementCursor c("expect value Text  two blanks ");
  EXPECT_EQ(c.Word(), "expect");
  EXPECT_EQ(c.Word(), "value");
  EXPECT_EQ(c.Word(), "Text");
  EXPECT_EQ(c.Rest(), " two blanks ");
  StatementCursor bare("expect value JoinedNick");
  bare.Word();
  bare.Word();
  bare.Word();
  EXPECT_EQ(bare.Rest(), "");
  EXPECT_FALSE(bare.Word().has_value());
}

TEST(ScenarioTextTest, LinesDropTheCarriageReturnBeforeLineFeed) {
  EXPECT_EQ(SplitScenarioLines("a\r\nb\n\nc\r"), (std::vector<std::string>{"a", "b", "", "c"}));
}

class RunnerTest : public ::testing::Test {
 protected:
  int Run(const std::string& scenario) {
    out.str("");
    ScenarioRunner runner(dir, false, out);
    return runner.Run(scenario);
  }
  testing::ScratchDir scratch{"quorvel-scn"};
  std::filesystem::path dir = scratch.Dir();
  std::ostringstream out;
};

constexpr const char* kClient =
    "registry HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Paltalk Messenger DisplayVersion = 10.1\n"
    "registry HKCU\\Software\\Paltalk cur_user = Bot\n"
    "client\n"
    "room Lobby Room\n";

TEST_F(RunnerTest, FileNamesStayInTheProgramDirectory) {
  const std::filesystem::path outside = dir.parent_path() / (dir.filename().string() + "-outside.txt");
  const std::string climb = "../" + outside.filename().string();
  const std::string statements[] = {
      "file " + climb + "\nx\nend\n",
      "rawfile " + outside.string() + "\nx\nend\n",
      "remove sub/../../" + outside.filename().string() + "\n",
      "block ../elsewhere\n",
      "expect file " + climb + "\nx\nend\n",
      "expect rawfile /etc/hostname\nx\nend\n",
      "expect no-file ../x\n",
      "expect files .. 0\n",
      "answer file ../stats.txt\n",
  };
  for (const auto& statement : statements) {
    EXPECT_EQ(Run("# a scenario that reaches out\n" + statement), kScenarioUnrunnable) << statement;
    EXPECT_NE(out.str().find("ERROR line 2:"), std::string::npos) << out.str();
  }
  EXPECT_FALSE(std::filesystem::exists(outside));
  // Times the clock cannot hold are refused too.
  for (const char* statement : {"wait 1e300\n", "wait nan\n", "wait -1\n", "clock 2147483647-12-31 23:59:59\n",
                                "clock 2013-13-01 00:00:00\n", "clock 2013-09-17 24:00:00\n"})
    EXPECT_EQ(Run(statement), kScenarioUnrunnable) << statement;
  EXPECT_EQ(Run("clock 9999-12-31 23:59:59\nwait 1e9\n"), kScenarioPassed) << out.str();
  EXPECT_FALSE(std::filesystem::exists(dir.parent_path() / "elsewhere"));
  EXPECT_EQ(Run("file sub/a..b.txt\nx\nend\nexpect file sub/./a..b.txt\nx\nend\n"), kScenarioPassed) << out.str();
}

TEST_F(RunnerTest, ExitStatusesAndFailureLines) {
  EXPECT_EQ(Run(std::string(kClient) + "start\nexpect value SelectedRoomTitle Lobby Room\n"), kScenarioPassed);
  EXPECT_EQ(Run(std::string(kClient) + "start\n# comment\n\nexpect value SelectedRoomTitle Other Room\n"),
            kScenarioFailed);
  EXPECT_NE(out.str().find("FAIL line 8:"), std::string::npos) << out.str();
  // An unknown verb is named as such, before and after `start`.
  for (const std::string& before : {std::string(), std::string(kClient) + "start\n"}) {
    EXPECT_EQ(Run(before + "frobnicate now\n"), kScenarioUnrunnable);
    EXPECT_NE(out.str().find(": unknown verb \"frobnicate\""), std::string::npos) << out.str();
  }
  EXPECT_EQ(Run("press Start\n"), kScenarioUnrunnable);       // before start
  EXPECT_EQ(Run("file a.txt\nline\n"), kScenarioUnrunnable);  // block never closed
  EXPECT_EQ(Run(std::string(kClient) + "start\nexpect value NoSuchName x\n"), kScenarioUnrunnable);
}

TEST_F(RunnerTest, TheRoomListIsPickedLikeTheOtherLists) {
  const std::string rooms = std::string(kClient) + "room Other Room\nstart\n";
  // The newest room window is listed first.
  EXPECT_EQ(Run(rooms + "expect list RoomList\nOther Room\nLobby Room\nend\npick RoomList 1\n"
                        "expect value SelectedRoomTitle Lobby Room\nexpect selected RoomList 1\n"
                        "pick RoomList none\nexpect selected RoomList none\n"),
            kScenarioPassed)
      << out.str();
  EXPECT_EQ(Run(rooms + "pick RoomList 0 1\n"), kScenarioUnrunnable);  // one selection at most
  EXPECT_EQ(Run(rooms + "pick RoomList 2\n"), kScenarioUnrunnable);
  EXPECT_EQ(Run(rooms + "pick RoomNickList 0\n"), kScenarioUnrunnable);  // shown, never picked
}

TEST_F(RunnerTest, EventsAreConsumedOldestFirstPerKind) {
  const std::string scenario = std::string(kClient) +
                               "start\npress Start\nnotice\ntick\nnotice\ntick\n"
                               "expect closed Notice from Paltalk\nexpect closed\nexpect none\n";
  EXPECT_EQ(Run(scenario), kScenarioPassed) << out.str();
  EXPECT_NE(out.str().find("[1] closed: Notice from Paltalk"), std::string::npos) << out.str();
  EXPECT_EQ(Run(std::string(kClient) + "start\npress Start\nnotice\ntick\nexpect none\n"), kScenarioFailed);
}

TEST_F(RunnerTest, FilesAreWrittenAndCheckedWithCrLf) {
  const std::string scenario =
      "file lists/a.txt\none\ntrailing\\s\n\nend\n"
      "expect rawfile lists/a.txt\none\\r\\ntrailing \\r\\n\\r\\n\nend\n"
      "expect file lists/a.txt\none\ntrailing\\s\n\nend\n"
      "expect files lists 1\nexpect files . 0\nexpect no-file b.txt\n"
      "block b.txt\nexpect no-file b.txt\nremove lists\nexpect files lists 0\n";
  EXPECT_EQ(Run(scenario), kScenarioPassed) << out.str();
}

TEST_F(RunnerTest, EchoAndTranscriptLinesArePrinted) {
  const std::string scenario = std::string(kClient) + "start\nline Ann: hi\\tthere\nexpect none\n";
  EXPECT_EQ(Run(scenario), kScenarioPassed) << out.str();
  EXPECT_NE(out.str().find("[0] room: Ann: hi\\tthere"), std::string::npos) << out.str();
  // A chat line's terminal escapes reach the trace as text, in every line that shows it.
  EXPECT_EQ(Run(std::string(kClient) + "start\npress Start\nline Eve: hi\\x1b[2J\\x07\\x7f\ntick\n"), kScenarioPassed);
  const std::string trace = out.str();
  EXPECT_NE(trace.find("room: Eve: hi\\x1B[2J\\x07\\x7F"), std::string::npos) << trace;
  EXPECT_EQ(std::count_if(trace.begin(), trace.end(), [](char c) { return c != '\n' && IsControlByte(c); }), 0);
}

TEST_F(RunnerTest, ClockAndWait) {
  const std::string scenario = std::string(kClient) +
                               "clock 2014-01-01 11:59:59\nstart\npress Start\nwait 0.6\ntick\n"
                               "expect value ClockLabel 12:00 PM 1/1/2014\n"
                               "wait 43200\ntick\nexpect value ClockLabel 12:00 AM 1/2/2014\n";
  EXPECT_EQ(Run(scenario), kScenarioPassed) << out.str();
}

}  // namespace
}  // namespace quorvel
