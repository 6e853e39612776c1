#pragma once
#include <string>

#include "model/Bot.h"

namespace quorvel {

// The operator closed one of the bot's own windows with its close box.
void BotWindowClosedByOperator(Bot& bot, const std::string& caption);

}  // namespace quorvel
