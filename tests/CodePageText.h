#pragma once
// Test texts written as Unicode literals and turned into a code page's bytes,
// so that an expectation reads as the letters it means.
#include <string>
#include <string_view>

#include "text/CodePage.h"

namespace quorvel::testing {

// "?" stands in for a character the code page cannot hold, as the reader's does.
inline std::string InCodePage(int codePage, std::u32string_view text) {
  std::string out;
  for (char32_t c : text) {
    const std::string bytes = UnicodeToCodePage(codePage, c);
    out += bytes.empty() ? std::string("?") : bytes;
  }
  return out;
}

}  // namespace quorvel::testing
