#include <gtest/gtest.h>

#include "styling/RichText.h"

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
