#include "panel/FeatureSwitch.h"

#include "panel/RoomFrame.h"

namespace quorvel {

void StartFeature(Bot& bot, Feature feature) {
  SetFeature(bot, feature, true);
  if (feature == Feature::Greeter || feature == Feature::Swearbot) EnsurePollTimer(bot);
}

void StopFeature(Bot& bot, Feature feature) { SetFeature(bot, feature, false); }

}  // namespace quorvel
