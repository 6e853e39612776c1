// Documents shaped like what Word, WordPad, LibreOffice and TextEdit write,
// each read as those programs show its body text. The files are this
// project's own, written for these tests.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "CodePageText.h"
#include "styling/RichText.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

using testing::InCodePage;

struct Document {
  const char* File;
  int SystemCodePage;
  std::u32string PlainText;  // in the system code page, "?" for what it cannot hold
};

const Document kDocuments[] = {
    {"word-table.rtf", 1252, U"Price list\r\nfoo\tbar\r\nTea\t2.50\r\nThanks"},
    {"word-nested-table.rtf", 1252, U"Outer A\tInner 1\tInner 2\r\nOuter B\r\nAfter the table"},
    {"starwriter-mid-group.rtf", 1252, U"The quick brown fox jumps\r\nover the lazy dog."},
    {"wordpad-cyrillic.rtf", 1251, U"Привет, мир! ЕлкаЁ\r\nHello ?"},
    {"wordpad-cyrillic.rtf", 1252, U"Привет, мир! ЕлкаЁ\r\nHello é"},
    {"word-central-european.rtf", 1250, U"Žluťoučký kůň\r\nzażółć gęślą jaźń"},
    {"word-central-european.rtf", 1252, U"Žluťoučký kůň\r\nzażółć gęślą jaźń"},
    {"wordpad-greek.rtf", 1253, U"Καλημέρα κόσμε ΣΩ\r\nCafé"},
    {"wordpad-greek.rtf", 1252, U"Καλημέρα κόσμε ΣΩ\r\nCafé"},
    {"word-japanese.rtf", 932, U"こんにちは、Tokyo 表ア中 \r\n中文"},
    {"word-japanese.rtf", 936, U"こんにちは、Tokyo 表ア中 \r\n中文"},
    {"word-japanese.rtf", 1252, U"こんにちは、Tokyo 表ア中 \r\n中文"},
    {"textedit-surrogate-pair.rtf", 1252, U"Smile \U0001F600, café\u00A0“ok”\r\nzerowidth\r\nWord: \U0001F600!"},
    {"word-header-footer.rtf", 1252, U"Body text continues.\r\nSecond paragraph."},
    {"word-hidden-text.rtf", 1252, U"Visible text end.\r\nLast line"},
    {"wordpad-lists.rtf", 1252, U"•\tApples\r\n•\tPears\r\n1.\tFirst\r\n2.\tSecond\r\nDone"},
    {"word-numbered-list.rtf", 1252,
     U"Steps:\r\n1.\tOpen the door\r\n2.\tWalk in\r\n•\tBulleted too\r\n\uF0A7\tSquare bullet"},
    {"malformed-list-table.rtf", 1252, U"Only this"},
    {"libreoffice-cyrillic-unicode.rtf", 1251, U"При всем, ссылка!"},
    {"libreoffice-cyrillic-unicode.rtf", 1252, U"При всем, ссылка!"},
};

std::string ReadDocument(const std::string& name) {
  std::ifstream in(std::string(QUORVEL_RTF_DOCUMENTS) + "/" + name, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

TEST(RtfDocumentsTest, EachReadsAsItsProgramShowsIt) {
  for (const Document& d : kDocuments) {
    SCOPED_TRACE(std::string(d.File) + " on code page " + std::to_string(d.SystemCodePage));
    const std::string rtf = ReadDocument(d.File);
    ASSERT_EQ(rtf.rfind("{\\rtf1", 0), 0u) << "document missing";
    ScopedSystemCodePage page(d.SystemCodePage);
    const RichText doc = RichText::FromRtf(rtf);
    EXPECT_EQ(doc.PlainText(), InCodePage(d.SystemCodePage, d.PlainText));
    // What the writer makes of it reads back the same.
    EXPECT_EQ(RichText::FromRtf(doc.ToRtf()).PlainText(), doc.PlainText());
  }
}

TEST(RtfDocumentsTest, FormattingStaysWithItsText) {
  const RichText doc = RichText::FromRtf(ReadDocument("word-table.rtf"));
  const size_t foo = doc.Chars().find("foo");
  ASSERT_NE(foo, std::string::npos);
  EXPECT_TRUE(doc.FormatAt(foo).Bold);
  EXPECT_FALSE(doc.FormatAt(doc.Chars().find("bar")).Bold);
  EXPECT_EQ(doc.FormatAt(foo).FontName, "Calibri");
  const RichText starWriter = RichText::FromRtf(ReadDocument("starwriter-mid-group.rtf"));
  EXPECT_TRUE(starWriter.FormatAt(starWriter.Chars().find("jumps")).Italic);
  EXPECT_EQ(starWriter.FormatAt(0).FontName, "Arial");
}

// \* marks a destination only as the first thing in a group; elsewhere it
// changes nothing.
TEST(RtfReaderStructureTest, IgnorableMarkOnlyAtTheStartOfAGroup) {
  const std::pair<std::string, std::string> cases[] = {
      {"{\\rtf1 {\\b\\*\\cs7 shown}}", "shown"},
      {"{\\rtf1 {\\*\\cs7 hidden}after}", "after"},
      {"{\\rtf1 {\r\n\\*\\madeup hidden}after}", "after"},
      {"{\\rtf1 a\\*b}", "ab"},
      {"{\\rtf1 {\\*\\fldinst x}{\\*\\fonttbl{\\f0 Arial;}}\\f0 y}", "y"},
  };
  for (const auto& [rtf, text] : cases) EXPECT_EQ(RichText::FromRtf(rtf).PlainText(), text) << rtf;
}

TEST(RtfReaderStructureTest, CellsRowsAndSkippedGroups) {
  const std::pair<std::string, std::string> cases[] = {
      {"{\\rtf1 a\\cell b\\cell\\row c}", "a\tb\r\nc"},
      {"{\\rtf1 \\cell\\cell x\\cell\\row}", "\t\tx"},  // empty cells still separate
      {"{\\rtf1 a\\nestcell b\\nestcell\\nestrow}", "a\tb"},
      {"{\\rtf1 a{\\nonesttables b\\par}c}", "ac"},
      {"{\\rtf1 {\\headerr h}{\\footerf f}{\\footnote n}{\\annotation x}body}", "body"},
      {"{\\rtf1 a\\v b\\v0 c{\\v d}e\\v f\\plain g}", "aceg"},
      {"{\\rtf1 {\\v a\\cell}b}", "b"},
      {"{\\rtf1 {\\leveltext\\'02\\'00.;}{\\levelnumbers\\'01;}x}", "x"},
      {"{\\rtf1 {\\pntext 1.\\tab}{\\listtext 2.\\tab}x}", "1.\t2.\tx"},
      {"{\\rtf1 a\\u8203?b\\u65279?c\\u8288?d}", "abcd"},
      {"{\\rtf1 \\uc0\\u55357\\u56832 x\\u-10179?}", "?x?"},  // a pair, then a lone high surrogate
      {"{\\rtf1 \\u56832?x}", "?x"},                          // a lone low surrogate
  };
  for (const auto& [rtf, text] : cases) EXPECT_EQ(RichText::FromRtf(rtf).PlainText(), text) << rtf;
}

struct CodePageCase {
  std::string Rtf;
  int SystemCodePage;
  std::string PlainText;
};

TEST(RtfReaderStructureTest, BytesFollowTheFontsCharsetElseTheDocumentsCodePage) {
  const std::string fonts =
      "{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}{\\f2 C;}{\\f3\\fcharset2 S;}"
      "{\\f4\\fcharset128 J;}{\\f5\\fcharset1 D;}}";
  const CodePageCase cases[] = {
      {"{\\rtf1\\ansi\\ansicpg1250" + fonts + "\\f2 \\'b3}", 1250, "\xB3"},  // ł, the same bytes
      {"{\\rtf1\\ansi\\ansicpg1250" + fonts + "\\f2 \\'b3}", 1252, "?"},     // ł is not Western
      {"{\\rtf1\\ansi\\ansicpg1250" + fonts + "\\f1 \\'c6}", 1252, "?"},     // Ж
      {"{\\rtf1\\ansi\\ansicpg1250" + fonts + "\\f1 \\'c6}", 1251, "\xC6"},  // Ж
      {"{\\rtf1\\ansi\\ansicpg1251" + fonts + "\\f0 \\'c6}", 1251, "?"},     // Æ has no Cyrillic form
      {"{\\rtf1\\ansi\\ansicpg1251" + fonts + "\\f5 \\'c6}", 1251, "\xC6"},  // the default set: \ansicpg
      {"{\\rtf1\\ansi\\ansicpg1251" + fonts + "\\f3 \\'b7}", 1251, "\x95"},  // the symbol font's bullet
      {"{\\rtf1\\ansi" + fonts + "\\f4 \\'82\\'a0x}", 932, "\x82\xA0x"},     // あ
      {"{\\rtf1\\ansi" + fonts + "\\f4 \\'82}", 932, ""},                    // a lead byte alone
      {"{\\rtf1\\ansi" + fonts + "\\f4 \\'82{\\b\\'b1}}", 932, "\xB1"},      // a lead cut off by a group is dropped
      {"{\\rtf1\\ansi\\ansicpg932 \\'95\\\\x}", 932, "\x95\\x"},             // 表, trail as \\ (sic)
      {"{\\rtf1\\ansi\\ansicpg932 \\'83A}", 1252, "?"},                      // ア
      {"{\\rtf1\\ansi\\ansicpg932 \\'82\\'01A\\'82 x}", 932, "?A? x"},       // leads without trails
      {"{\\rtf1\\ansi\\ansicpg1252 \\u1046?\\u233?\\emdash\\bullet\\~}", 1251, "\xC6?\x97\x95\xA0"},
      {"{\\rtf1 \\'e9}", 1251, "\xE9"},  // without \ansicpg the system's own bytes
  };
  for (const CodePageCase& c : cases) {
    ScopedSystemCodePage page(c.SystemCodePage);
    EXPECT_EQ(RichText::FromRtf(c.Rtf).PlainText(), c.PlainText) << c.Rtf << " on " << c.SystemCodePage;
  }
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

// Random documents of the pieces that touch code pages (fonts of every
// character set, \'hh bytes, raw 8-bit bytes, \uN, groups, paragraph marks):
// on every kind of system, what is read is written and read back the same.
TEST(RtfReaderStructureTest, ReadWriteReadIsExactOnEveryCodePage) {
  const std::string fonts =
      "{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}{\\f2\\fcharset128 C;}{\\f3\\fcharset134 D;}"
      "{\\f4\\fcharset2 S;}{\\f5\\fcharset161 G;}{\\f6 N;}}";
  const char* const pieces[] = {"\\f0 ",  "\\f1 ",  "\\f2 ",    "\\f3 ",     "\\f4 ",      "\\f5 ",
                                "\\f6 ",  "{",      "}",        "\\b ",      "\\par ",     "\\cell ",
                                "\\row ", "\\tab ", "\\u1046?", "\\u12354?", "\\u-10179?", "\\u-8704?",
                                "\\'",    "\\",     "\\{",      "a",         "Z"};
  std::mt19937 random(20261208);
  for (const int codePage : {1252, 1251, 1253, 932, 936, 949, 950}) {
    ScopedSystemCodePage page(codePage);
    for (int round = 0; round < 300; ++round) {
      std::string rtf = "{\\rtf1\\ansi\\ansicpg" + std::to_string(codePage) + fonts;
      for (int n = 0; n < 40; ++n) {
        const unsigned pick = random() % 30;
        if (pick < std::size(pieces)) {
          rtf += pieces[pick];
        } else {
          const auto byte = static_cast<unsigned char>(0x40 + random() % 0xC0);
          char hex[8];
          std::snprintf(hex, sizeof hex, "%02x", byte);
          rtf += pick % 2 ? std::string("\\'") + hex : std::string(1, static_cast<char>(byte));
        }
      }
      const RichText first = RichText::FromRtf(rtf + "}");
      const RichText second = RichText::FromRtf(first.ToRtf());
      ASSERT_EQ(second.Chars(), first.Chars()) << codePage << ": " << rtf;
      for (size_t i = 0; i < first.Size(); ++i)
        ASSERT_EQ(second.FormatAt(i).Bold, first.FormatAt(i).Bold) << codePage << ": " << rtf << " at " << i;
    }
  }
}

}  // namespace
}  // namespace quorvel
