#include <gtest/gtest.h>

#include <regex>

#include "styling/Fader.h"
#include "styling/TextStyle.h"

namespace quorvel {
namespace {

constexpr std::uint32_t kRed = Rgb(255, 0, 0);
constexpr std::uint32_t kBlue = Rgb(0, 0, 255);

// The pieces of a fade: colour and text, in order.
std::vector<std::pair<std::string, std::string>> Pieces(const std::string& markup) {
  std::vector<std::pair<std::string, std::string>> pieces;
  const std::regex piece("<Font Color=#([0-9A-F]{6})>([^<]*)");
  for (auto it = std::sregex_iterator(markup.begin(), markup.end(), piece); it != std::sregex_iterator(); ++it)
    pieces.emplace_back((*it)[1], (*it)[2]);
  return pieces;
}

TEST(FadeTextTest, WorkedExample) {
  EXPECT_EQ(FadeText(kRed, kBlue, "abc", true),
            "<Font Color=#AA0055><sup>a<Font Color=#5500AA></sup>b<Font Color=#0000FF><sub>c");
  EXPECT_EQ(FadeText(kRed, kBlue, "abc", false), "<Font Color=#AA0055>a<Font Color=#5500AA>b<Font Color=#0000FF>c");
  EXPECT_EQ(FadeText(kRed, kBlue, "", true), "");
}

TEST(FadeTextTest, TwelveCharacters) {
  const auto pieces = Pieces(FadeText(kRed, kBlue, "abcdefghijkl", false));
  const std::vector<std::pair<std::string, std::string>> want = {{"EA0015", "a"},  {"BF0040", "bc"}, {"95006A", "de"},
                                                                 {"6A0095", "fg"}, {"4000BF", "hi"}, {"0000FF", "jkl"}};
  EXPECT_EQ(pieces, want);
}

TEST(FadeTextTest, PieceSizesFollowTheLength) {
  // 1 to 7 characters: pieces of one; 8 to 12: two; 13: three.
  const std::pair<int, size_t> cases[] = {{1, 1}, {2, 1}, {7, 1}, {8, 2}, {12, 2}, {13, 3}};
  for (const auto& [length, chunk] : cases) {
    const auto pieces = Pieces(FadeText(kRed, kBlue, std::string(static_cast<size_t>(length), 'x'), false));
    ASSERT_FALSE(pieces.empty());
    EXPECT_EQ(pieces.front().second.size(), 1u) << length;
    if (pieces.size() > 2) EXPECT_EQ(pieces[1].second.size(), chunk) << length;
    EXPECT_EQ(pieces.back().first, "0000FF") << "the last piece is exactly colour B";
    size_t total = 0;
    for (const auto& p : pieces) total += p.second.size();
    EXPECT_EQ(total, static_cast<size_t>(length)) << "nothing is skipped";
  }
}

TEST(FadeTextTest, TiesRoundToEven) {
  const auto pieces = Pieces(FadeText(Rgb(0, 0, 0), Rgb(255, 0, 0), "ab", false));
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0].first, "800000");  // 127.5 goes to 128
  EXPECT_EQ(FadeText(kRed, kBlue, "a", false), "<Font Color=#0000FF>a");
}

TEST(HexTest, ColorAndNumber) {
  EXPECT_EQ(HexColor6(0xFF), "0000FF");
  EXPECT_EQ(HexColor6(0), "000000");
  EXPECT_EQ(HexColor6(0xABCDEF1), "ABCDEF1");
  EXPECT_EQ(HexToNumber("ff"), 255u);
  EXPECT_EQ(HexToNumber("1G"), 16u);                 // a non-digit counts 0
  EXPECT_EQ(HexToNumber("123456789"), 0x23456789u);  // the last eight only
  EXPECT_EQ(HexToNumber(""), 0u);
}

TEST(RenderMarkupTest, TagsSetTheFormatOfWhatFollows) {
  RichText buffer = RichText::FromPlainText("old");
  RenderMarkup(buffer, "<b>B</b><i>I</i><u>U</u><s>S</s><Font Color=#00FF00>G<font face=\"Courier\">C<sup>x</sup>");
  EXPECT_EQ(buffer.PlainText(), "BIUSGCx");
  EXPECT_TRUE(buffer.FormatAt(0).Bold);
  EXPECT_FALSE(buffer.FormatAt(1).Bold);
  EXPECT_TRUE(buffer.FormatAt(1).Italic);
  EXPECT_TRUE(buffer.FormatAt(2).Underline);
  EXPECT_TRUE(buffer.FormatAt(3).Strike);
  EXPECT_EQ(buffer.FormatAt(0).Color, Rgb(0, 0, 0));
  EXPECT_EQ(buffer.FormatAt(4).Color, Rgb(0, 255, 0));
  EXPECT_EQ(buffer.FormatAt(0).FontName, "Arial");
  EXPECT_EQ(buffer.FormatAt(5).FontName, "courier");  // tags are read lower-cased
  EXPECT_EQ(buffer.FormatAt(0).HalfPoints, 20);
}

TEST(RenderMarkupTest, OddMarkupNeverFails) {
  RichText buffer;
  RenderMarkup(buffer, "<font color=zz>x<font color=#12>y<Font Color=#ABCDEF>z a<b");
  EXPECT_EQ(buffer.PlainText(), "xyz a<b");
  EXPECT_EQ(buffer.FormatAt(0).Color, Rgb(0xF0, 0, 0x0C));  // no "#": read from the tag's start
  EXPECT_EQ(buffer.FormatAt(1).Color, Rgb(0x12, 0, 0));
  EXPECT_EQ(buffer.FormatAt(2).Color, Rgb(0xAB, 0xCD, 0xEF));
}

TEST(RenderMarkupTest, ALessThanInFadedTextSwallowsUpToTheNextTag) {
  RichText buffer;
  RenderMarkup(buffer, FadeText(kRed, kBlue, "a<bcdefghi", true));
  EXPECT_EQ(buffer.PlainText(), "acdefghi");
}

TEST(RenderMarkupTest, AFadedLineEndStaysOneParagraphMark) {
  // Pieces of one character put a colour tag between the CR and the LF.
  // Control bytes are dropped as plain text drops them.
  for (const char* text : {"ab\r\ncd", "one\r\ntwo\r\nthree", "\r\n\r\n", "x\ry\nz", "\x01one\r\x02\ntwo"}) {
    RichText buffer;
    RenderMarkup(buffer, FadeText(kRed, kBlue, text, true));
    EXPECT_EQ(buffer.Chars(), RichText::FromPlainText(text).Chars()) << text;
  }
  RichText buffer;
  RenderMarkup(buffer, FadeText(kRed, kBlue, "ab\r\ncd", false));
  EXPECT_EQ(buffer.PlainText(), "ab\r\ncd");
}

// What a send box receives: the styled buffer as RTF, read back.
RichText Styled(const char* text, const TextStyle& style) {
  RichText buffer = RichText::FromPlainText(text);
  ApplyStyle(buffer, style);
  return RichText::FromRtf(buffer.ToRtf());
}

TEST(ApplyStyleTest, DefaultsAreBoldRedTenPoints) {
  const RichText sent = Styled("Hello", TextStyle());
  EXPECT_EQ(sent.PlainText(), "Hello");
  EXPECT_TRUE(sent.FormatAt(4).Bold);
  EXPECT_FALSE(sent.FormatAt(0).Italic);
  EXPECT_EQ(sent.FormatAt(0).Color, kRed);
  EXPECT_EQ(sent.FormatAt(0).HalfPoints, 20);
}

TEST(ApplyStyleTest, FadeColoursPieceByPieceAndSizeNoneKeepsTheSize) {
  TextStyle style;
  style.StyleFade = true;
  style.StyleBold = false;
  style.StyleItalic = true;
  SetSizeBox(style, 10, false);
  const RichText sent = Styled("abc", style);
  EXPECT_EQ(sent.PlainText(), "abc");
  EXPECT_EQ(sent.FormatAt(0).Color, Rgb(0xAA, 0, 0x55));
  EXPECT_EQ(sent.FormatAt(2).Color, kBlue);
  EXPECT_TRUE(sent.FormatAt(1).Italic);
  EXPECT_FALSE(sent.FormatAt(1).Bold);
  EXPECT_EQ(sent.FormatAt(0).HalfPoints, 20);  // the fade's Arial 10
}

TEST(SizeBoxTest, TheBoxChangedWinsAndTheOthersClear) {
  TextStyle style;
  EXPECT_EQ(style.StyleSize, 10);
  SetSizeBox(style, 8, true);
  EXPECT_EQ(style.StyleSize, 8);
  SetSizeBox(style, 8, false);
  EXPECT_FALSE(style.StyleSize.has_value());
  SetSizeBox(style, 12, true);
  EXPECT_EQ(style.StyleSize, 12);
}

}  // namespace
}  // namespace quorvel
