#include <gtest/gtest.h>

#include "CodePageText.h"
#include "text/AnsiText.h"
#include "text/CodePage.h"
#include "text/Occurs.h"

namespace quorvel {
namespace {

using testing::InCodePage;

struct CaseForms {
  int CodePage;
  std::u32string Upper;
  std::u32string Lower;
};

// Capitals and small letters of each alphabet, as the system's own folding
// pairs them; signs and letters without a partner stay as they are.
const CaseForms kForms[] = {
    {1252, U"HELLO ÀÉÎÕÜÝ ŠŒŽŸ ×ß", U"hello àéîõüý šœžÿ ×ß"},
    {1250, U"ZAŻÓŁĆ ŽLUŤOUČKÝ KŮŇ ŚŹ", U"zażółć žluťoučký kůň śź"},
    {1251, U"ПРИВЕТ ЧЁЖ ЂЉЊЋЏ ЎІЇЄҐ", U"привет чёж ђљњћџ ўіїєґ"},
    {1253, U"ΚΑΛΗΜΈΡΑ ΆΈΉΊΌΎΏ ΣΩ", U"καλημέρα άέήίόύώ σω"},
    {1254, U"ĞÜŞÖÇ İI", U"ğüşöç ii"},
    {1257, U"ĄČĘĖĮŠŲŪŽ ĀĒĢĪĶĻŅŌ", U"ąčęėįšųūž āēģīķļņō"},
    {1258, U"ĂÂĐÊÔƠƯ", U"ăâđêôơư"},
    {1255, U"ABC שלום", U"abc שלום"},
    {1256, U"ABC مرحبا", U"abc مرحبا"},
};

TEST(AnsiTextCaseTest, LowerAndUpperFollowTheSystemCodePage) {
  for (const CaseForms& f : kForms) {
    SCOPED_TRACE(f.CodePage);
    ScopedSystemCodePage page(f.CodePage);
    const std::string upper = InCodePage(f.CodePage, f.Upper);
    const std::string lower = InCodePage(f.CodePage, f.Lower);
    ASSERT_EQ(upper.find('?'), std::string::npos) << "test text outside the code page";
    EXPECT_EQ(AnsiLower(upper), lower);
    EXPECT_TRUE(EqualsNoCase(upper, lower));
    EXPECT_TRUE(OccursNoCase("xx " + upper + " xx", lower));
  }
}

TEST(AnsiTextCaseTest, UpperCasingInverts) {
  ScopedSystemCodePage cyrillic(1251);
  EXPECT_EQ(AnsiUpper(InCodePage(1251, U"привет, мир ё")), InCodePage(1251, U"ПРИВЕТ, МИР Ё"));
  ScopedSystemCodePage western(1252);
  EXPECT_EQ(AnsiUpper("stra\xDF"
                      "e \xE9t\xE9 \xFF"),
            "STRA\xDF"
            "E \xC9T\xC9 \x9F");  // ß has no one-letter capital
}

// The same byte is a different letter in another code page: folding must not
// follow Windows-1252 there.
TEST(AnsiTextCaseTest, BytesFoldAsTheirOwnCodePageSays) {
  const std::string cheh = "\xD7";        // Ч in Windows-1251, × in Windows-1252
  const std::string alphaTonos = "\xDC";  // ά in Windows-1253, Ü in Windows-1252
  {
    ScopedSystemCodePage western(1252);
    EXPECT_EQ(AnsiLower(cheh), cheh);
    EXPECT_EQ(AnsiLower(alphaTonos), "\xFC");
  }
  {
    ScopedSystemCodePage cyrillic(1251);
    EXPECT_EQ(AnsiLower(cheh), "\xF7");
    EXPECT_EQ(AnsiLowerChar('\xA8'), '\xB8');  // Ё
  }
  {
    ScopedSystemCodePage greek(1253);
    EXPECT_EQ(AnsiLower(alphaTonos), alphaTonos);  // already small
    EXPECT_EQ(AnsiUpper(alphaTonos), "\xA2");
  }
}

TEST(AnsiTextCaseTest, DoubleBytePagesFoldAsciiOnlyAndNeverATrailByte) {
  struct Case {
    int CodePage;
    std::string Text;
    std::string Lower;
  };
  const Case cases[] = {
      {932,
       "\x83\x41"
       "BC",
       "\x83\x41"
       "bc"},  // ア: trail byte 'A'
      {932,
       "\x95\x5C"
       "X",
       "\x95\x5C"
       "x"},  // 表: trail byte '\'
      {932,
       "\xB1"
       "A",
       "\xB1"
       "a"},  // a half-width kana is one byte
      {936,
       "\x81\x41\xD6\xD0"
       "QQ",
       "\x81\x41\xD6\xD0"
       "qq"},
      {949,
       "\xB0\xA1"
       "Z",
       "\xB0\xA1"
       "z"},
      {950,
       "\xA4\x41"
       "A",
       "\xA4\x41"
       "a"},
      {932, "\x82", "\x82"},  // a lead byte at the end stays
  };
  for (const Case& c : cases) {
    ScopedSystemCodePage page(c.CodePage);
    EXPECT_EQ(AnsiLower(c.Text), c.Lower) << c.CodePage;
    EXPECT_EQ(AnsiUpper(c.Lower), c.Text) << c.CodePage;
  }
}

TEST(AnsiTextCaseTest, AMatchNeverStartsOnATrailByte) {
  const std::string sharedBytes = "\x83\x61";  // ヂ in Shift-JIS; "ƒa" in Windows-1252
  {
    ScopedSystemCodePage western(1252);
    EXPECT_TRUE(OccursNoCase(sharedBytes, "A"));
  }
  ScopedSystemCodePage japanese(932);
  EXPECT_FALSE(OccursNoCase(sharedBytes, "A"));
  EXPECT_FALSE(OccursNoCase("x" + sharedBytes, "a"));
  EXPECT_TRUE(OccursNoCase("x" + sharedBytes + "A", "a"));
  EXPECT_TRUE(OccursNoCase("\x82\xA0\x83\x61", sharedBytes));
  EXPECT_TRUE(
      EqualsNoCase("\x83\x41"
                   "a",
                   "\x83\x41"
                   "A"));
  EXPECT_FALSE(EqualsNoCase("\x83\x41", "\x83\x61"));
}

}  // namespace
}  // namespace quorvel
