#include "text/Occurs.h"

#include "text/AnsiText.h"

namespace quorvel {

bool Occurs(std::string_view haystack, std::string_view needle) {
  return !haystack.empty() && haystack.find(needle) != std::string_view::npos;
}

bool OccursNoCase(std::string_view haystack, std::string_view needle) {
  return Occurs(AnsiLower(haystack), AnsiLower(needle));
}

}  // namespace quorvel
