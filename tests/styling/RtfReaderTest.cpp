#include <gtest/gtest.h>

#include <random>

#include "styling/RichText.h"

namespace quorvel {
namespace {

struct WriterForm {
  const char* Name;
  const char* Rtf;
};

// One sample of each writer the reader must take, all holding "Hi " plain and
// "Bob" bold in red Arial of 10 points.
const WriterForm kForms[] = {
    {"RichEdit 2.0",
     "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\r\n"
     "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
     "\\viewkind4\\uc1\\pard\\f0\\fs20 Hi \\cf1\\b Bob\\cf0\\b0\\par\r\n}\r\n"},
    {"Msftedit 4.1",
     "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
     "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
     "{\\*\\generator Msftedit 5.41.21.2510;}\\viewkind4\\uc1\\pard\\lang1033\\f0\\fs20 Hi "
     "\\cf1\\b Bob\\cf0\\b0\\par\r\n}\r\n"},
    {"Windows 10",
     "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
     "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
     "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n\\pard\\sa200\\sl276\\slmult1\\f0\\fs20\\lang9 Hi "
     "\\cf1\\b Bob\\cf0\\b0\\par\r\n}\r\n"},
    {"Wine",
     "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\r\n"
     "\\pard\\plain\\f0\\fs20 Hi {\\cf1\\b Bob}\\par\r\n}"},
    {"hand-written", "{\\rtf1{\\fonttbl\\f0 Arial;}{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs20 Hi {\\b\\cf1 Bob}}"},
};

TEST(RtfReaderTest, ReadsEveryWriterForm) {
  for (const auto& form : kForms) {
    SCOPED_TRACE(form.Name);
    const RichText doc = RichText::FromRtf(form.Rtf);
    EXPECT_EQ(doc.MessageText(), "Hi Bob");
    ASSERT_GE(doc.Size(), 6u);
    EXPECT_FALSE(doc.FormatAt(0).Bold);
    EXPECT_EQ(doc.FormatAt(0).Color, kAutoColor);
    EXPECT_EQ(doc.FormatAt(0).FontName, "Arial");
    EXPECT_EQ(doc.FormatAt(0).HalfPoints, 20);
    EXPECT_TRUE(doc.FormatAt(3).Bold);
    EXPECT_EQ(doc.FormatAt(3).Color, Rgb(255, 0, 0));
    EXPECT_EQ(doc.FormatAt(5).FontName, "Arial");
  }
}

TEST(RtfReaderTest, EscapesAndSpecialCharacters) {
  const RichText doc = RichText::FromRtf(
      "{\\rtf1\\ansi \\\\ \\{x\\} caf\\'e9 \\u8364? \\uc2\\u8220 ab\\tab\\emdash z\\line w\\par second}");
  EXPECT_EQ(doc.PlainText(), "\\ {x} caf\xE9 \x80 \x93\t\x97z\vw\r\nsecond");
}

TEST(RtfReaderTest, UnknownDestinationsAndWordsAreSkipped) {
  const RichText doc = RichText::FromRtf(
      "{\\rtf1{\\*\\unknowndest hidden}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}"
      "\\madeupword5 visible{\\*\\fldinst HYPERLINK x}{\\field{\\*\\fldinst LINK}{\\fldrslt shown}}}");
  EXPECT_EQ(doc.MessageText(), "visibleshown");
}

TEST(RtfReaderTest, FormatWordsTurnOnAndOff) {
  const RichText doc = RichText::FromRtf("{\\rtf1 \\b\\i\\ul\\strike a\\b0\\i0\\ulnone\\strike0 b\\ul c\\plain d}");
  const CharFormat a = doc.FormatAt(0), b = doc.FormatAt(1), c = doc.FormatAt(2), d = doc.FormatAt(3);
  EXPECT_TRUE(a.Bold && a.Italic && a.Underline && a.Strike);
  EXPECT_FALSE(b.Bold || b.Italic || b.Underline || b.Strike);
  EXPECT_TRUE(c.Underline);
  EXPECT_FALSE(d.Underline);
  EXPECT_EQ(d.HalfPoints, 24);
}

TEST(RtfReaderTest, ParagraphsAndTheFinalMark) {
  const RichText doc = RichText::FromRtf("{\\rtf1 one\\par two\\par\\par}");
  EXPECT_EQ(doc.MessageText(), "one two");
  EXPECT_EQ(doc.PlainText(), "one\r\ntwo\r\n");
}

TEST(RtfReaderTest, NonRtfInputIsPlainText) {
  const RichText doc = RichText::FromRtf("just {text}\r\nnext");
  EXPECT_EQ(doc.PlainText(), "just {text}\r\nnext");
}

TEST(RtfReaderTest, MalformedInputGivesABestEffortDocument) {
  const std::string deep = "{\\rtf1 a" + std::string(100000, '{') + "b" + std::string(100000, '}') + "c}";
  const std::pair<std::string, std::string> cases[] = {
      {"{\\rtf1 unbalanced {\\b bold", "unbalanced bold"},
      {"{\\rtf1 closes}} early}", "closes"},
      {deep, "ac"},
      {"{\\rtf1 \\fs999999999999999999 big\\cf99999999999 x}", "bigx"},
      {"{\\rtf1 cut \\'", "cut "},
      {"{\\rtf1 cut \\'4", "cut "},  // a control byte is no text
      {"{\\rtf1 \\bin5 12345after}", "after"},
      {"{\\rtf1 \\bin999999999 x}", ""},
      {"{\\rtf1 \\u-3999? end}", "? end"},
      {"{\\rtf1 \\" + std::string(5000, 'a') + " x}", "x"},
      {"{\\rtf1 \\b-", "-"},
      {"{\\rtf1 \\", ""},
      {"{\\rtf", ""},
  };
  for (const auto& [rtf, text] : cases) {
    SCOPED_TRACE(rtf.substr(0, 60));
    EXPECT_EQ(RichText::FromRtf(rtf).MessageText(), text);
  }
}

// Its speed is measured by the benchmarks; here only that it is read whole.
TEST(RtfReaderTest, HugeInputIsReadWhole) {
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < 200000; ++i) rtf += i % 2 ? "\\b a" : "\\b0\\cf3 b";
  rtf += "}";
  const RichText doc = RichText::FromRtf(rtf);
  EXPECT_EQ(doc.Size(), 200000u);
}

TEST(RichTextTest, AppendKeepsEachCharactersFormat) {
  CharFormat bold;
  bold.Bold = true;
  RichText a = RichText::FromPlainText("/w ");
  RichText b = RichText::FromPlainText("Bob", bold);
  a.AppendRich(b);
  EXPECT_EQ(a.PlainText(), "/w Bob");
  EXPECT_FALSE(a.FormatAt(2).Bold);
  EXPECT_TRUE(a.FormatAt(3).Bold);
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

// Random bytes and random damage to a real document: the reader must give
// some document back every time, within the caps.
TEST(RtfReaderTest, NoInputCrashesTheReader) {
  std::mt19937 random(20131917);
  const std::string sample =
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}"
      "\\cf1\\b\\fs20 Hi {\\i there}\\'e9\\u8364?\\par}";
  const std::string alphabet = "{}\\'*0123456789-abcdefghijklmnopqrstuvwxyz ;\r\n\x80\xff";
  for (int round = 0; round < 3000; ++round) {
    std::string input = round % 2 ? sample : "{\\rtf1 ";
    const int edits = static_cast<int>(random() % 40);
    for (int e = 0; e < edits; ++e) {
      const size_t at = input.empty() ? 0 : random() % input.size();
      const char c = alphabet[random() % alphabet.size()];
      switch (random() % 3) {
        case 0:
          input.insert(input.begin() + static_cast<long>(at), c);
          break;
        case 1:
          if (!input.empty()) input.erase(at, 1);
          break;
        default:
          if (!input.empty()) input[at] = c;
      }
    }
    const RichText doc = RichText::FromRtf(input);
    ASSERT_LE(doc.Size(), input.size()) << input;
    (void)doc.ToRtf();
  }
}

}  // namespace
}  // namespace quorvel
