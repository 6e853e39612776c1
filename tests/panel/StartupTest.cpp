#include <gtest/gtest.h>

#include "ProgramDirTest.h"
#include "panel/Startup.h"

namespace quorvel {
namespace {

TEST_F(ProgramDirTest, EveryListLoadsInItsOrder) {
  WriteAllLists();
  Write("Designs/Anouncer1.rtf", "{\\rtf1 Base\\par}");
  world.SignIn("Host");
  RunStartupSequence(world.bot);
  const BotSettings& s = world.settings;
  EXPECT_EQ(s.BotNick, "Host");
  EXPECT_EQ(s.Swear.SwearList.Items, std::vector<std::string>{"words.txt"});
  EXPECT_EQ(s.Responder.ResponderReplies.Items, std::vector<std::string>{"ans.txt"});
  EXPECT_EQ(s.Greeter.DesignNames.Items, std::vector<std::string>{"dlistd.txt"});
  EXPECT_EQ(s.Announcer.AnnounceList.Items, std::vector<std::string>{"ans3.txt"});
  EXPECT_EQ(s.Announcer.AnnounceList.SelectedIndex(), 0);
  EXPECT_EQ(s.Announcer.AnnounceBuffer.PlainText(), "Base");
  EXPECT_EQ(s.Messages.WarnMessage.FormatAt(0).Color, Rgb(192, 0, 0));
  EXPECT_EQ(s.Messages.BounceMessage.FormatAt(0).Color, Rgb(192, 0, 0));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(ProgramDirTest, GatesStopTheLoading) {
  struct Case {
    const char* Missing;
    size_t AdminCount;
    size_t AnnounceCount;
    std::vector<std::string> Messages;
  };
  const Case cases[] = {
      {"words.txt", 0, 0, {}},
      {"admins.txt", 0, 0, {}},
      {"dlist.txt", 1, 0, {"One of the files [dlist.txt]does not exist!"}},
      {"dlistd.txt", 1, 0, {"One of the files [dlistd.txt]does not exist!"}},
      {"ans3.txt", 1, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Missing);
    WriteAllLists();
    std::filesystem::remove(dir / c.Missing);
    world.settings = BotSettings();
    RunStartupSequence(world.bot);
    EXPECT_EQ(world.settings.Admins.AdminList.Items.size(), c.AdminCount);
    EXPECT_EQ(world.settings.Announcer.AnnounceList.Items.size(), c.AnnounceCount);
    EXPECT_EQ(Messages(), c.Messages);
    if (std::string(c.Missing) == "words.txt") {
      EXPECT_TRUE(world.settings.Moderation.AutoBounceList.Items.empty());
      EXPECT_EQ(world.settings.Messages.WarnMessage.FormatAt(0).Color, kAutoColor);
    }
  }
}

}  // namespace
}  // namespace quorvel
