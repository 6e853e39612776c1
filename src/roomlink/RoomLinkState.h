#pragma once
#include <string>
#include <vector>

#include "roomlink/ClientProfile.h"
#include "roomlink/Desktop.h"
#include "roomlink/TranscriptCursor.h"
#include "roomlink/WindowHealth.h"

namespace quorvel {

inline constexpr const char* kMainCaption = "Quorvel 11";
inline constexpr const char* kNoPalCaption = "No Pal Found";

// The nick list view the last walk from the room window found, and that room
// window: kept between ticks while both still hold.
struct NickListCache {
  WindowHandle Room = kNoWindow;
  WindowHandle ListView = kNoWindow;
};

// What the bot knows of the client: its generation, the rooms it shows in the
// "Room:" list and the transcript it reads. Lives on the main window for the
// whole run.
struct RoomLinkState {
  int ClientVersionCode = 0;
  ClientProfile Profile;  // empty class and zero indices until a detection succeeds
  std::vector<std::string> RoomList;
  int RoomListIndex = -1;
  std::string SelectedRoomTitle;
  WindowHandle TranscriptHandle = kNoWindow;
  // The kept transcript went away and has not been found again: every tick
  // looks for it until it is (RecheckTranscript), or a discovery runs.
  bool TranscriptLost = false;
  // How far the transcript has been read.
  TranscriptCursor Cursor;
  NickListCache NickList;
  std::string Caption = kMainCaption;
  // What the ticks found, and what the view was last told of it.
  WindowHealth Health;
  WindowHealth HealthShown;
};

}  // namespace quorvel
