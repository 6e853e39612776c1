#pragma once
#include "model/Bot.h"

namespace quorvel {

// The one way a feature flag changes: flag, label and pictures together.
void SetFeature(Bot& bot, Feature feature, bool on);
void EnableAll(Bot& bot);
void DisableAll(Bot& bot);
// The poll timer's flag, told to the view, which starts or kills its timer.
void SetPollTimer(Bot& bot, bool enabled);

}  // namespace quorvel
