#include <gtest/gtest.h>

#include "text/CodePage.h"
#include "text/Occurs.h"

namespace quorvel {
namespace {

// A phrase-list entry with a blank at an end is looked for as if the message
// had a blank before and after it; one without keeps the InStr rule.
TEST(OccursTest, FollowsTheInStrRule) {
  struct Case {
    const char* Haystack;
    const char* Needle;
    bool Occurs;
    bool OccursNoCase;
    bool EntryOccurs;
  };
  const Case cases[] = {
      {"", "", false, false, false},  // nothing occurs inside an empty text
      {"", "a", false, false, false},
      {"a", "", true, true, true},  // the empty text occurs in every non-empty text
      {" ", "", true, true, true},
      {"classic", "ass", true, true, true},  // anywhere, also inside a word
      {"Hello", "hello", false, true, false},
      {"hello", "Hello", false, true, false},
      {"abc", "abcd", false, false, false},
      {"Ann: hi", ": ", true, true, true},
      {"\xC0la", "\xE0", false, true, false},     // Windows-1252 capital A grave
      {"hell no", " hell ", false, false, true},  // a word entry at the start, at the end, alone
      {"what the hell", " hell ", false, false, true},
      {"hell", " hell ", false, false, true},
      {"hello", " hell ", false, false, false},
      {"shell", "hell ", false, false, true},
      {"", " ", false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.Haystack + "\" / \"" + c.Needle + "\"");
    EXPECT_EQ(Occurs(c.Haystack, c.Needle), c.Occurs);
    EXPECT_EQ(OccursNoCase(c.Haystack, c.Needle), c.OccursNoCase);
    EXPECT_EQ(EntryOccurs(c.Haystack, c.Needle), c.EntryOccurs);
  }
  ScopedSystemCodePage japanese(932);
  EXPECT_FALSE(EntryOccurs("\x83\x61", "a "));  // the trail byte "a" ends no word
}

}  // namespace
}  // namespace quorvel
