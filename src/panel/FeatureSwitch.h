#pragma once
#include "panel/Bot.h"

namespace quorvel {

// The one way a feature flag changes: flag, label and pictures together.
void SetFeature(Bot& bot, Feature feature, bool on);
void EnableAll(Bot& bot);
void DisableAll(Bot& bot);

}  // namespace quorvel
