#include <gtest/gtest.h>

#include "CodePageText.h"
#include "TestWorld.h"
#include "engine/FloodGuard.h"
#include "model/FloodNumbers.h"
#include "text/AnsiText.h"

namespace quorvel {
namespace {

// Capitals follow the system code page: a letter is what has two cases there.
TEST(FloodGuardTest, CapitalsCountTheLettersOfTheCodePage) {
  struct Case {
    int CodePage;
    std::u32string Typed;
    bool Warned;
  };
  const Case cases[] = {
      {1252, U"ÄÖÜ ABC!", true},     {1252, U"Äöü abc!", false},  {1251, U"ПРИВЕТ ВСЕМ", true},
      {1251, U"Привет всем", false}, {1253, U"ΓΕΙΑ ΣΑΣ", true},   {932, U"中文字中文字 AB", false},
      {932, U"中文 ABCDEF", true},   {1252, U"12345 !!!", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.CodePage);
    ScopedSystemCodePage inForce(c.CodePage);
    testing::TestWorld world;
    world.AttachedRoom();
    world.settings.Features.FloodGuardOn = true;
    world.settings.Flood.CapsLetters = "5";
    const std::string typed = testing::InCodePage(c.CodePage, c.Typed);
    world.settings.Line.RawLine = "Eve: " + typed;
    world.settings.Line.Text = AnsiLower(typed);
    world.settings.Line.Sender = "Eve";
    WatchForFlood(world.bot, false);
    EXPECT_EQ(world.events.Consume(EventKind::Sent) != nullptr, c.Warned) << typed;
  }
}

// "flood.txt": NAME=VALUE lines of whole numbers; anything else, and every
// number is its default.
TEST(FloodGuardTest, TheNumbersFileReadsWholeOrNotAtAll) {
  struct Case {
    const char* Text;
    bool Read;
    const char* Messages;
    const char* CapsLetters;
  };
  const Case cases[] = {
      {"FloodMessages=8\r\nCapsLetters=12\r\n", true, "8", "12"},
      {"", true, "5", "0"},
      {" FloodMessages = 7 \r\n\r\n", true, "7", "0"},
      {"FloodMessages=lots\r\nCapsLetters=12\r\n", false, "5", "0"},
      {"Flood=3\r\n", false, "5", "0"},
      {"CapsLetters=12\r\nFloodMessages=-1\r\n", false, "5", "0"},
      {"FloodMessages=2000000\r\n", false, "5", "0"},
      {"FloodMessages\r\n", false, "5", "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    BotSettings s;
    s.Flood.FloodMessages = "99";
    EXPECT_EQ(ReadFloodFile(c.Text, s), c.Read);
    EXPECT_EQ(s.Flood.FloodMessages, c.Messages);
    EXPECT_EQ(s.Flood.CapsLetters, c.CapsLetters);
  }
  // What is written reads back; a box that holds no number is written as its default.
  BotSettings s;
  s.Flood.RepeatTimes = "4";
  s.Flood.FloodSeconds = "soon";
  BotSettings back;
  ASSERT_TRUE(ReadFloodFile(FloodFileText(s), back));
  EXPECT_EQ(back.Flood.RepeatTimes, "4");
  EXPECT_EQ(back.Flood.FloodSeconds, "5");
}

}  // namespace
}  // namespace quorvel
