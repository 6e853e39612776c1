#pragma once
// Where the bot looks for each of the room's windows, in words: what the
// status bar's tool tips and the client report name when a window is missed.
#include <string>

#include "roomlink/ClientProfile.h"

namespace quorvel {

std::string RoomLookedFor(const ClientProfile& profile, const std::string& roomTitle);
// The ordinal-th rich edit of the room's pane: the transcript or the send box.
std::string PaneEditLookedFor(const std::string& roomTitle, int clientVersionCode, int ordinal);
std::string NickListLookedFor(const std::string& roomTitle);

}  // namespace quorvel
