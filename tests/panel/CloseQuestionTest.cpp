#include <gtest/gtest.h>

#include "ProgramDirTest.h"
#include "panel/CloseQuestion.h"
#include "panel/Startup.h"
#include "panel/StatsFrame.h"

namespace quorvel {
namespace {

// At log-off nobody answers: what Yes would save is saved, nothing is asked
// or told, and the statistics go to the file they were last saved to or
// loaded from, or else to a new one beside the program.
TEST_F(ProgramDirTest, TheSessionsEndSavesWhatYesWouldWithoutAsking) {
  WriteAllLists();
  RunStartupSequence(world.bot);
  BotSettings& s = world.settings;
  EXPECT_TRUE(FindUnsavedWork(s).Empty());
  struct Step {
    const char* StatsFileBefore;  // where the statistics were last saved or loaded
    const char* StatsFileAfter;
  };
  const Step steps[] = {{"", "stats 09172013210530.txt"}, {"kept.txt", "kept.txt"}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.StatsFileAfter);
    s.OnDisk.StatsFile = *step.StatsFileBefore ? (dir / step.StatsFileBefore).string() : "";
    s.Admins.AdminList.Items.push_back(std::string("Eve ") + step.StatsFileAfter);
    s.Responder.ResponderReplies.Items.push_back("Hi, sn%");
    s.Stats.VisitorNicks.Items.push_back("Ann");
    s.Stats.VisitorCounts.Items.push_back("1");
    s.Stats.VisitorLastSeen.Items.push_back("09:05 PM 9/17/2013");
    s.Recorder.RecorderBuffer.Items.push_back("Ann: hi");
    const UnsavedWork work = FindUnsavedWork(s);
    EXPECT_EQ(work.Lists, (std::vector<std::string>{"admins.txt", "ans.txt"}));
    EXPECT_TRUE(work.Stats);
    EXPECT_EQ(work.RecorderLines, 1u);

    SaveBeforeSessionEnds(world.bot);
    EXPECT_TRUE(FindUnsavedWork(s).Empty());
    EXPECT_EQ(world.events.Consume(EventKind::MsgBox), nullptr);
    EXPECT_EQ(world.events.Consume(EventKind::FileDialog), nullptr);
    EXPECT_EQ(Read("admins.txt").substr(Read("admins.txt").rfind("Eve")),
              std::string("Eve ") + step.StatsFileAfter + "\r\n");
    EXPECT_NE(Read("ans.txt").find("\"Hi, sn%\"\r\n"), std::string::npos);
    EXPECT_EQ(Read(step.StatsFileAfter).rfind("Ann\t1\t09:05 PM 9/17/2013\r\n", 0), 0u);
    EXPECT_TRUE(s.Recorder.RecorderBuffer.Items.empty());
  }
}

// Whatever the statistics file keeps, it reads back as the table: a nick
// holding a TAB would shift every column after it.
TEST_F(ProgramDirTest, StatisticsThatWouldNotReadBackAreNotWritten) {
  BotSettings& s = world.settings;
  s.Stats.VisitorNicks.Items = {"Ann", "E\tve"};
  s.Stats.VisitorCounts.Items = {"1", "2"};
  s.Stats.VisitorLastSeen.Items = {"a", "b"};
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
