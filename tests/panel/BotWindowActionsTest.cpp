#include <gtest/gtest.h>

#include "TestWorld.h"
#include "commands/VisitorStats.h"
#include "panel/NickGrabber.h"
#include "panel/RecorderPanel.h"
#include "panel/StatsFrame.h"

namespace quorvel {
namespace {

TEST(RecorderPanelTest, SearchIgnoresCase) {
  testing::TestWorld world;
  world.settings.Recorder.RecorderBuffer.Items = {"Ann: hello", "Bob: bye", "Cy: HELLO again"};
  world.settings.Panel.SearchBox = "HELLO";
  RecorderSearch(world.bot);
  EXPECT_EQ(world.settings.Recorder.SearchResults.Items, (std::vector<std::string>{"Ann: hello", "Cy: HELLO again"}));
  EXPECT_EQ(world.settings.Panel.SearchLabel, "Search Result For HELLO");
  EXPECT_EQ(world.settings.Recorder.RecorderBuffer.SelectedIndex(), 2);
  world.settings.Panel.SearchBox = "";
  RecorderSearch(world.bot);
  ASSERT_NE(world.events.Consume(EventKind::MsgBox), nullptr);
  EXPECT_TRUE(world.settings.Recorder.SearchResults.Items.empty());
}

TEST(StatsFrameTest, ClearStatsAsksFirst) {
  testing::TestWorld world;
  world.AttachedRoom();
  world.settings.Line.JoinedNick = "Ann";
  CountVisit(world.bot);
  world.settings.Panel.LastVisitorBox = "Ann";  // step 16 of the tick
  world.dialogs.Queue({SimAnswer::Kind::No});
  ClearStats(world.bot);
  EXPECT_EQ(world.settings.Stats.TotalVisits, "1");
  world.dialogs.Queue({SimAnswer::Kind::Yes});
  ClearStats(world.bot);
  EXPECT_TRUE(world.settings.Stats.VisitorNicks.Items.empty());
  EXPECT_EQ(world.settings.Stats.UniqueVisits, "0");
  EXPECT_EQ(world.settings.Panel.LastVisitorBox, "");
}

TEST(VbFindTest, AddsEveryMarkedNickOnce) {
  PanelList admins;
  admins.Items = {"Bob"};
  std::vector<std::string> grabber = {"@Bob", "Ann", "@Cy"};
  EXPECT_TRUE(grabber::vbFind("@", grabber, -3, admins));
  EXPECT_EQ(admins.Items, (std::vector<std::string>{"Bob", "Cy"}));
  EXPECT_EQ(grabber, (std::vector<std::string>{"Bob", "Ann", "Cy"}));
  EXPECT_FALSE(grabber::vbFind("@", grabber, 0, admins));
  EXPECT_FALSE(grabber::vbFind("", grabber, 0, admins));
}

}  // namespace
}  // namespace quorvel
