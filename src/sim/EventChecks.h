#pragma once
// The checks on what the bot did to the outside: each consumes the oldest
// unconsumed event of its kind, or looks at the one consumed last.
#include "sim/ScenarioVerb.h"

namespace quorvel::scenario {

// Keyed by the word after "expect".
const VerbTable& EventChecks();

}  // namespace quorvel::scenario
