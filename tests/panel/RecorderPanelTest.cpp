#include <gtest/gtest.h>

#include "TestWorld.h"
#include "panel/RecorderPanel.h"

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

}  // namespace
}  // namespace quorvel
