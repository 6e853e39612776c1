#pragma once
// The nick grabber window, opened by "AFN": the room's nicks as the client
// shows them, from which admins are added.
#include <string>
#include <vector>

#include "model/Bot.h"

namespace quorvel {

inline constexpr const char* kGrabberCaption = "Nick Grabber";

void OpenNickGrabber(Bot& bot);
void GrabberRefresh(Bot& bot);
void GrabberAdd(Bot& bot, size_t entry);  // double click: the text as shown
void GrabberAddAll(Bot& bot);             // "Add All @"

namespace grabber {
// The grabber's search: every entry holding the text (ignoring case) loses
// its "@" in the list and, cleaned, joins AdminList unless already there.
// True when anything was found. A nick no list file could give back as it is
// is not added; `refused` counts those.
bool AddMarkedNicksAsAdmins(const std::string& mark, std::vector<std::string>& nicks, int from, PanelList& adminList,
                            size_t* refused = nullptr);
}  // namespace grabber

}  // namespace quorvel
