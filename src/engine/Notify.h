#pragma once
#include <string>

#include "model/Bot.h"

namespace quorvel {

// The one way the bot posts a fixed notice: the text replaces NoticeBuffer's
// content, which colours itself dark red, and its rich text goes to the room.
void Notify(Bot& bot, const std::string& text);

}  // namespace quorvel
