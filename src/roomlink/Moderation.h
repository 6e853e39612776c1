#pragma once
// The client's own moderation: select a nick in its list view and fire the
// room window's menu command.
#include <string>

#include "host/Shell.h"
#include "roomlink/RoomDiscovery.h"

namespace quorvel {

inline constexpr const char* kBounceHelper = "BC.exe";

// WM_COMMAND (id, 0) posted to the room window titled SelectedRoomTitle.
void PostRoomCommand(RoomLink& link, int commandId);
// Makes item `index` of the client's nick list its only selected item, and
// the focused one: the operator's own selection would otherwise stay beside it.
void SelectNickInClient(Desktop& desktop, WindowHandle listView, int index);
// Starts "BC.exe" from the bot's folder, minimized, without waiting; a
// program that does not start is ignored.
void StartBounceHelper(Shell& shell, const std::string& programDir);

}  // namespace quorvel
