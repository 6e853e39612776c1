#pragma once
// Everything the bot does to the outside world of the simulator, in order.
// Scenario checks consume these oldest first, per kind.
#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace quorvel {

enum class EventKind { Sent, Posted, Closed, Started, MsgBox, Opened, FileDialog, Joined, Window };
inline constexpr size_t kEventKinds = 9;
inline constexpr std::array<EventKind, kEventKinds> kAllEventKinds = {
    EventKind::Sent,   EventKind::Posted,     EventKind::Closed, EventKind::Started, EventKind::MsgBox,
    EventKind::Opened, EventKind::FileDialog, EventKind::Joined, EventKind::Window};

struct SimEvent {
  EventKind Kind = EventKind::Sent;
  int Tick = 0;
  std::string Text;    // sent: plain text; msgbox: its text; started/opened: the name; window/closed: the title
  std::string Rtf;     // sent: the RTF put into the send box
  std::string Title;   // sent: the room title; msgbox: its title
  int CommandId = 0;   // posted
  std::string Nick;    // posted: the item selected when it was posted, "-" for none
  bool Save = false;   // file dialog
  std::string Filter;  // file dialog
  std::string Code;    // joined: the code typed; Text holds the room name
  bool Consumed = false;
};

// How long events of one kind are kept once they have been reported. A long
// run must not grow, so events nobody can consume any more are not stored.
enum class EventRetention {
  KeepAll,    // a later check may consume them one by one
  KeepFirst,  // only a check that none are left may look: the first one shows what was left
  Drop,       // nothing can look at them any more
};

class SimEventLog {
 public:
  // Called for every event as it happens (the runner prints it).
  std::function<void(const SimEvent&)> OnEvent;
  int CurrentTick = 0;

  void Add(SimEvent event);
  // The oldest unconsumed event of the kind, now consumed and no longer kept.
  // The pointer stays valid until the next call.
  SimEvent* Consume(EventKind kind);
  bool AnyLeft(EventKind kind) const;
  bool AnyLeft() const;

  void SetRetention(EventKind kind, EventRetention retention);
  void SetRetention(EventRetention retention);
  // Events held for later checks (for tests of the retention).
  size_t Stored() const;

 private:
  struct PerKind {
    std::deque<SimEvent> Pending;
    EventRetention Retention = EventRetention::KeepAll;
    bool AnyDropped = false;  // unconsumed events that were not stored
  };
  std::array<PerKind, kEventKinds> kinds_;
  std::optional<SimEvent> consumed_;
};

}  // namespace quorvel
