#pragma once
#include <string>

#include "model/Bot.h"

namespace quorvel {

// Every message the features post goes out here: into the room through the
// send box, and into the record of the bot's own messages.
void SendToRoom(Bot& bot, const std::string& rtf);

}  // namespace quorvel
