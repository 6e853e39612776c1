#include <gtest/gtest.h>

#include "CodePageText.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

using testing::InCodePage;

TEST(CodePageTest, TheSettingIsTheWesternPageUntilSetAndScopesRestoreIt) {
  EXPECT_EQ(SystemCodePage(), 1252);
  {
    ScopedSystemCodePage cyrillic(1251);
    EXPECT_EQ(SystemCodePage(), 1251);
    {
      ScopedSystemCodePage japanese(932);
      EXPECT_EQ(SystemCodePage(), 932);
    }
    EXPECT_EQ(SystemCodePage(), 1251);
  }
  EXPECT_EQ(SystemCodePage(), 1252);
}

TEST(CodePageTest, AnUnknownCodePageLeavesTheWesternOne) {
  ScopedSystemCodePage greek(1253);
  EXPECT_FALSE(SetSystemCodePage(65001));
  EXPECT_EQ(SystemCodePage(), 1252);
  EXPECT_FALSE(SetSystemCodePage(437));
  EXPECT_EQ(SystemCodePage(), 1252);
  EXPECT_TRUE(SetSystemCodePage(874));
  EXPECT_EQ(SystemCodePage(), 874);
}

struct Mapping {
  int CodePage;
  const char* Bytes;
  char32_t Unicode;
};

// Letters the client shows on each kind of system, one or two bytes each.
const Mapping kMappings[] = {
    {1252, "\xE9", U'é'},     {1252, "\x80", U'€'},     {1252, "\x8A", U'Š'},     {1250, "\xBF", U'ż'},
    {1250, "\xB3", U'ł'},     {1251, "\xC0", U'А'},     {1251, "\xFF", U'я'},     {1251, "\xA8", U'Ё'},
    {1253, "\xC1", U'Α'},     {1253, "\xF2", U'ς'},     {1254, "\xDD", U'İ'},     {1254, "\xF0", U'ğ'},
    {1255, "\xE0", U'א'},     {1256, "\xC7", U'ا'},     {1257, "\xC0", U'Ą'},     {1258, "\xD2", U'\u0309'},
    {874, "\xA1", U'ก'},      {932, "\x82\xA0", U'あ'}, {932, "\x83\x41", U'ア'}, {932, "\xB1", U'ｱ'},
    {936, "\xD6\xD0", U'中'}, {949, "\xB0\xA1", U'가'}, {950, "\xA4\xA4", U'中'}, {932, "A", U'A'},
};

TEST(CodePageTest, BytesAndUnicodeMapBothWays) {
  for (const Mapping& m : kMappings) {
    SCOPED_TRACE(std::to_string(m.CodePage) + " " + m.Bytes);
    EXPECT_EQ(CodePageToUnicode(m.CodePage, m.Bytes), m.Unicode);
    EXPECT_EQ(UnicodeToCodePage(m.CodePage, m.Unicode), m.Bytes);
  }
}

TEST(CodePageTest, WhatACodePageCannotHoldIsNothingOrAQuestionMark) {
  EXPECT_EQ(UnicodeToCodePage(1251, U'é'), "");
  EXPECT_EQ(UnicodeToCodePage(1252, U'Ж'), "");
  EXPECT_EQ(UnicodeToCodePage(932, U'Ж'), "\x84\x47");  // Shift-JIS does hold Cyrillic
  EXPECT_EQ(UnicodeToCodePage(936, U'\U0001F600'), "");
  EXPECT_EQ(CodePageToUnicode(932, "\x82"), std::nullopt);  // a lead byte without its trail
  ScopedSystemCodePage cyrillic(1251);
  EXPECT_EQ(UnicodeToSystem(U'Ж'), "\xC6");
  EXPECT_EQ(UnicodeToSystem(U'é'), "?");
}

TEST(CodePageTest, LeadBytesOfTheDoubleBytePages) {
  struct Case {
    int CodePage;
    unsigned char Byte;
    bool Lead;
  };
  const Case cases[] = {{932, 0x81, true},   {932, 0x9F, true},   {932, 0xA1, false}, {932, 0xDF, false},
                        {932, 0xE0, true},   {932, 0xFC, true},   {932, 0xFD, false}, {936, 0x81, true},
                        {936, 0xFE, true},   {936, 0x80, false},  {949, 0xB0, true},  {950, 0xA4, true},
                        {1252, 0x82, false}, {1251, 0xC0, false}, {932, 'A', false}};
  for (const Case& c : cases) EXPECT_EQ(IsLeadByte(c.CodePage, c.Byte), c.Lead) << c.CodePage << " " << +c.Byte;
}

TEST(CodePageTest, CharsetsAndTheirCodePages) {
  const std::pair<int, int> pairs[] = {{1252, 0},   {1250, 238}, {1251, 204}, {1253, 161}, {1254, 162},
                                       {1255, 177}, {1256, 178}, {1257, 186}, {1258, 163}, {874, 222},
                                       {932, 128},  {936, 134},  {949, 129},  {950, 136}};
  for (const auto& [codePage, charset] : pairs) {
    EXPECT_EQ(CodePageCharset(codePage), charset) << codePage;
    EXPECT_EQ(CharsetCodePage(charset), codePage) << charset;
  }
  EXPECT_EQ(CharsetCodePage(1), 0);  // the default set names no code page of its own
}

TEST(CodePageTest, TestTextsAreWrittenInTheirCodePage) {
  EXPECT_EQ(InCodePage(1251, U"Привет"), "\xCF\xF0\xE8\xE2\xE5\xF2");
  EXPECT_EQ(InCodePage(1252, U"Привет"), "??????");
}

}  // namespace
}  // namespace quorvel
