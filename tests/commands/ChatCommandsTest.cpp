#include <gtest/gtest.h>

#include "TestWorld.h"
#include "commands/ChatCommands.h"
#include "model/ProgramFile.h"
#include "panel/RoomFrame.h"
#include "tick/PollTick.h"

namespace quorvel {
namespace {

class ChatCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world.InstallClient("10.1");
    world.SignIn("Host");
    room = world.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
    world.desktop.SetEcho(false);  // each line stays the newest: one tick, one run
    StartPolling(world.bot);
    world.settings.Admins.AdminList.Items = {"Bob"};
  }
  std::vector<std::string> Say(const std::string& line) {
    world.desktop.AppendLine(room, line);
    PollTick(world.bot);
    std::vector<std::string> sent;
    while (SimEvent* e = world.events.Consume(EventKind::Sent)) sent.push_back(e->Text);
    return sent;
  }
  testing::TestWorld world;
  WindowHandle room = kNoWindow;
};

TEST_F(ChatCommandsTest, EveryPlainRow) {
  struct Row {
    const char* Text;
    const char* Notice;
  };
  const Row rows[] = {
      {"greeter on", "Greeter is now On"},
      {"greeter off", "Greeter is now Off"},
      {"ab on", "Autobounce is now On"},
      {"ab off", "Autobounce is now Off"},
      {"rd on", "AutoRedot is now On"},
      {"rd off", "AutoRedot is now Off"},
      {"anouncer on", "Anouncer is now On"},
      {"anouncer off", "Anouncer is now Off"},
      {"responder on", "Responder is now On"},
      {"responder off", "Responder is now Off"},
      {"swearbot off", "Swearbot is now Off"},
      {"rt", "Anouncer Time Reset"},
      {"asing!", "Anouncer is on single mode now."},
      {"amult!", "Anouncer is on multi mode now."},
      {"arand!", "Anouncer is on random mode now."},
      {"sw bc", "Swearbot is now on Bounce mode."},
      {"sw rd", "Swearbot is now on RedDot mode."},
      {"sw wr", "Swearbot is now on Warning mode."},
      {"sw wo", "Swearbot will give a warning before reddot or bounce."},
      {"sw wf", "Swearbot will NOT give a warning before reddot or bounce."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.Text);
    EXPECT_EQ(Say(std::string("Bob:   ") + row.Text), std::vector<std::string>{row.Notice});
    EXPECT_TRUE(Say(std::string("Eve: ") + row.Text).empty());
    EXPECT_TRUE(Say(std::string("Bob: ") + row.Text + " ").empty());
  }
}

TEST_F(ChatCommandsTest, FlagsModesAndIndicatorsChangeTogether) {
  world.settings.Announcer.AnnounceCounter = "17";
  StopPolling(world.bot);
  Say("Bob: ANOUNCER ON");
  EXPECT_TRUE(world.settings.Features.AnnouncerOn);
  EXPECT_EQ(world.settings.Panel.AnnouncerLabel, "Anouncer On");
  EXPECT_FALSE(world.settings.PollTimer);  // a command never touches the timer
  Say("Bob: rt");
  EXPECT_EQ(world.settings.Announcer.AnnounceCounter, "0");
  Say("Bob: sw rd");
  EXPECT_EQ(world.settings.Swear.SwearMode, BotSettings::SwearModes::RedDot);
  EXPECT_FALSE(world.settings.Features.SwearbotOn);
  Say("Bob: sw wf");
  EXPECT_EQ(world.settings.Swear.WarnFirst, BotSettings::WarnFirstChoice::No);
  Say("Bob: arand!");
  EXPECT_EQ(world.settings.Announcer.AnnounceMode, BotSettings::AnnounceModes::Rand);
}

TEST_F(ChatCommandsTest, SwearbotOnWantsALowerCaseEntry) {
  EXPECT_TRUE(Say("Bob: swearbot on").empty());
  world.settings.Admins.AdminList.Items = {"Bob"};
  EXPECT_EQ(Say("bob: swearbot on"), std::vector<std::string>{"Swearbot is now On"});
  EXPECT_TRUE(world.settings.Features.SwearbotOn);
  EXPECT_TRUE(Say("bob: swearbot off").empty());
}

TEST_F(ChatCommandsTest, ArgumentRows) {
  EXPECT_EQ(Say("Bob: ad! Carol"), std::vector<std::string>{"Admin Added"});
  EXPECT_EQ(world.settings.Admins.AdminList.Items, (std::vector<std::string>{"Bob", "carol"}));
  EXPECT_TRUE(Say("Carol: greeter on").empty());  // "carol" is not "Carol"
  EXPECT_EQ(Say("Bob: as! heck"), std::vector<std::string>{"swear Added"});
  EXPECT_EQ(world.settings.Swear.SwearList.Items, std::vector<std::string>{"heck"});
  EXPECT_EQ(Say("Bob: at! 1x"), std::vector<std::string>{"Anouncer Time Change"});
  EXPECT_EQ(world.settings.Announcer.AnnounceInterval, "1x");
  EXPECT_EQ(Say("Bob: rm! hi dv! hello there"), std::vector<std::string>{"Responder added"});
  EXPECT_EQ(world.settings.Responder.ResponderTriggers.Items, std::vector<std::string>{"hi"});
  EXPECT_EQ(world.settings.Responder.ResponderReplies.Items, std::vector<std::string>{"hello there"});
  EXPECT_EQ(world.settings.Args.ResponderArg, "");
  EXPECT_EQ(Say("Bob: aa! mute"), std::vector<std::string>{"Nick added to the AutoRedot List."});
  EXPECT_EQ(world.settings.Moderation.AutoRedotList.Items, std::vector<std::string>{"mute"});
}

TEST_F(ChatCommandsTest, AnEntryNoListFileCanKeepIsRefused) {
  using A = ArgumentSlots;
  BotSettings& s = world.settings;
  const std::pair<std::string A::*, const PanelList*> rows[] = {{&A::AnnounceArg, &s.Announcer.AnnounceList},
                                                                {&A::ResponderArg, &s.Responder.ResponderReplies},
                                                                {&A::AdminArg, &s.Admins.AdminList},
                                                                {&A::SwearArg, &s.Swear.SwearList},
                                                                {&A::AutoBounceArg, &s.Moderation.AutoBounceList},
                                                                {&A::AutoRedotArg, &s.Moderation.AutoRedotList}};
  for (const auto& [slot, list] : rows) {
    for (const char* entry : {"hi dv! say \"yo\", pal", "two\r\nlines", "lf\nonly"}) {
      const size_t before = list->Items.size();
      s.Args.*slot = entry;
      s.Line.Sender = "Bob";
      RunChatCommands(world.bot);
      const SimEvent* told = world.events.Consume(EventKind::Sent);
      EXPECT_EQ(told ? told->Text : "", kEntryRefusedMessage) << entry;
      EXPECT_EQ(list->Items.size(), before);
      EXPECT_TRUE((s.Args.*slot).empty() && s.Args.ReplyArg.empty());
    }
  }
}

TEST_F(ChatCommandsTest, OneLineFillsSeveralSlotsInTableOrder) {
  EXPECT_EQ(Say("Bob: ad! x aba! y"), (std::vector<std::string>{"Admin Added", "Nick added to the Autobounce List."}));
  EXPECT_EQ(world.settings.Admins.AdminList.Items.back(), "x aba! y");
  EXPECT_EQ(world.settings.Moderation.AutoBounceList.Items, std::vector<std::string>{"y"});
}

// A command belongs to its own message: a nick not on the list commands
// nothing, and nothing it typed waits for an admin's next line.
TEST_F(ChatCommandsTest, AuthorityBelongsToTheMessage) {
  world.desktop.SetNicks(room, {"Ann", "Carol"});
  for (const char* command : {"aba! troll", "ad! eve", "adda! spam", "at! 0", "bc! carol", "as! x", "seen! ann"}) {
    SCOPED_TRACE(command);
    EXPECT_TRUE(Say(std::string("Eve: ") + command).empty());
    EXPECT_TRUE(Say("Bob: hi all").empty());
  }
  EXPECT_EQ(world.settings.Admins.AdminList.Items, std::vector<std::string>{"Bob"});
  EXPECT_TRUE(world.settings.Moderation.AutoBounceList.Items.empty());
  EXPECT_FALSE(world.events.Consume(EventKind::Posted));
}

// The bot's own messages come back under the signed-in nick; what it said
// never commands it, what the operator types under that nick does.
TEST_F(ChatCommandsTest, TheBotsOwnEchoCommandsNothing) {
  world.settings.Admins.AdminList.Items = {"Host"};
  world.settings.BotNick = "Host";
  world.desktop.SetEcho(true);
  world.settings.Responder.ResponderTriggers.Items = {"how do i mute"};
  world.settings.Responder.ResponderReplies.Items = {"greeter on"};
  world.settings.Features.ResponderOn = true;
  EXPECT_EQ(Say("Ann: how do I mute"), std::vector<std::string>{"greeter on"});
  EXPECT_TRUE(Say("Ann: ok").empty());  // the echo "Host: greeter on" was read in this tick
  EXPECT_FALSE(world.settings.Features.GreeterOn);
  world.clock.AdvanceMs(11000);
  EXPECT_EQ(Say("Host: greeter on"), std::vector<std::string>{"Greeter is now On"});
}

TEST_F(ChatCommandsTest, DuplicateAdminsAreObeyedTwice) {
  world.settings.Admins.AdminList.Items = {"Bob", "Ann", "Bob"};
  EXPECT_EQ(Say("Bob: ab on").size(), 2u);
  EXPECT_EQ(Say("Bob: aba! troll").size(), 2u);
  EXPECT_EQ(world.settings.Moderation.AutoBounceList.Items, (std::vector<std::string>{"troll", ""}));
}

TEST_F(ChatCommandsTest, BounceByCommandNeedsTheNickInTheRoom) {
  world.desktop.SetNicks(room, {"Ann", "Zed"});
  EXPECT_TRUE(Say("Bob: bc! carol").empty());
  EXPECT_EQ(world.settings.Args.BounceArg, "");
  EXPECT_FALSE(world.events.Consume(EventKind::Posted));
  EXPECT_EQ(Say("Bob: rd! ZED"), std::vector<std::string>{"zed reddot status change by Bob"});
  EXPECT_EQ(world.events.Consume(EventKind::Posted)->CommandId, 32946);
}

}  // namespace
}  // namespace quorvel
