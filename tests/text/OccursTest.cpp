#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quorvel
