#pragma once
#include "model/Bot.h"

namespace quorvel {

// The tick's announcement: counts ticks and, when the counter's text equals the interval's,
// sends the selected, the next or a random announcement, styled.
void Announce(Bot& bot);

}  // namespace quorvel
