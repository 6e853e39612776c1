#pragma once
// The checks on what the bot did to the outside: each consumes the oldest
// unconsumed event of its kind, or looks at the one consumed last. What each
// does with events is stated beside it, and the runner keeps events only
// while a check still to come can use them (RetentionPlan).
#include <map>
#include <string>
#include <vector>

#include "scenario/ScenarioVerb.h"
#include "sim/SimEvents.h"

namespace quorvel::scenario {

enum class EventUse {
  Takes,           // consumes the oldest event of the kind to compare it: every one counts
  ChecksNoneLeft,  // consumes one only to show that none was left: the first leftover is enough
  LooksBack,       // looks at the one an earlier check consumed: needs none kept
};

using EventCheckHandler = void (*)(ScenarioWorld& world, VerbCall& call, EventKind kind);

struct EventCheck {
  EventCheckHandler Run;  // called once for each of Kinds, in order
  EventUse Use;
  std::vector<EventKind> Kinds;
};

using EventCheckTable = std::map<std::string, EventCheck>;

// Keyed by the word after "expect".
const EventCheckTable& EventChecks();
// The check of that name, or none.
const EventCheck* FindEventCheck(const std::string& name);
void RunEventCheck(const EventCheck& check, ScenarioWorld& world, VerbCall& call);

}  // namespace quorvel::scenario
