#pragma once
#include "model/Bot.h"

namespace quorvel {

// Steps 13 and 14: a joining nick on the list is bounced (red-dotted); the
// action empties JoinedNick, so nothing later in the tick sees the join.
void AutoBounce(Bot& bot);
void AutoRedot(Bot& bot);

}  // namespace quorvel
