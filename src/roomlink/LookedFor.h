#pragma once
// Where the bot looks for each of the room's windows, in words: what the
// status bar's tool tips and the client report name when a window is missed.
#include <string>
#include <string_view>

#include "roomlink/ClientProfile.h"

namespace quorvel {

std::string RoomLookedFor(const ClientProfile& profile, const std::string& roomTitle);
// The ordinal-th rich edit of the room's pane: the transcript or the send box.
std::string PaneEditLookedFor(const std::string& roomTitle, int clientVersionCode, int ordinal);
std::string NickListLookedFor(const std::string& roomTitle);

// A name the client gave (a window's title or class, a version string) in
// double quotes, written so that it stays on its line and reads back as it
// was: a control byte as \xNN, a quote or a backslash after a backslash. The
// two bytes of a double-byte character are kept as they are.
std::string QuotedName(std::string_view name);

}  // namespace quorvel
