// The bot on a Cyrillic system (ANSI code page 1251) against fakepal.exe in
// the same locale: it reads and lower-cases Cyrillic lines, matches Cyrillic
// phrases, and its warning reaches the client's send box as the right letters.
// ctest runs it on its own, with LANG=ru_RU.UTF-8, which gives Wine's
// processes that code page.
#include <gtest/gtest.h>

#include "CodePageText.h"
#include "FakePalProcess.h"
#include "FakePalProtocol.h"
#include "Win32World.h"
#include "host/win32/Win32Host.h"
#include "panel/FeatureSwitch.h"
#include "panel/Startup.h"
#include "roomlink/TranscriptReader.h"
#include "roomlink/win32/Win32Desktop.h"
#include "text/CodePage.h"
#include "tick/PollTick.h"

namespace quorvel {
namespace {

using testing::FakePalProcess;
using testing::InCodePage;

std::string Cyrillic(std::u32string_view text) { return InCodePage(1251, text); }

// The newest journal line of a kind, split at tabs.
std::vector<std::string> LastJournal(const FakePalProcess& pal, const std::string& kind) {
  std::vector<std::string> found;
  for (const auto& line : pal.JournalLines()) {
    if (line.rfind(kind + "\t", 0) != 0) continue;
    found.assign(1, std::string());
    for (char c : line) {
      if (c == '\t')
        found.emplace_back();
      else
        found.back().push_back(c);
    }
  }
  return found;
}

TEST(CyrillicRoomTest, ReadsMatchesAndWarnsInCyrillic) {
  ASSERT_EQ(GetACP(), 1251u) << "run with LANG=ru_RU.UTF-8 (scripts/setup makes the locale)";
  // What the entry point does at start-up.
  ScopedSystemCodePage codePage(static_cast<int>(GetACP()));

  testing::Win32World world;
  Bot& bot = world.bot;
  BotSettings& settings = world.settings;
  Win32Desktop& desktop = world.desktop;
  testing::InstallClient();

  const std::string room = "Russian Room";
  const std::string ivan = Cyrillic(U"Иван");
  FakePalProcess pal("fakepal64.exe", {"--layout", "10", "--room", room, "--nicks", "Ann," + ivan});
  ASSERT_TRUE(pal.Ready()) << "fakepal did not start";
  CreateMainWindow(bot);
  LoadMainWindow(bot);
  ASSERT_EQ(settings.Room.SelectedRoomTitle, room);

  settings.Swear.SwearList.Items = {Cyrillic(U"плохое слово")};
  settings.Swear.SwearMode = BotSettings::SwearModes::Warning;
  settings.Messages.WarnMessage = RichText::FromPlainText(Cyrillic(U"sn%, не говори «sw%» здесь. Ёж"));
  StartFeature(bot, Feature::Swearbot);

  ASSERT_TRUE(pal.Command(fakepal::kAppendLine, {room, ivan + ": " + Cyrillic(U"Это ПЛОХОЕ Слово, ЧЁРТ!")}));
  PollTick(bot);
  EXPECT_EQ(settings.Line.RawLine, ivan + ": " + Cyrillic(U"Это ПЛОХОЕ Слово, ЧЁРТ!"));
  EXPECT_EQ(settings.Line.Sender, ivan);
  EXPECT_EQ(settings.Line.Text, Cyrillic(U"это плохое слово, чёрт!"));
  EXPECT_EQ(settings.Swear.MatchedPhrase, Cyrillic(U"плохое слово"));

  const std::string warning = Cyrillic(U"Иван, не говори «плохое слово» здесь. Ёж");
  const auto sent = LastJournal(pal, "SENT");
  ASSERT_EQ(sent.size(), 4u) << "no warning was sent";
  EXPECT_EQ(sent[1], warning);
  std::string raw;
  GetLastLine(desktop, settings.Room.TranscriptHandle, raw);
  EXPECT_EQ(raw, "Operator: " + warning);
}

}  // namespace
}  // namespace quorvel
