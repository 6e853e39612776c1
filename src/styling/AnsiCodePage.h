#pragma once
#include <cstdint>

namespace quorvel {

// Windows-1252: a Unicode code point to its byte ('?' when it has none), and back.
char UnicodeToAnsi(std::uint32_t codePoint);
std::uint32_t AnsiToUnicode(unsigned char byte);

}  // namespace quorvel
