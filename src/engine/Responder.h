#pragma once
#include "model/Bot.h"

namespace quorvel {

// The tick's responder: the first trigger found in Text is answered with its
// reply, styled.
void Respond(Bot& bot);
// The guards, the "sn%" of the reply, the styled send and LastReply.
void SendReply(Bot& bot, const std::string& reply);

}  // namespace quorvel
