#pragma once
// The verbs that prepare the world around the bot: files, registry, the
// client's windows and rooms, the random source and the clock.
#include "scenario/ScenarioVerb.h"

namespace quorvel::scenario {

const VerbTable& SetupVerbs();

}  // namespace quorvel::scenario
