#pragma once
#include "model/SetFeature.h"

namespace quorvel {

// A feature's own "Start" and "Stop": the greeter's and the swear monitor's
// Start also switch the poll timer on.
void StartFeature(Bot& bot, Feature feature);
void StopFeature(Bot& bot, Feature feature);

}  // namespace quorvel
