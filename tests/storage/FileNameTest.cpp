#include <gtest/gtest.h>

#include "storage/FileName.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

TEST(FileNameTest, NamesThatStayInTheirFolder) {
  struct Case {
    int CodePage;
    std::string Name;
    bool Allowed;
  };
  const Case cases[] = {
      {1252, "Welcome design", true},
      {1252, "", true},
      {1252, "..\\up", false},
      {1252, "a/b", false},
      {1252, "c:x", false},
      {1252, "tab\there", false},
      {1252, "\x95\x5C", false},  // in a single-byte code page 0x5C is a backslash
      // Shift-JIS: "表" and "ソ" end in 0x5C, "ポ" in 0x7C; none is a separator.
      {932, "\x95\x5C\x8E\xA6", true},
      {932, "\x83\x5C", true},
      {932, "\x83\x7C", true},
      {932, "\x95\x5C\\", false},
      {932, "a\\\x95\x5C", false},
      {936, "\xD5\x5C", true},  // a GBK character whose second byte is 0x5C
  };
  for (const auto& c : cases) {
    ScopedSystemCodePage codePage(c.CodePage);
    EXPECT_EQ(IsAllowedFileName(c.Name), c.Allowed) << c.CodePage << " " << c.Name;
  }
}

}  // namespace
}  // namespace quorvel
