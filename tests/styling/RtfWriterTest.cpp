#include <gtest/gtest.h>

#include "CodePageText.h"
#include "styling/RichText.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

TEST(RtfWriterTest, FormattingSurvivesTheRoundTrip) {
  RichText doc = RichText::FromPlainText("Hello bold world\r\nsecond line");
  FormatChange bold;
  bold.Bold = true;
  bold.Color = Rgb(1, 2, 3);
  doc.FormatRange(6, 4, bold);
  FormatChange look;
  look.Italic = look.Underline = look.Strike = true;
  look.HalfPoints = 16;
  look.FontName = "Times New Roman";
  doc.FormatRange(17, 6, look);
  const std::string rtf = doc.ToRtf();
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
  const RichText back = RichText::FromRtf(rtf);
  ASSERT_EQ(back.Chars(), doc.Chars());
  for (size_t i = 0; i < doc.Size(); ++i) {
    CharFormat want = doc.FormatAt(i);
    if (want.FontName.empty()) want.FontName = "Arial";  // the document's default font
    EXPECT_EQ(back.FormatAt(i), want) << "character " << i;
  }
}

TEST(RtfWriterTest, PlainTextIsEscaped) {
  const RichText doc = RichText::FromPlainText("a\\b{c}d\xE9\t\x01");
  const std::string rtf = doc.ToRtf();
  EXPECT_NE(rtf.find("a\\\\b\\{c\\}d\\'e9\\tab "), std::string::npos) << rtf;
  EXPECT_EQ(RichText::FromRtf(rtf).PlainText(), "a\\b{c}d\xE9\t");
}

TEST(RtfWriterTest, EscapeForPlaceholderValues) {
  EXPECT_EQ(RtfEscape("{\\field{\\*\\fldinst HYPERLINK x}}"), "\\{\\\\field\\{\\\\*\\\\fldinst HYPERLINK x\\}\\}");
  EXPECT_EQ(RtfEscape("a\r\nb\x7f\x80"), "ab\x7f\\'80");
}

// The document and its fonts declare the system code page, so a RichEdit
// send box on that system shows the bot's bytes as the letters they are.
TEST(RtfWriterTest, DeclaresTheSystemCodePageAndTheMatchingCharset) {
  const std::pair<int, int> pairs[] = {{1252, 0},   {1250, 238}, {1251, 204}, {1253, 161}, {1254, 162},
                                       {1255, 177}, {1256, 178}, {1257, 186}, {1258, 163}, {874, 222},
                                       {932, 128},  {936, 134},  {949, 129},  {950, 136}};
  for (const auto& [codePage, charset] : pairs) {
    ScopedSystemCodePage page(codePage);
    RichText doc = RichText::FromPlainText("x");
    FormatChange font;
    font.FontName = "Tahoma";
    doc.FormatRange(0, 1, font);
    const std::string rtf = doc.ToRtf();
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg" + std::to_string(codePage) + "\\deff0", 0), 0u) << rtf;
    EXPECT_NE(rtf.find("\\fcharset" + std::to_string(charset) + " Tahoma;"), std::string::npos) << rtf;
  }
}

struct RoundTrip {
  int CodePage;
  std::string Text;
};

// Written on a system and read back there, the text comes back byte for byte;
// both bytes of a double-byte character are escaped, even a trail byte that
// looks like a backslash or a brace.
TEST(RtfWriterTest, TextOfEveryCodePageReadsBackExactly) {
  using testing::InCodePage;
  const RoundTrip trips[] = {
      {1251, InCodePage(1251, U"Привет, Ёлка! {x}")},
      {1253, InCodePage(1253, U"Καλημέρα ς")},
      {1250, InCodePage(1250, U"Zażółć gęślą jaźń")},
      {1255, InCodePage(1255, U"שלום")},
      {932, "\x95\x5C\x83\x41\x83\x7B\x83\x7D\xB1 \x82\xA0"},  // 表ア with trail bytes \\ A { }
      {936, "\xD6\xD0\xCE\xC4 \x81\x5C"},
      {949, "\xC7\xD1\xB1\xDB"},
      {950, "\xA4\xA4\xA4\xE5 \xA5\x5C"},
  };
  for (const RoundTrip& t : trips) {
    ScopedSystemCodePage page(t.CodePage);
    const std::string rtf = RichText::FromPlainText(t.Text).ToRtf();
    EXPECT_EQ(RichText::FromRtf(rtf).PlainText(), t.Text) << t.CodePage << " " << rtf;
    EXPECT_EQ(RichText::FromRtf("{\\rtf1 " + RtfEscape(t.Text) + "}").PlainText(), t.Text) << t.CodePage;
  }
}

// Control bytes cannot be kept by a RichEdit-style writer: it drops them, and
// the reader drops them wherever they come from, so read, write, read is exact.
TEST(RtfWriterTest, ControlBytesNeitherSurviveReadingNorWriting) {
  const std::string inputs[] = {
      std::string("{\\rtf1 a\x01"
                  "b\x1f") +
          '\0' + "c\\'0ad\\'00e\\'1bf\\'09g\\u7?h\\line i\\par j}",
      "{\\rtf1 \\'0d\\'0a\\'07}",
      std::string("plain\x01 text\x1b\r\nsecond") + '\0',  // not RTF: read as plain text
  };
  const std::string expected[] = {"abcdef\tgh\vi\r\nj", "", "plain text\r\nsecond"};
  for (size_t i = 0; i < 3; ++i) {
    const RichText first = RichText::FromRtf(inputs[i]);
    EXPECT_EQ(first.PlainText(), expected[i]);
    const RichText second = RichText::FromRtf(first.ToRtf());
    EXPECT_EQ(second.PlainText(), first.PlainText());
    EXPECT_EQ(second.ToRtf(), first.ToRtf());
  }
}

TEST(RtfWriterTest, ControlBytesInAFontNameAreDroppedToo) {
  const RichText first = RichText::FromRtf(
      "{\\rtf1{\\fonttbl{\\f0 Ar\\'01i\x02"
      "al;}}\\f0 x}");
  EXPECT_EQ(first.FormatAt(0).FontName, "Arial");
  EXPECT_EQ(RichText::FromRtf(first.ToRtf()).FormatAt(0), first.FormatAt(0));
}

TEST(RichTextTest, ForcedColourColoursEveryChange) {
  RichText notice;
  notice.SetForcedColor(Rgb(192, 0, 0));
  notice.SetPlainText("Greeter is now Off");
  EXPECT_EQ(notice.FormatAt(0).Color, Rgb(192, 0, 0));
  notice.SetRtf("{\\rtf1{\\colortbl;\\red0\\green255\\blue0;}\\cf1 green}");
  EXPECT_EQ(notice.FormatAt(2).Color, Rgb(192, 0, 0));
  RichText other = RichText::FromPlainText(" more");
  notice.AppendRich(other);
  EXPECT_EQ(notice.FormatAt(notice.Size() - 1).Color, Rgb(192, 0, 0));
}

TEST(RichTextTest, RangesAreClampedToTheText) {
  RichText doc = RichText::FromPlainText("abc");
  FormatChange bold;
  bold.Bold = true;
  doc.FormatRange(2, 100, bold);
  doc.FormatRange(10, 1, bold);
  EXPECT_FALSE(doc.FormatAt(1).Bold);
  EXPECT_TRUE(doc.FormatAt(2).Bold);
}

}  // namespace
}  // namespace quorvel
