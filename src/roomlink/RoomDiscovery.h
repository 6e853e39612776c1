#pragma once
// Finding the client's generation, its open rooms and the picked room's
// transcript and send box.
#include <optional>
#include <string>

#include "roomlink/Desktop.h"
#include "roomlink/RoomLinkState.h"
#include "storage/RegistryStore.h"

namespace quorvel {

// What a room-link operation works with: the client's windows, the registry
// that tells its version, and the main window's record of both.
struct RoomLink {
  Desktop& desktop;
  RegistryStore& registry;
  RoomLinkState& state;
};

inline constexpr const char* kUninstallKeyPal82 =
    "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\PalTalk8.2\\";
inline constexpr const char* kUninstallKeyMessenger =
    "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Paltalk Messenger\\";

// The DisplayVersion of the client's uninstall entry; nothing when neither entry exists.
std::optional<std::string> ClientVersionText(RegistryStore& registry);
int DetectClientVersion(RegistryStore& registry);
// Detects the version, applies its profile (or shows "No Pal Found") and
// refills the room list.
void PalRoomGrab(RoomLink& link);
void FillRoomList(RoomLink& link);
WindowHandle ResolveTranscript(RoomLink& link);
WindowHandle ResolveSendBox(RoomLink& link);
WindowHandle FindSendBox(Desktop& desktop, const RoomLinkState& state);
void EnsureRoomPresent(RoomLink& link, const std::string& title);
// The two steps run on load, on Start and when the room list drops down,
// and what attaching notes besides (NoteAttachFinds).
void AttachToRoom(RoomLink& link);
// Refills the "Room:" list with the rooms open now and keeps the selected
// room: picked while it is listed, kept unpicked while it is gone, so the bot
// goes on looking for it by its title and takes it again when it opens again.
void RefreshRoomList(Desktop& desktop, RoomLinkState& state);
// Before a tick reads through the kept transcript handle: when that window is
// no longer a rich-edit control (its room was closed, and perhaps opened
// again), the selected room's transcript is looked up afresh, and again on
// every tick until it is found. No handle kept since a discovery stays none.
void RecheckTranscript(RoomLink& link);
// The operator picks entry `index` of the "Room:" list.
void PickRoom(RoomLinkState& state, int index);

}  // namespace quorvel
