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

bool IsWordEntry(std::string_view entry) { return !entry.empty() && (entry.front() == ' ' || entry.back() == ' '); }

std::string WithWordEnds(std::string_view message) {
  std::string padded;
  padded.reserve(message.size() + 2);
  padded.append(1, ' ').append(message).append(1, ' ');
  return padded;
}

bool EntryOccurs(std::string_view message, std::string_view entry) {
  if (!IsWordEntry(entry) || message.empty()) return Occurs(message, entry);
  // A blank is never a lead byte: the one in front moves no character
  // boundary of the message.
  return Occurs(WithWordEnds(message), entry);
}

}  // namespace quorvel
