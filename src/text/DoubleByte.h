#pragma once
// Conversion of the East Asian double-byte code pages (932, 936, 949, 950)
// between their bytes and Unicode. The platform does it: MultiByteToWideChar
// on Windows, which is exactly what the client and the system use, and iconv
// (glibc's gconv modules CP932, CP936, CP949, CP950) elsewhere. Tables of our
// own would be some 90,000 mappings, too big to keep in the source and a
// second truth next to the system's.
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// One character (one byte, or a lead and a trail byte); nothing when the code
// page does not define it.
std::optional<char32_t> DoubleByteToUnicode(int codePage, std::string_view character);
// One or two bytes; empty when the code page cannot hold the character.
std::string UnicodeToDoubleByte(int codePage, char32_t codePoint);

}  // namespace quorvel
