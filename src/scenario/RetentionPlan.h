#pragma once
// Which events a scenario can still consume at each of its statements, so
// that the runner keeps only those and a long run stays flat in memory. What
// each `expect` does with events is read from the event checks' own table.
#include <array>
#include <vector>

#include "scenario/ScenarioText.h"
#include "sim/SimEvents.h"

namespace quorvel {

class RetentionPlan {
 public:
  explicit RetentionPlan(const std::vector<ScenarioStatement>& statements);
  // Sets the log's retention for the events the statement at `index` and
  // those after it can cause.
  void ApplyBefore(size_t index, SimEventLog& log) const;

 private:
  static constexpr long kNever = -1;
  // Per kind: the last statement that consumes events of the kind one by one,
  // and the last that only checks that none are left.
  std::array<long, kEventKinds> lastTaking_;
  std::array<long, kEventKinds> lastChecking_;
};

}  // namespace quorvel
