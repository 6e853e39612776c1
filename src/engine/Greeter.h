#pragma once
#include "model/Bot.h"

namespace quorvel {

// The tick's greeting: greets JoinedNick with the current design (or a random
// one), openly or by whisper, and empties JoinedNick.
void GreetNewcomer(Bot& bot);

// RTF with the placeholder replaced by a value made safe for RTF, so a nick
// can never bring formatting of its own into what the bot posts.
std::string ReplacePlaceholder(const std::string& rtf, const std::string& placeholder, const std::string& value);

}  // namespace quorvel
