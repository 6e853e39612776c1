#pragma once
// Text of the system code page written into a web page: the page declares the
// code page and carries the bytes as they are, so that a nick or a phrase
// reads in the browser as it reads in the room.
#include <string>
#include <string_view>

namespace quorvel {

// The name a web page's meta charset gives the code page; windows-1252 for
// one this program does not know.
std::string HtmlCharset(int codePage);

// & < > " and ' as character references, control characters as their
// pictures (U+2400 on), everything else as it is. In a double-byte code page
// a two-byte character is copied whole.
std::string HtmlEscaped(std::string_view text);

}  // namespace quorvel
