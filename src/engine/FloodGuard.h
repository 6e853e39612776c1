#pragma once
// The flood guard: a nick that sends too many messages too fast, sends the
// same text again and again, or shouts in capitals is warned, bounced or
// red-dotted like the swear monitor's offenders; too many joins too fast
// pause the greeter. Admins and the bot's own nick are never judged. Time is
// the clock of the tick that reads the messages.
#include "model/Bot.h"

namespace quorvel {

inline constexpr const char* kFloodBounceNotice = " was bounced for flooding the room";

// At the start of each tick: the tick's clock; the greeter's pause lifted
// once joins have stopped; the records of nicks long silent dropped.
void StartFloodTick(Bot& bot);
// A join notice, counted; past the limit the greeter pauses.
void NoteJoinForFlood(Bot& bot);
bool GreeterPausedByFlood(const BotSettings& settings);
// A chat message of Sender, counted and judged. An offence gets one
// reaction, none when the swear monitor already reacted to this message.
void WatchForFlood(Bot& bot, bool swearMonitorReacted);

}  // namespace quorvel
