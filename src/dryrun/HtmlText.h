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
// a lead byte and the byte after it are copied as one character only when
// that byte is a trail byte of the code page: a browser reads "\x82<" as a
// broken character followed by markup. A lead byte without its trail byte,
// and a character the code page does not define, is written as U+FFFD, as a
// browser shows it, so the page is always valid text of its code page.
std::string HtmlEscaped(std::string_view text);

}  // namespace quorvel
