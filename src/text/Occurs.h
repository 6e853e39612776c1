#pragma once
// "Occurs in" has one meaning everywhere in the bot, the one of the classic
// InStr: the empty text occurs at the start of every non-empty text, and
// nothing occurs inside an empty text. std::string::find would also find ""
// inside "", which makes an empty phrase or trigger answer an empty line.
#include <string_view>

namespace quorvel {

// In a double-byte code page a match starts on a character, never on the
// trail byte of a two-byte one.
bool Occurs(std::string_view haystack, std::string_view needle);
// The same with both texts lower-cased (the system code page's letters).
bool OccursNoCase(std::string_view haystack, std::string_view needle);

}  // namespace quorvel
