#include "sim/SimEvents.h"

namespace quorvel {

void SimEventLog::Add(SimEvent event) {
  event.Tick = CurrentTick;
  if (OnEvent) OnEvent(event);
  PerKind& k = kinds_[static_cast<size_t>(event.Kind)];
  const bool keep =
      k.Retention == EventRetention::KeepAll || (k.Retention == EventRetention::KeepFirst && k.Pending.empty());
  if (keep)
    k.Pending.push_back(std::move(event));
  else
    k.AnyDropped = true;
}

SimEvent* SimEventLog::Consume(EventKind kind) {
  PerKind& k = kinds_[static_cast<size_t>(kind)];
  if (k.Pending.empty()) return nullptr;
  consumed_ = std::move(k.Pending.front());
  k.Pending.pop_front();
  consumed_->Consumed = true;
  return &*consumed_;
}

bool SimEventLog::AnyLeft(EventKind kind) const {
  const PerKind& k = kinds_[static_cast<size_t>(kind)];
  return !k.Pending.empty() || k.AnyDropped;
}

bool SimEventLog::AnyLeft() const {
  for (EventKind kind : kAllEventKinds)
    if (AnyLeft(kind)) return true;
  return false;
}

void SimEventLog::SetRetention(EventKind kind, EventRetention retention) {
  PerKind& k = kinds_[static_cast<size_t>(kind)];
  k.Retention = retention;
  if (retention == EventRetention::Drop && !k.Pending.empty()) {
    k.Pending.clear();
    k.AnyDropped = true;
  } else if (retention == EventRetention::KeepFirst && k.Pending.size() > 1) {
    k.Pending.resize(1);
    k.AnyDropped = true;
  }
}

void SimEventLog::SetRetention(EventRetention retention) {
  for (EventKind kind : kAllEventKinds) SetRetention(kind, retention);
}

size_t SimEventLog::Stored() const {
  size_t n = 0;
  for (const auto& k : kinds_) n += k.Pending.size();
  return n;
}

}  // namespace quorvel
