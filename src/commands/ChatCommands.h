#pragma once
#include "model/Bot.h"

namespace quorvel {

// Step 21: the in-room commands of the nicks on AdminList, in their fixed
// order, each confirmed by its notice.
void RunChatCommands(Bot& bot);

}  // namespace quorvel
