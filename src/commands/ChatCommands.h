#pragma once
#include "model/Bot.h"

namespace quorvel {

// The last feature of a tick: the in-room commands of the nicks on AdminList, in their fixed
// order, each confirmed by its notice.
void RunChatCommands(Bot& bot);

}  // namespace quorvel
