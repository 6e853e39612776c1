#pragma once
#include "panel/Bot.h"

namespace quorvel {

// The one way a feature flag changes: flag, label and pictures together.
void SetFeature(Bot& bot, Feature feature, bool on);
void EnableAll(Bot& bot);
// A feature's own "Start" and "Stop": the greeter's and the swear monitor's
// Start also switch the poll timer on.
void StartFeature(Bot& bot, Feature feature);
void StopFeature(Bot& bot, Feature feature);
void DisableAll(Bot& bot);

}  // namespace quorvel
