#pragma once
// Texts joined end to end. A chain of `+` on strings puts a copy of the
// string's growth code at every `+`; messages built from many pieces use this
// instead, which keeps the program small.
#include <initializer_list>
#include <string>
#include <string_view>

namespace quorvel {

std::string Concat(std::initializer_list<std::string_view> parts);

}  // namespace quorvel
