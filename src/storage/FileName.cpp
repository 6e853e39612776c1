#include "storage/FileName.h"

#include "text/CodePage.h"

namespace quorvel {

bool IsAllowedFileName(std::string_view name) {
  constexpr std::string_view kReserved = "\\/:*?\"<>|";
  const int codePage = SystemCodePage();
  for (size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    // The second byte of a double-byte character may be 0x5C or 0x7C and is
    // no backslash or bar: the two bytes are one letter of the name.
    if (IsLeadByte(codePage, c) && i + 1 < name.size()) {
      ++i;
      continue;
    }
    if (c < 0x20 || kReserved.find(static_cast<char>(c)) != std::string_view::npos) return false;
  }
  return true;
}

}  // namespace quorvel
