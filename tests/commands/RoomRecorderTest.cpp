#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ScratchDir.h"
#include "TestWorld.h"
#include "commands/RoomRecorder.h"

namespace quorvel {
namespace {

TEST(FlushFileNameTest, MonthDayYearHourMinuteSecond) {
  EXPECT_EQ(FlushFileName({2013, 9, 17, 21, 5, 30, 0}), "09172013210530.txt");
  EXPECT_EQ(FlushFileName({2024, 1, 2, 3, 4, 5, 999}), "01022024030405.txt");
}

class RoomRecorderTest : public ::testing::Test {
 protected:
  void SetUp() override { world.bot.programDir = dir; }
  void Line(const std::string& sender, const std::string& text) {
    world.settings.Line.Sender = sender;
    world.settings.Line.Text = text;
    RecordMessage(world.bot);
    CountTowardsFlush(world.bot);
  }
  std::string Read(const std::filesystem::path& p) { return scratch.Read(p); }
  testing::TestWorld world;
  testing::ScratchDir scratch{"quorvel-rec"};
  std::filesystem::path dir = scratch.Dir();
};

// Each message is read once: a repeat, or another nick saying the same, is a message of its own.
TEST_F(RoomRecorderTest, RecordsEveryMessage) {
  world.settings.Recorder.RecordingOn = true;
  Line("Ann", "hello");
  Line("Ann", "hello");
  Line("Bob", "hello");
  EXPECT_EQ(world.settings.Recorder.RecorderBuffer.Items,
            (std::vector<std::string>{"Ann: hello", "Ann: hello", "Bob: hello"}));
}

TEST_F(RoomRecorderTest, FlushesAppendWithinOneSecondAndMakeTheFolder) {
  world.settings.Recorder.RecordingOn = true;
  world.settings.Recorder.FlushTimerOn = true;
  world.settings.Recorder.FlushEvery = "1";
  Line("Ann", "one");
  Line("Ann", "two");
  EXPECT_EQ(Read(dir / "recorder" / "09172013210530.txt"), "Ann: one\r\nAnn: two\r\n");
  EXPECT_TRUE(world.settings.Recorder.RecorderBuffer.Items.empty());
  EXPECT_EQ(world.settings.Recorder.FlushCounter, "0");
}

TEST_F(RoomRecorderTest, AFailedFlushKeepsTheLines) {
  std::ofstream(dir / "recorder") << "a file where the folder should be";
  world.settings.Recorder.RecorderBuffer.Items = {"Ann: kept"};
  world.settings.Recorder.FlushCounter = "4";
  FlushRecorder(world.bot);
  EXPECT_EQ(world.settings.Recorder.RecorderBuffer.Items, std::vector<std::string>{"Ann: kept"});
  EXPECT_EQ(world.settings.Recorder.FlushCounter, "0");
}

TEST_F(RoomRecorderTest, FlushEveryIsComparedAsText) {
  world.settings.Recorder.FlushTimerOn = true;
  for (const char* every : {"05", " 5", "0", "x"}) {
    world.settings.Recorder.FlushEvery = every;
    world.settings.Recorder.FlushCounter = "0";
    for (int i = 0; i < 8; ++i) CountTowardsFlush(world.bot);
    EXPECT_EQ(world.settings.Recorder.FlushCounter, "8") << every;
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "recorder"));
}

}  // namespace
}  // namespace quorvel
