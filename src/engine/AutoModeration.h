#pragma once
#include "model/Bot.h"

namespace quorvel {

// The tick's automatic bounce and red dot: a joining nick on the list is bounced (red-dotted); the
// action empties JoinedNick, so nothing later in the tick sees the join.
void AutoBounce(Bot& bot);
void AutoRedot(Bot& bot);

}  // namespace quorvel
