#include "sim/SimEvents.h"

namespace quorvel {

void SimEventLog::Add(SimEvent event) {
  event.Tick = CurrentTick;
  events_.push_back(std::move(event));
  if (OnEvent) OnEvent(events_.back());
}

SimEvent* SimEventLog::Consume(EventKind kind) {
  for (auto& e : events_) {
    if (e.Kind == kind && !e.Consumed) {
      e.Consumed = true;
      return &e;
    }
  }
  return nullptr;
}

bool SimEventLog::AnyLeft(EventKind kind) const {
  for (const auto& e : events_)
    if (e.Kind == kind && !e.Consumed) return true;
  return false;
}

bool SimEventLog::AnyLeft() const {
  for (const auto& e : events_)
    if (!e.Consumed) return true;
  return false;
}

}  // namespace quorvel
