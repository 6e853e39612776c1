#pragma once
// What the bot found of the selected room's windows, kept as a by-product of
// the finds it makes anyway (each tick, each send, each attach), so the panel
// can show it without asking the client again. The status bar and the client
// report both read it, so they never disagree.
#include <cstddef>
#include <string>

#include "roomlink/ClientProfile.h"
#include "roomlink/Desktop.h"

namespace quorvel {

enum class WindowPresence { NotLooked, Found, Missing };

struct WindowHealth {
  // The room window, by the title, class and generation it was looked for with.
  WindowPresence Room = WindowPresence::NotLooked;
  std::string RoomTitle;
  ClientProfile Profile;
  int ClientVersionCode = 0;
  WindowPresence Transcript = WindowPresence::NotLooked;
  // Looked for when the room is attached or found again, and by each send:
  // as the last of those found it. Missing while the room is.
  WindowPresence SendBox = WindowPresence::NotLooked;
  WindowHandle SendBoxWindow = kNoWindow;
  WindowPresence NickList = WindowPresence::NotLooked;
  std::string UserCount = "0";
  // 32 or 64 once learnt, 0 before; and whether the last look into the
  // client's process could not learn its bitness, so nothing is read from it.
  int ClientBits = 0;
  bool MemoryUnreadable = false;
  // Messages that came faster than the ticks read them, since the last attach.
  std::size_t SkippedMessages = 0;

  bool operator==(const WindowHealth&) const = default;
};

inline WindowPresence PresenceOf(bool found) { return found ? WindowPresence::Found : WindowPresence::Missing; }

inline void NoteSendBox(WindowHealth& health, WindowHandle sendBox) {
  health.SendBox = PresenceOf(sendBox != kNoWindow);
  health.SendBoxWindow = sendBox;
}

}  // namespace quorvel
