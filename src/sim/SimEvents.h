#pragma once
// Everything the bot does to the outside world of the simulator, in order.
// Scenario checks consume these oldest first, per kind.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

enum class EventKind { Sent, Posted, Closed, Started, MsgBox, Opened, FileDialog, Joined, Window };

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

class SimEventLog {
 public:
  // Called for every event as it happens (the runner prints it).
  std::function<void(const SimEvent&)> OnEvent;
  int CurrentTick = 0;

  void Add(SimEvent event);
  // The oldest unconsumed event of the kind, now consumed.
  SimEvent* Consume(EventKind kind);
  bool AnyLeft(EventKind kind) const;
  bool AnyLeft() const;

 private:
  std::vector<SimEvent> events_;
};

}  // namespace quorvel
