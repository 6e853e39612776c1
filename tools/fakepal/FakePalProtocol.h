#pragma once
// How tests drive fakepal.exe from another process: WM_COPYDATA to its main
// window with one of these codes, fields separated by kFieldSeparator, and
// posted messages for the rest. fakepal answers 1 when it did the thing.
namespace fakepal {

inline constexpr unsigned long kAppendLine = 1;  // room title, line
inline constexpr unsigned long kOpenNotice = 2;  // nothing
inline constexpr unsigned long kSetNicks = 3;    // room title, item, item...
inline constexpr unsigned long kOpenRoom = 4;    // room title
inline constexpr unsigned long kCloseRoom = 5;   // room title
inline constexpr unsigned long kSelectNick = 6;  // room title, item
// Replaces the room's items while the bot's thread next pumps its messages:
// fakepal sends the given window (a window of that thread) kPumpProbeMessage,
// which the thread handles only when it pumps, and applies the items when
// the window's answer, kApplyPendingNicks, comes back inside that send.
inline constexpr unsigned long kSetNicksAtPump = 7;     // room title, window (decimal), item, item...
inline constexpr unsigned long kApplyPendingNicks = 8;  // nothing
// Registered message name; wParam is fakepal's main window, to send the answer to.
inline constexpr const char* kPumpProbeMessage = "FakePal.PumpProbe";

// The long-run test's traffic (RoomTraffic.h); each journaled as fakepal does it.
inline constexpr unsigned long kAddNick = 20;     // room title, item: appended to the nick list ("ENTERED")
inline constexpr unsigned long kRemoveNick = 21;  // room title, item: its first item reading so goes ("LEFT")
inline constexpr unsigned long kNote = 22;        // fields: written to the journal after "NOTE"

inline constexpr char kFieldSeparator = '\x1f';

// Posted to the main window: the client stops answering for wParam ms.
inline constexpr unsigned kHangMessage = 0x8000 + 1;  // WM_APP + 1
// Posted to the main window: the client exits at once, mid-whatever.
inline constexpr unsigned kQuitMessage = 0x8000 + 2;

}  // namespace fakepal
