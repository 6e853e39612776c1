#pragma once
// Cutting the in-room commands' arguments out of a message text.
#include <string>

#include "model/ArgumentSlots.h"

namespace quorvel {

// Everything after the prefix's last occurrence in text, into slot (leading
// blanks removed when asked); the slot is left alone when the prefix is absent.
void ExtractArgument(const std::string& text, const std::string& prefix, bool trimLeading, std::string& slot);

// The nine prefixes cut out as soon as the tick has a message's text.
void ExtractNormalPathArguments(const std::string& text, ArgumentSlots& slots);
// "rm! ", run after the join and sender steps.
void ExtractResponderArgument(const std::string& text, ArgumentSlots& slots);

// Divides ResponderArg at " dv!"/"dv! " into trigger and ReplyArg.
void SplitResponderArg(ArgumentSlots& slots);

}  // namespace quorvel
