#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "ScratchDir.h"
#include "sim/DryRunSummary.h"
#include "sim/ReplayRun.h"
#include "sim/ScenarioRunner.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

TEST(DryRunTest, HitsInsideLongerWordsAreTold) {
  const struct {
    const char* Text;
    const char* Phrase;
    bool Inside;
  } cases[] = {
      {"i love classic rock", "ass", true},
      {"you ass", "ass", false},
      {"hello there", "hell", true},
      {"what the hell!", "hell", false},
      {"classic ass", "ass", false},
      {"asses", "ass", true},
      {"no hit", "ass", false},
      {"x ass y", " ass ", false},
      {"lol", "", false},
      {"hell\xe9", "hell", true},  // a letter of the code page's upper half joins the word
  };
  for (const auto& c : cases) EXPECT_EQ(OnlyInsideWords(c.Text, c.Phrase), c.Inside) << c.Text << " / " << c.Phrase;
}

TEST(DryRunTest, TranscriptLinesAsTheClientGivesThem) {
  const std::string longLine(300, 'x');
  const auto lines = TranscriptLines("a\r\nb\n\nc\r\r\n" + longLine + "\nlast");
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "a");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "c\r");  // only the CR before the LF belongs to the line end
  EXPECT_EQ(lines[4], std::string(kReplayLineLimit, 'x'));
  EXPECT_EQ(lines[5], "last");
}

class ReplayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(dir / "Designs");
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
    options.Dir = dir;
    options.Sets.insert(options.Sets.begin(), {"BotNick", "Host"});
    trace.str("");
    summary.str("");
    errors.str("");
    return RunReplay(options, trace, summary, errors);
  }
  std::map<std::string, std::string> Snapshot() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
      std::stringstream bytes;
      if (entry.is_regular_file()) bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
      files[fs::relative(entry.path(), dir).generic_string()] = bytes.str();
    }
    return files;
  }
  testing::ScratchDir scratch{"quorvel-replay"};
  fs::path root = scratch.Dir();
  fs::path dir = root / "prog";
  std::ostringstream trace, summary, errors;
};

TEST_F(ReplayTest, AFalseAlarmIsListedUnderItsPhraseAsInsideAWord) {
  ASSERT_EQ(Replay("Bob: I love classic rock\r\nCid: what the hell\r\n"), kScenarioPassed) << errors.str();
  const std::string s = summary.str();
  EXPECT_NE(s.find("\"ass\": 1 line, 1 of them inside a word"), std::string::npos) << s;
  EXPECT_NE(s.find("line 1: Bob: I love classic rock (inside a word)"), std::string::npos) << s;
  EXPECT_NE(s.find("line 2: Cid: what the hell\n"), std::string::npos) << s;
  EXPECT_NE(s.find("Bob: bounced 1 (phrase \"ass\")"), std::string::npos) << s;
  // The trace names the transcript line that caused each event.
  EXPECT_NE(trace.str().find("[1] posted: 32947 (Bob)"), std::string::npos) << trace.str();
}

TEST_F(ReplayTest, AnAutoBouncedJoinerIsNotGreeted) {
  ASSERT_EQ(Replay("Troll has joined the room\nBob has joined the room\n"), kScenarioPassed) << errors.str();
  const std::string s = summary.str();
  EXPECT_NE(s.find("Troll: bounced 1 (auto list)"), std::string::npos) << s;
  EXPECT_NE(s.find("Greetings sent: 1\n  to Bob\n"), std::string::npos) << s;
  EXPECT_EQ(trace.str().find("Welcome Troll"), std::string::npos) << trace.str();
}

TEST_F(ReplayTest, AnAdminsGreeterOffStopsTheGreetingsThatFollow) {
  ASSERT_EQ(Replay("Bob has joined the room\nAnn: greeter off\nCid has joined the room\nDee has joined the room\n"),
            kScenarioPassed)
      << errors.str();
  const std::string s = summary.str();
  EXPECT_NE(s.find("Greetings sent: 1\n  to Bob\n"), std::string::npos) << s;
  EXPECT_NE(s.find("Commands obeyed: 1\n  line 2, Ann: greeter off\n"), std::string::npos) << s;
  EXPECT_NE(s.find("  greeter: 1\n"), std::string::npos) << s;
  EXPECT_NE(s.find("  commands: 1\n"), std::string::npos) << s;
}

TEST_F(ReplayTest, WithoutADesignNoGreetingReachesTheRoom) {
  fs::remove(dir / "dlist.txt");
  fs::remove(dir / "dlistd.txt");
  ASSERT_EQ(Replay("Bob has joined the room\n"), kScenarioPassed) << errors.str();
  EXPECT_NE(summary.str().find("Messages sent: 0\n"), std::string::npos) << summary.str();
  EXPECT_NE(summary.str().find("Greetings sent: 0\n"), std::string::npos) << summary.str();
}

TEST_F(ReplayTest, TheProgramDirectoryIsLeftByteForByte) {
  const auto before = Snapshot();
  ReplayOptions options;
  options.Sets = {{"FlushTimerOn", "on"}};
  std::string transcript = "Ann: adda! be nice\nAnn: as! darn\nAnn: aba! spam\nAnn: ad! kim\n";
  for (int i = 0; i < 10; ++i) transcript += "Bob: line " + std::to_string(i) + "\n";
  ASSERT_EQ(Replay(transcript, options), kScenarioPassed) << errors.str();
  EXPECT_NE(summary.str().find("line 1, Ann: adda! be nice"), std::string::npos) << summary.str();
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(ReplayTest, BadInputGivesOneMessageAndStatusTwo) {
  const struct {
    const char* What;
    ReplayOptions Options;
    const char* Message;
  } cases[] = {
      {"feature", {.Enable = "greeter,juggler"}, "unknown feature \"juggler\""},
      {"setting", {.Sets = {{"NoSuchThing", "1"}}}, "--set NoSuchThing=1: unknown setting"},
      {"value", {.Sets = {{"SwearMode", "Loud"}}}, "--set SwearMode=Loud: SwearMode is Bounce, RedDot or Warning"},
      {"design", {.Design = "missing"}, "--design missing"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Replay("Bob: hi\n", c.Options), kScenarioUnrunnable) << c.What;
    const std::string message = errors.str();
    EXPECT_NE(message.find(c.Message), std::string::npos) << c.What << ": " << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
  }
  ReplayOptions noFile;
  noFile.File = root / "absent.txt";
  noFile.Dir = dir;
  EXPECT_EQ(RunReplay(noFile, trace, summary, errors), kScenarioUnrunnable);
  ReplayOptions noDir;
  noDir.File = dir / "words.txt";
  noDir.Dir = root / "absent";
  EXPECT_EQ(RunReplay(noDir, trace, summary, errors), kScenarioUnrunnable);
}

TEST_F(ReplayTest, SettingsAndDesignsComeFromTheOptions) {
  Write("dlist.txt", "welcome\r\nhowdy\r\n");
  Write("dlistd.txt", "Welcome %sn \r\nHowdy %sn \r\n");
  Write("Designs/howdy.rtf", "{\\rtf1\\ansi Howdy %sn in %rn\\par}");
  ReplayOptions options;
  options.Design = "howdy";
  options.Room = "Chess Room";
  options.Enable = "greeter,swearbot";
  options.Sets = {{"SwearMode", "Warning"}, {"WarnMessage", "sn%: mind the sw%"}};
  options.SummaryOnly = true;
  ASSERT_EQ(Replay("Bob has joined the room\nCid: oh hell\nCid: hi bot\n", options), kScenarioPassed) << errors.str();
  EXPECT_EQ(trace.str(), "");
  const std::string s = summary.str();
  EXPECT_NE(s.find("  greeter: 1\n  swearbot: 1\n"), std::string::npos) << s;
  EXPECT_EQ(s.find("responder"), std::string::npos) << s;  // not enabled
  EXPECT_NE(s.find("Bounces and red dots:\n  none\n"), std::string::npos) << s;
}

}  // namespace
}  // namespace quorvel
