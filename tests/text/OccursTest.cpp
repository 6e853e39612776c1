#include <gtest/gtest.h>

#include "text/CodePage.h"
#include "text/Occurs.h"

namespace quorvel {
namespace {

TEST(OccursTest, FollowsTheInStrRule) {
  struct Case {
    const char* Haystack;
    const char* Needle;
    bool Occurs;
    bool OccursNoCase;
  };
  const Case cases[] = {
      {"", "", false, false},                                           // nothing occurs inside an empty text
      {"", "a", false, false},         {"a", "", true, true},           // the empty text occurs in every non-empty text
      {" ", "", true, true},           {"classic", "ass", true, true},  // anywhere, also inside a word
      {"Hello", "hello", false, true}, {"hello", "Hello", false, true}, {"abc", "abcd", false, false},
      {"Ann: hi", ": ", true, true},   {"\xC0la", "\xE0", false, true},  // Windows-1252 capital A grave
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.Haystack + "\" / \"" + c.Needle + "\"");
    EXPECT_EQ(Occurs(c.Haystack, c.Needle), c.Occurs);
    EXPECT_EQ(OccursNoCase(c.Haystack, c.Needle), c.OccursNoCase);
  }
}

// A phrase-list entry with a blank at an end is looked for as if the message
// had a blank before and after it; one without keeps the InStr rule.
TEST(OccursTest, AWordEntryMatchesAtTheMessagesStartAndEnd) {
  const struct {
    const char* Message;
    const char* Entry;
    bool Occurs;
  } cases[] = {
      {"hell no", " hell ", true},
      {"what the hell", " hell ", true},
      {"hell", " hell ", true},
      {"go to hell now", " hell ", true},
      {"hello", " hell ", false},
      {"shell", " hell ", false},
      {"hell!", " hell ", false},
      {"shell", "hell ", true},
      {"hello", " hell", true},
      {"", " hell ", false},
      {"", " ", false},
      {"x", " ", true},
      {"classic", "ass", true},
      {"a b", "a b", true},
      {"", "", false},
      {"a", "", true},
  };
  for (const auto& c : cases) EXPECT_EQ(EntryOccurs(c.Message, c.Entry), c.Occurs) << c.Message << " / " << c.Entry;
  ScopedSystemCodePage japanese(932);
  EXPECT_FALSE(EntryOccurs("\x83\x61", "a "));  // the trail byte "a" ends no word
  EXPECT_TRUE(EntryOccurs("\x83\x61 a", " a "));
}

}  // namespace
}  // namespace quorvel
