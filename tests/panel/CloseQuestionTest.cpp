#include <gtest/gtest.h>

#include "ProgramDirTest.h"
#include "panel/CloseQuestion.h"
#include "panel/Startup.h"
#include "panel/StatsFrame.h"

namespace quorvel {
namespace {

// At log-off nobody answers: what Yes would save is saved unasked, the
// statistics to the file of their last Save or Load, or else to a new one.
TEST_F(ProgramDirTest, TheSessionsEndSavesWhatYesWouldWithoutAsking) {
  WriteAllLists();
  RunStartupSequence(world.bot);
  BotSettings& s = world.settings;
  for (const std::string statsFile : {"", "kept.txt"}) {
    s.OnDisk.StatsFile = statsFile.empty() ? "" : (dir / statsFile).string();
    s.Responder.ResponderReplies.Items.push_back("Hi, sn% " + statsFile);
    s.Stats.VisitorNicks.Items.push_back("Ann");
    s.Stats.VisitorCounts.Items.push_back("1");
    s.Stats.VisitorLastSeen.Items.push_back("now");
    s.Recorder.RecorderBuffer.Items.push_back("Ann: hi");
    const UnsavedWork work = FindUnsavedWork(s);
    EXPECT_EQ(work.Lists, std::vector<std::string>{"ans.txt"});
    EXPECT_TRUE(work.Stats && work.RecorderLines == 1);
    SaveBeforeSessionEnds(world.bot);
    EXPECT_TRUE(FindUnsavedWork(s).Empty());
    EXPECT_EQ(world.events.Consume(EventKind::MsgBox), nullptr);
    EXPECT_EQ(world.events.Consume(EventKind::FileDialog), nullptr);
    EXPECT_NE(Read("ans.txt").find("\"Hi, sn% " + statsFile + "\"\r\n"), std::string::npos);
    EXPECT_EQ(Read(statsFile.empty() ? "stats 09172013210530.txt" : statsFile).rfind("Ann\t1\tnow\r\n", 0), 0u);
  }
}

// A nick holding a TAB would shift every column after it.
TEST_F(ProgramDirTest, StatisticsThatWouldNotReadBackAreNotWritten) {
  BotSettings& s = world.settings;
  s.Stats.VisitorNicks.Items = {"E\tve"};
  s.Stats.VisitorCounts.Items = {"1"};
  s.Stats.VisitorLastSeen.Items = {"now"};
  world.dialogs.Queue({SimAnswer::Kind::File, (dir / "stats.txt").string()});
  EXPECT_TRUE(AskAndSaveStats(world.bot));
  EXPECT_FALSE(std::filesystem::exists(dir / "stats.txt"));
  EXPECT_TRUE(StatsChangedSinceSaved(s));
  const auto told = Messages();
  ASSERT_EQ(told.size(), 1u);
  EXPECT_NE(told[0].find("would not read back"), std::string::npos) << told[0];
}

}  // namespace
}  // namespace quorvel
