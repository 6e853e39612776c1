#pragma once
// The Windows single-byte code pages this program knows, as tables generated
// once by scripts/gen-codepage-tables. Only the upper half is stored: bytes
// below 0x80 are ASCII in every one of them.
#include <array>

namespace quorvel {

struct SingleByteCodePage {
  int Number;
  std::array<char16_t, 128> ToUnicode;  // bytes 0x80 to 0xFF
  std::array<unsigned char, 128> Lower;
  std::array<unsigned char, 128> Upper;
};

// 874 and 1250 to 1258; nothing for any other number.
const SingleByteCodePage* FindSingleByteCodePage(int number);

}  // namespace quorvel
