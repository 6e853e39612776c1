#pragma once
// The state of the one client a fakepal process is: its rooms, its dialogs and
// what the command line set. Functions take the App they work on; only the
// window procedures, which Windows calls without it, reach it through TheApp().
#include <windows.h>

#include <deque>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Journal.h"
#include "roomlink/ClientLayout.h"

namespace fakepal {

struct Room {
  HWND Window = nullptr;  // null once the room is closed
  HWND Transcript = nullptr;
  HWND SendBox = nullptr;
  HWND NickList = nullptr;
  std::set<std::string> RedDots;  // nick-list items whose red dot is on
  int KeepLines = 0;              // > 0: the transcript drops its oldest line beyond this many
  std::deque<LONG> LineLengths;   // each kept line's characters, its mark included
};

// Items waiting for the bot's next message pump (kSetNicksAtPump).
struct PendingNicks {
  std::string RoomTitle;
  HWND BotWindow = nullptr;
  std::vector<std::string> Items;
};

struct App {
  HINSTANCE Instance = nullptr;
  HWND Main = nullptr;
  quorvel::RoomLayout Layout = quorvel::RoomLayout::Profile10;
  bool MultiSelect = false;  // nick lists of rooms opened from now on allow several selections
  int WrapWidth = 0;         // > 0: transcripts of rooms opened from now on wrap at this width (pixels)
  int KeepLines = 0;         // > 0: transcripts of rooms opened from now on keep only their newest lines
  // Rooms opened from now on lack these windows, and have these classes renamed (old, new).
  std::vector<quorvel::WindowRole> LeftOut;
  std::vector<std::pair<std::string, std::string>> Renames;
  std::unique_ptr<PendingNicks> Pending;
  Journal Log;
  std::vector<std::unique_ptr<Room>> Rooms;  // in opening order, closed ones too
  std::vector<std::string> AdminRooms;       // the admin dialog's choices
  HWND AdminDialog = nullptr;
  WNDPROC SendBoxProc = nullptr;  // the rich edit's own procedure, below our subclass
  WNDPROC DialogProc = nullptr;   // the dialog class's own procedure, below our subclass
};

// The process's one client, for window procedures only.
App& TheApp();

}  // namespace fakepal
