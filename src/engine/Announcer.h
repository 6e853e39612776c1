#pragma once
#include "model/Bot.h"

namespace quorvel {

// Step 20: counts ticks and, when the counter's text equals the interval's,
// sends the selected, the next or a random announcement, styled.
void Announce(Bot& bot);

}  // namespace quorvel
