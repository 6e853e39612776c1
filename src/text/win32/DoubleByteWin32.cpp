// The double-byte conversions by the system itself, as the client makes them.
#include <windows.h>

#include <string>

#include "text/DoubleByte.h"

namespace quorvel {

std::optional<char32_t> DoubleByteToUnicode(int codePage, std::string_view character) {
  if (character.empty() || character.size() > 2) return std::nullopt;
  wchar_t wide[2] = {};
  const int n = MultiByteToWideChar(static_cast<UINT>(codePage), MB_ERR_INVALID_CHARS, character.data(),
                                    static_cast<int>(character.size()), wide, 2);
  if (n == 1) return static_cast<char32_t>(wide[0]);
  if (n == 2 && wide[0] >= 0xD800 && wide[0] <= 0xDBFF && wide[1] >= 0xDC00 && wide[1] <= 0xDFFF)
    return 0x10000 + ((static_cast<char32_t>(wide[0]) - 0xD800) << 10) + (wide[1] - 0xDC00);
  return std::nullopt;
}

std::string UnicodeToDoubleByte(int codePage, char32_t codePoint) {
  if (codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return {};
  wchar_t wide[2];
  int units = 1;
  if (codePoint >= 0x10000) {
    wide[0] = static_cast<wchar_t>(0xD800 + ((codePoint - 0x10000) >> 10));
    wide[1] = static_cast<wchar_t>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
    units = 2;
  } else {
    wide[0] = static_cast<wchar_t>(codePoint);
  }
  char bytes[4] = {};
  BOOL usedDefault = FALSE;
  // No best fit: a character the code page lacks is "?" to the caller, not a look-alike.
  const int n = WideCharToMultiByte(static_cast<UINT>(codePage), WC_NO_BEST_FIT_CHARS, wide, units, bytes, sizeof bytes,
                                    nullptr, &usedDefault);
  if (n <= 0 || n > 2 || usedDefault) return {};
  return std::string(bytes, static_cast<size_t>(n));
}

}  // namespace quorvel
