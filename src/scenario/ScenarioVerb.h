#pragma once
// What every scenario verb handler shares: how it is called, how it reports
// a statement that fails or cannot run, and the argument helpers.
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "scenario/ScenarioText.h"

namespace quorvel {

// Exit statuses of a scenario run.
inline constexpr int kScenarioPassed = 0;
inline constexpr int kScenarioFailed = 1;
inline constexpr int kScenarioUnrunnable = 2;

namespace scenario {

struct ScenarioWorld;

// Thrown by a handler and caught by the runner, which ends the run with it;
// it never leaves the simulator.
struct Failure {
  int ExitCode;
  std::string Message;
};

inline Failure Unrunnable(const std::string& message) { return {kScenarioUnrunnable, message}; }
inline Failure NotYet(const std::string& what) { return {kScenarioUnrunnable, what + ": not implemented yet"}; }
inline Failure Fail(const std::string& message) { return {kScenarioFailed, message}; }

// One statement as its handler sees it: Verb is the word the table matched
// (for checks, the word after "expect"); the cursor stands after it.
struct VerbCall {
  const std::string& Verb;
  StatementCursor& Cursor;
  const ScenarioStatement& Statement;
};

using VerbHandler = void (*)(ScenarioWorld& world, VerbCall& call);
using VerbTable = std::map<std::string, VerbHandler>;

// The handler of that name in the table, or none.
inline VerbHandler FindVerb(const VerbTable& table, const std::string& name) {
  const auto it = table.find(name);
  return it == table.end() ? nullptr : it->second;
}

// CR, LF and TAB shown as \r, \n and \t, the scenario language's escapes;
// every other control byte as \xNN. A text shown twice reads the same.
std::string Visible(const std::string& text);
// Visible text between double quotes, for messages.
std::string Quote(const std::string& text);
// A decimal argument; std::invalid_argument(what) when it is missing or not a number.
int ParseInt(const std::optional<std::string>& word, const std::string& what);
// RRGGBB (red first) as a colour; nothing when it is not six hex digits.
std::optional<std::uint32_t> ParseRgb(const std::string& hex);

}  // namespace scenario
}  // namespace quorvel
