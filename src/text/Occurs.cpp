#include "text/Occurs.h"

#include "text/AnsiText.h"
#include "text/CodePage.h"

namespace quorvel {

bool Occurs(std::string_view haystack, std::string_view needle) {
  if (haystack.empty()) return false;
  const int codePage = SystemCodePage();
  if (!IsDoubleByteCodePage(codePage)) return haystack.find(needle) != std::string_view::npos;
  // A match starts on a character, never on the trail byte of a two-byte one.
  for (size_t i = 0; i + needle.size() <= haystack.size(); ++i) {
    if (haystack.compare(i, needle.size(), needle) == 0) return true;
    if (IsLeadByte(codePage, static_cast<unsigned char>(haystack[i]))) ++i;
  }
  return false;
}

bool OccursNoCase(std::string_view haystack, std::string_view needle) {
  return Occurs(AnsiLower(haystack), AnsiLower(needle));
}

}  // namespace quorvel
