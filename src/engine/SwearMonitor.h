#pragma once
#include "model/Bot.h"

namespace quorvel {

inline constexpr const char* kSwearBounceNotice = " was bounce swearing in the room";

// The tick's swear check: every monitored phrase found in Text gives one
// reaction, in list order; lines from BotNick are never judged.
void ScanForSwearing(Bot& bot);
// The reaction to one hit by Sender, by mode and warn-first choice.
void PunishOrWarn(Bot& bot);

}  // namespace quorvel
