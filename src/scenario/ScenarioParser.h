#pragma once
// Cuts a scenario file into statements: comments and blank lines dropped,
// each block statement given the lines up to its "end".
#include <string>
#include <vector>

#include "scenario/ScenarioText.h"

namespace quorvel::scenario {

// The statements in file order. A block left without its "end" becomes a
// statement that IsUnclosedBlock recognises, so the run stops there.
std::vector<ScenarioStatement> ParseScenario(const std::string& content);
bool IsUnclosedBlock(const ScenarioStatement& statement);

}  // namespace quorvel::scenario
