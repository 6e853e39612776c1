#include <gtest/gtest.h>

#include "PanelModelTest.h"
#include "model/SetFeature.h"
#include "tick/PollTick.h"

namespace quorvel {
namespace {

TEST_F(PanelModelTest, EnableAllWithTheTimerStoppedChangesNothingInTheRoom) {
  world.settings.Greeter.DesignEditor.SetPlainText("Hi %sn");
  EnableAll(world.bot);
  EnableAll(world.bot);
  for (Feature f : kAllFeatures) {
    EXPECT_TRUE(FeatureFlag(world.settings, f));
    EXPECT_EQ(FeatureLabel(world.settings, f), std::string(FeatureName(f)) + " On");
  }
  EXPECT_FALSE(world.settings.PollTimer);
  world.desktop.AppendLine(room, "Bob has joined the room");
  PollTimerFired(world.bot);
  EXPECT_FALSE(world.events.AnyLeft());
}

}  // namespace
}  // namespace quorvel
