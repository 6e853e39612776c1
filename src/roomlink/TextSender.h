#pragma once
#include <string>

#include "roomlink/RoomDiscovery.h"

namespace quorvel {

// Puts an RTF message into the selected room's send box and presses Enter, as
// the operator would. A room that went away triggers one rediscovery first.
void TxtSendPal(RoomLink& link, const std::string& rtf);

}  // namespace quorvel
