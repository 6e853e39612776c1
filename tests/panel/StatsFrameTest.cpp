#include <gtest/gtest.h>

#include "TestWorld.h"
#include "commands/VisitorStats.h"
#include "panel/StatsFrame.h"

namespace quorvel {
namespace {

TEST(StatsFrameTest, ClearStatsAsksFirst) {
  testing::TestWorld world;
  world.AttachedRoom();
  world.settings.Line.JoinedNick = "Ann";
  CountVisit(world.bot);
  world.settings.Panel.LastVisitorBox = "Ann";  // as the tick shows the joining nick
  world.dialogs.Queue({SimAnswer::Kind::No});
  ClearStats(world.bot);
  EXPECT_EQ(world.settings.Stats.TotalVisits, "1");
  world.dialogs.Queue({SimAnswer::Kind::Yes});
  ClearStats(world.bot);
  EXPECT_TRUE(world.settings.Stats.VisitorNicks.Items.empty());
  EXPECT_EQ(world.settings.Stats.UniqueVisits, "0");
  EXPECT_EQ(world.settings.Panel.LastVisitorBox, "");
}

}  // namespace
}  // namespace quorvel
