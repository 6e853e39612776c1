#include "panel/FeatureSwitch.h"

#include <string>

#include "panel/Polling.h"

namespace quorvel {

void SetFeature(Bot& bot, Feature feature, bool on) {
  FeatureFlag(bot.settings, feature) = on;
  FeatureLabel(bot.settings, feature) = std::string(FeatureName(feature)) + (on ? " On" : " Off");
  bot.view.IndicatorChanged(feature);
}

void EnableAll(Bot& bot) {
  for (Feature f : kAllFeatures) SetFeature(bot, f, true);
}

void StartFeature(Bot& bot, Feature feature) {
  SetFeature(bot, feature, true);
  if (feature == Feature::Greeter || feature == Feature::Swearbot) EnsurePollTimer(bot);
}

void StopFeature(Bot& bot, Feature feature) { SetFeature(bot, feature, false); }

void DisableAll(Bot& bot) {
  for (Feature f : kAllFeatures) SetFeature(bot, f, false);
}

}  // namespace quorvel
