#pragma once
// The operator's verbs: starting the bot, the timer, answers to dialogs, the
// design editor, and the panel's controls.
#include "scenario/ScenarioVerb.h"

namespace quorvel::scenario {

// Runs the operator verb call.Verb; any verb but start, restart, tick and
// answer needs the started bot. An unknown verb is named as unknown.
void RunOperatorVerb(ScenarioWorld& world, VerbCall& call);

}  // namespace quorvel::scenario
