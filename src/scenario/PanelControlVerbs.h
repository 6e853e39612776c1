#pragma once
// The operator's hand on the panel's controls: `press` a button or menu item,
// `type` into a box, `set` an option, `pick` list entries.
#include "scenario/ScenarioVerb.h"

namespace quorvel::scenario {

// Each handler needs the started bot.
const VerbTable& PanelControlVerbs();

}  // namespace quorvel::scenario
