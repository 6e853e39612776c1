// The room read as messages against fakepal in another process: rows that
// wrap, a transcript that drops its oldest lines, a burst in one tick, a
// whisper from a nick not on the list, a client that hangs.
#include <gtest/gtest.h>

#include <cstdlib>

#include "EachClientTest.h"
#include "FakePalProcess.h"
#include "FakePalProtocol.h"
#include "panel/RoomFrame.h"
#include "panel/Startup.h"
#include "roomlink/TranscriptReader.h"
#include "tick/PollTick.h"

namespace quorvel {
namespace {

using testing::FakePalProcess;

constexpr const char* kRoom = "Reading Room";

class MessageReadingTest : public testing::EachClientTest {
 protected:
  // fakepal with the room, the nicks and the extra options; the bot attached
  // and polling, recording every message it acts on.
  bool Start(std::vector<std::string> options) {
    testing::InstallClient("10.1");
    options.insert(options.end(), {"--room", kRoom, "--nicks", "Ann,@Bob,Eve"});
    pal = std::make_unique<FakePalProcess>(GetParam(), options);
    if (!pal->Ready()) return false;
    CreateMainWindow(bot);
    LoadMainWindow(bot);
    settings.Admins.AdminList.Items = {"Bob"};
    settings.Recorder.RecordingOn = true;
    StartPolling(bot);
    PollTick(bot);  // the transcript is empty: whatever comes next is new
    return settings.Room.TranscriptHandle != kNoWindow;
  }
  bool Say(const std::vector<std::string>& lines) {
    for (const auto& line : lines)
      if (!pal->Command(fakepal::kAppendLine, {kRoom, line})) return false;
    return true;
  }
  std::vector<std::string> Recorded() const { return settings.Recorder.RecorderBuffer.Items; }
  size_t Journaled(const std::string& kind) const {
    size_t n = 0;
    for (const auto& line : pal->JournalLines()) n += line.rfind(kind + "\t", 0) == 0;
    return n;
  }
  std::vector<std::string> Commands() const {
    std::vector<std::string> found;
    for (const auto& line : pal->JournalLines())
      if (line.rfind("COMMAND\t", 0) == 0) found.push_back(line);
    return found;
  }

  std::unique_ptr<FakePalProcess> pal;
};

// A row that starts with "NICK: " inside a wrapped message is still the
// message's text; a phrase in its first row is still seen.
TEST_P(MessageReadingTest, AWrappedMessageIsOneMessage) {
  ASSERT_TRUE(Start({"--wrap", "200"})) << "fakepal did not start";
  settings.Swear.SwearList.Items = {"badword"};
  settings.Swear.SwearMode = BotSettings::SwearModes::Warning;
  settings.Features.SwearbotOn = true;
  std::string longLine = "Eve: badword";
  for (int i = 0; i < 40; ++i) longLine += " and on";
  ASSERT_TRUE(Say({longLine}));
  PollTick(bot);
  EXPECT_GE(desktop.LineCount(settings.Room.TranscriptHandle), 4) << "the line did not wrap";
  EXPECT_EQ(Journaled("SENT"), 1u) << "the phrase in the first row was missed";
  // Padded until the spoof begins a row of its own, as the control wraps it.
  bool spoofStartsARow = false;
  for (int pad = 0; pad < 40 && !spoofStartsARow; ++pad) {
    ASSERT_TRUE(Say({"Eve: well " + std::string(static_cast<size_t>(pad), 'z') + " and so on Bob: bc! ann"}));
    PollTick(bot);
    const int rows = desktop.LineCount(settings.Room.TranscriptHandle);
    spoofStartsARow = desktop.GetLine(settings.Room.TranscriptHandle, rows - 2, 256).rfind("Bob: bc! ann", 0) == 0;
  }
  EXPECT_TRUE(spoofStartsARow) << "no padding wrapped the spoof onto a row of its own";
  EXPECT_TRUE(Commands().empty());  // nobody bounced by "Bob"
}

// A client that keeps five lines keeps its row count still; each message is
// still acted on once.
TEST_P(MessageReadingTest, AClientThatDropsItsOldestLinesLosesNothing) {
  ASSERT_TRUE(Start({"--keep", "5"})) << "fakepal did not start";
  std::vector<std::string> said;
  for (int round = 0; round < 6; ++round) {
    std::vector<std::string> lines;
    for (int i = 0; i <= round % 3; ++i) lines.push_back("Ann: line " + std::to_string(said.size() + lines.size()));
    ASSERT_TRUE(Say(lines));
    said.insert(said.end(), lines.begin(), lines.end());
    PollTick(bot);
    PollTick(bot);  // idle: nothing again
  }
  EXPECT_EQ(Recorded(), said);
}

TEST_P(MessageReadingTest, ABurstOf40LinesGivesTheNewest30AndSaysSo) {
  ASSERT_TRUE(Start({})) << "fakepal did not start";
  std::vector<std::string> burst;
  for (int i = 0; i < 40; ++i) burst.push_back("Ann: burst " + std::to_string(i));
  ASSERT_TRUE(Say(burst));
  PollTick(bot);
  ASSERT_EQ(Recorded().size(), 30u);
  EXPECT_EQ(Recorded().front(), "Ann: burst 10");
  EXPECT_EQ(Recorded().back(), "Ann: burst 39");
  EXPECT_EQ(settings.Room.Health.SkippedMessages, 10u);
}

// A whisper is acted on under the nick written on its line: Eve commands
// nothing, and her phrase punishes her, not the room's last speaker.
TEST_P(MessageReadingTest, AWhisperFromANickNotOnTheListCommandsNothing) {
  ASSERT_TRUE(Start({})) << "fakepal did not start";
  settings.Swear.SwearList.Items = {"badword"};
  settings.Swear.SwearMode = BotSettings::SwearModes::Bounce;
  settings.Features.SwearbotOn = true;
  ASSERT_TRUE(Say({"Bob: hi all"}));
  PollTick(bot);
  ASSERT_TRUE(Say({"Eve: bc! ann", "***** Whisper from Eve", "(private)", "***** End Whisper"}));
  PollTick(bot);
  EXPECT_TRUE(Commands().empty());
  ASSERT_TRUE(Say({"Eve: you badword", "***** Whisper from Eve", "(private)", "***** End Whisper"}));
  PollTick(bot);
  ASSERT_TRUE(pal->WaitForJournal("COMMAND"));
  const auto commands = Commands();
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0], "COMMAND\t32947\tEve");
}

// Several messages waiting do not cost a hung client more than one timeout a tick.
TEST_P(MessageReadingTest, AHungClientCostsOneTimeoutWithMessagesWaiting) {
  ASSERT_TRUE(Start({})) << "fakepal did not start";
  ASSERT_TRUE(Say({"Ann: one", "Ann: two", "Ann: three"}));
  pal->Hang(2000);
  const ULONGLONG start = GetTickCount64();
  PollTick(bot);
  EXPECT_LT(GetTickCount64() - start, 1000u);
  EXPECT_TRUE(Recorded().empty());
  ASSERT_TRUE(Say({"Ann: four"}));  // waits until the client answers again
  PollTick(bot);
  EXPECT_EQ(Recorded(), (std::vector<std::string>{"Ann: one", "Ann: two", "Ann: three", "Ann: four"}));
}

INSTANTIATE_TEST_SUITE_P(Bitness, MessageReadingTest, ::testing::Values("fakepal32.exe", "fakepal64.exe"),
                         [](const auto& info) { return std::string(info.param).substr(0, 9); });

}  // namespace
}  // namespace quorvel
