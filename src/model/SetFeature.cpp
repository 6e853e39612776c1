#include "model/SetFeature.h"

#include <string>

namespace quorvel {

void SetFeature(Bot& bot, Feature feature, bool on) {
  FeatureFlag(bot.settings, feature) = on;
  FeatureLabel(bot.settings, feature) = std::string(FeatureName(feature)) + (on ? " On" : " Off");
  bot.view.IndicatorChanged(feature);
}

void EnableAll(Bot& bot) {
  for (Feature f : kAllFeatures) SetFeature(bot, f, true);
}

void DisableAll(Bot& bot) {
  for (Feature f : kAllFeatures) SetFeature(bot, f, false);
}

void SetPollTimer(Bot& bot, bool enabled) {
  bot.settings.PollTimer = enabled;
  bot.view.PollTimerChanged(enabled);
}

}  // namespace quorvel
