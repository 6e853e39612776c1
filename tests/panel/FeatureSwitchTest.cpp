#include <gtest/gtest.h>

#include "PanelModelTest.h"
#include "panel/FeatureSwitch.h"
#include "panel/RoomFrame.h"

namespace quorvel {
namespace {

TEST_F(PanelModelTest, DisableAllThenGreeterStartLeavesOnlyTheGreeter) {
  EnableAll(world.bot);
  DisableAll(world.bot);
  StartFeature(world.bot, Feature::Greeter);
  EXPECT_TRUE(world.settings.Features.GreeterOn);
  EXPECT_TRUE(world.settings.PollTimer);
  for (Feature f : kAllFeatures) {
    if (f != Feature::Greeter) {
      EXPECT_FALSE(FeatureFlag(world.settings, f));
    }
  }
  StopPolling(world.bot);
  EXPECT_EQ(world.settings.Panel.GreeterLabel, "Greeter On");  // Stop leaves the indicators
  StartFeature(world.bot, Feature::Responder);
  EXPECT_FALSE(world.settings.PollTimer);  // only the greeter's and the swear monitor's Start start it
  StopFeature(world.bot, Feature::Greeter);
  EXPECT_FALSE(world.settings.PollTimer);
}

}  // namespace
}  // namespace quorvel
