#include "scenario/RetentionPlan.h"

#include "scenario/EventChecks.h"

namespace quorvel {

RetentionPlan::RetentionPlan(const std::vector<ScenarioStatement>& statements) {
  lastTaking_.fill(kNever);
  lastChecking_.fill(kNever);
  for (size_t i = 0; i < statements.size(); ++i) {
    StatementCursor c(statements[i].Text);
    if (c.Word() != "expect") continue;
    const scenario::EventCheck* check = scenario::FindEventCheck(c.Word().value_or(""));
    if (!check || check->Use == scenario::EventUse::LooksBack) continue;
    auto& last = check->Use == scenario::EventUse::Takes ? lastTaking_ : lastChecking_;
    for (EventKind kind : check->Kinds) last[static_cast<size_t>(kind)] = static_cast<long>(i);
  }
}

void RetentionPlan::ApplyBefore(size_t index, SimEventLog& log) const {
  const long at = static_cast<long>(index);
  for (EventKind kind : kAllEventKinds) {
    const size_t k = static_cast<size_t>(kind);
    if (lastTaking_[k] >= at)
      log.SetRetention(kind, EventRetention::KeepAll);
    else if (lastChecking_[k] >= at)
      log.SetRetention(kind, EventRetention::KeepFirst);
    else
      log.SetRetention(kind, EventRetention::Drop);
  }
}

}  // namespace quorvel
