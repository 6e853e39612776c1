#include "sim/RetentionPlan.h"

#include <map>
#include <string>

namespace quorvel {
namespace {

struct Check {
  EventKind Kind;
  bool Taking;  // consumes the oldest event to compare it, rather than checking that none is left
};

// The `expect` words that consume events. `sent-room`, `rtf`, `no-rtf`,
// `char` and `msgbox-title` look at an event already consumed.
const std::map<std::string, Check>& Checks() {
  static const std::map<std::string, Check> kChecks = {
      {"sent", {EventKind::Sent, true}},
      {"no-sent", {EventKind::Sent, false}},
      {"posted", {EventKind::Posted, true}},
      {"no-posted", {EventKind::Posted, false}},
      {"joined", {EventKind::Joined, true}},
      {"started", {EventKind::Started, true}},
      {"closed", {EventKind::Closed, true}},
      {"msgbox", {EventKind::MsgBox, true}},
      {"msgbox-starts", {EventKind::MsgBox, true}},
      {"msgbox-contains", {EventKind::MsgBox, true}},
      {"opened", {EventKind::Opened, true}},
      {"filedialog", {EventKind::FileDialog, true}},
      {"window", {EventKind::Window, true}},
  };
  return kChecks;
}

}  // namespace

RetentionPlan::RetentionPlan(const std::vector<ScenarioStatement>& statements) {
  lastTaking_.fill(kNever);
  lastChecking_.fill(kNever);
  for (size_t i = 0; i < statements.size(); ++i) {
    StatementCursor c(statements[i].Text);
    if (c.Word() != "expect") continue;
    const std::string what = c.Word().value_or("");
    if (what == "none") {
      lastChecking_.fill(static_cast<long>(i));
      continue;
    }
    const auto it = Checks().find(what);
    if (it == Checks().end()) continue;
    auto& last = it->second.Taking ? lastTaking_ : lastChecking_;
    last[static_cast<size_t>(it->second.Kind)] = static_cast<long>(i);
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
