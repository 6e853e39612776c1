#include "styling/AnsiCodePage.h"

namespace quorvel {
namespace {

// Bytes 0x80 to 0x9F; 0 where Windows-1252 leaves the byte undefined.
constexpr std::uint16_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                             0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

char UnicodeToAnsi(std::uint32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<char>(codePoint);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == codePoint && codePoint != 0) return static_cast<char>(0x80 + i);
  return '?';
}

std::uint32_t AnsiToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    const std::uint16_t mapped = kHighControls[byte - 0x80];
    return mapped ? mapped : byte;
  }
  return byte;
}

}  // namespace quorvel
