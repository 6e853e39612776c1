#pragma once
// The checks on state: the panel's values, lists and selections, the design
// editor, and the files in the program directory.
#include "scenario/ScenarioVerb.h"

namespace quorvel::scenario {

// Keyed by the word after "expect".
const VerbTable& StateChecks();

}  // namespace quorvel::scenario
