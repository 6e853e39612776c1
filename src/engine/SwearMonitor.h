#pragma once
#include "model/Bot.h"

namespace quorvel {

inline constexpr const char* kSwearBounceNotice = " was bounce swearing in the room";

// The swear check of one message: the first monitored phrase of the list
// that Text holds gives the one reaction; messages from BotNick are never
// judged. Whether it reacted.
bool ScanForSwearing(Bot& bot);
// The reaction to one hit by Sender, by mode and warn-first choice.
void PunishOrWarn(Bot& bot);

}  // namespace quorvel
