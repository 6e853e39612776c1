#pragma once
// What the last poll tick found of the selected room's windows, kept as a
// by-product of the finds the tick makes anyway, so the panel can show it
// without asking the client again.
#include <cstddef>
#include <string>

#include "roomlink/ClientProfile.h"

namespace quorvel {

enum class WindowPresence { NotLooked, Found, Missing };

struct WindowHealth {
  // The room window, by the title, class and generation it was looked for with.
  WindowPresence Room = WindowPresence::NotLooked;
  std::string RoomTitle;
  ClientProfile Profile;
  int ClientVersionCode = 0;
  WindowPresence Transcript = WindowPresence::NotLooked;
  // Looked for by each send only: as the last send found it.
  WindowPresence SendBox = WindowPresence::NotLooked;
  WindowPresence NickList = WindowPresence::NotLooked;
  std::string UserCount = "0";
  // 32 or 64 once learnt, 0 before; and whether the last look into the
  // client's memory had to give up because its bitness was not known.
  int ClientBits = 0;
  bool MemoryUnreadable = false;
  // Messages that came faster than the ticks read them, since the last attach.
  std::size_t SkippedMessages = 0;

  bool operator==(const WindowHealth&) const = default;
};

inline WindowPresence PresenceOf(bool found) { return found ? WindowPresence::Found : WindowPresence::Missing; }

}  // namespace quorvel
