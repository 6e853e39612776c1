#include <gtest/gtest.h>

#include "TestWorld.h"
#include "engine/ModerationActions.h"
#include "engine/SwearMonitor.h"
#include "panel/FeatureSwitch.h"
#include "panel/NickGrabber.h"
#include "panel/RoomFrame.h"
#include "roomlink/NickList.h"
#include "tick/PollTick.h"

namespace quorvel {
namespace {

class CountingPump : public MessagePump {
 public:
  int pumps = 0;
  void PumpOnce() override { ++pumps; }
};

class ModerationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world.InstallClient("10.1");
    world.SignIn("Host");
    room = world.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
    world.desktop.SetNicks(room, {"Ann", "@Bob", "Carol"});
    StartPolling(world.bot);
  }
  std::vector<SimEvent> All(EventKind kind) {
    std::vector<SimEvent> out;
    while (SimEvent* e = world.events.Consume(kind)) out.push_back(*e);
    return out;
  }
  testing::TestWorld world;
  WindowHandle room = kNoWindow;
};

TEST_F(ModerationTest, MatchingRules) {
  struct Case {
    const char* Target;
    bool WithMessage;
    const char* Posted;  // the item selected when the command went, or "" for none
  };
  const Case cases[] = {
      {"Bob", false, "@Bob"},    // the "@" is not part of the nick
      {"bob", false, ""},        // exact for the join actions
      {"carol", true, "Carol"},  // lower-cased for the commands
      {"Carol", true, ""},       // a command argument is lower case; "Carol" cannot be one
      {"Zed", false, ""},        // left the room before the action
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Target);
    world.desktop.SetNicks(room, {"Ann", "@Bob", "Carol"});
    world.settings.Line.Sender = "Ann";
    if (c.WithMessage) {
      world.settings.Args.BounceArg = c.Target;
      BounceNickWithMessage(world.bot);
      EXPECT_EQ(world.settings.Args.BounceArg, "");
    } else {
      world.settings.Line.JoinedNick = c.Target;
      BounceNick(world.bot);
      EXPECT_EQ(world.settings.Line.JoinedNick, "");
    }
    EXPECT_TRUE(world.settings.Moderation.RoomNickList.empty());
    const auto posted = All(EventKind::Posted);
    const auto sent = All(EventKind::Sent);
    const auto started = All(EventKind::Started);
    if (std::string(c.Posted).empty()) {
      EXPECT_TRUE(posted.empty());
      EXPECT_TRUE(sent.empty());
      EXPECT_TRUE(started.empty());
      continue;
    }
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].CommandId, 32947);
    EXPECT_EQ(posted[0].Nick, c.Posted);
    EXPECT_EQ(started.size(), 1u);
    EXPECT_EQ(sent.size(), c.WithMessage ? 1u : 0u);
  }
}

TEST_F(ModerationTest, NoticeIsPersonalisedAndSafe) {
  world.settings.Line.Sender = "{\\b}Ann";
  world.settings.Args.RedotArg = "carol";
  RedDotNickWithMessage(world.bot);
  const auto sent = All(EventKind::Sent);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].Text, "carol reddot status change by {\\b}Ann");
  EXPECT_EQ(All(EventKind::Posted).at(0).CommandId, 32946);
  EXPECT_TRUE(All(EventKind::Started).empty());  // no companion after a red dot
}

TEST_F(ModerationTest, TheLastOfSeveralMatchesCounts) {
  world.desktop.SetNicks(room, {"Joe", "Ann", "@Joe"});
  world.settings.Line.JoinedNick = "Joe";
  RedDotNick(world.bot);
  EXPECT_EQ(world.settings.Moderation.NickListIndex, "2");
  EXPECT_EQ(All(EventKind::Posted).at(0).Nick, "@Joe");
}

TEST_F(ModerationTest, TheSwearMonitorPunishesThroughTheSameAction) {
  // Bob joined while "@Bob" was listed: without the "@" he stands twice.
  world.desktop.SetNicks(room, {"Troll", "@Bob", "QBot", "Bob"});
  CountingPump pump;
  Host host{world.clock, world.random, pump, world.dialogs, world.shell};
  Bot bot{world.settings, world.desktop, world.registry, host, world.view, "/nonexistent"};
  world.settings.Line.Sender = "Bob";
  world.settings.Swear.SwearMode = BotSettings::SwearModes::Bounce;
  PunishOrWarn(bot);
  EXPECT_EQ(world.settings.Moderation.NickListIndex, "3");
  const auto posted = All(EventKind::Posted);
  ASSERT_EQ(posted.size(), 1u);
  EXPECT_EQ(posted[0].CommandId, 32947);
  EXPECT_EQ(posted[0].Nick, "Bob");  // the second entry, not "@Bob"
  EXPECT_EQ(pump.pumps, 2);
  EXPECT_EQ(All(EventKind::Sent).at(0).Text, "Bob was bounce swearing in the room");
  EXPECT_TRUE(world.settings.Moderation.RoomNickList.empty());

  world.settings.Swear.SwearMode = BotSettings::SwearModes::RedDot;
  world.desktop.SetNicks(room, {"bob", "Bob", "Ann"});
  PunishOrWarn(bot);
  EXPECT_EQ(world.settings.Moderation.NickListIndex, "1");  // exact match: "bob" is someone else
  EXPECT_EQ(All(EventKind::Posted).at(0).CommandId, 32946);
  EXPECT_TRUE(All(EventKind::Sent).empty());  // a red dot is not announced
}

// A pump that lets a panel action scribble over the position in between.
class ScribblingPump : public MessagePump {
 public:
  explicit ScribblingPump(std::string& field) : field_(field) {}
  void PumpOnce() override { field_ = "not a number"; }

 private:
  std::string& field_;
};

TEST_F(ModerationTest, AnUnreadablePositionFiresNothing) {
  ScribblingPump pump(world.settings.Moderation.NickListIndex);
  Host host{world.clock, world.random, pump, world.dialogs, world.shell};
  Bot bot{world.settings, world.desktop, world.registry, host, world.view, "/nonexistent"};
  world.settings.Line.JoinedNick = "Ann";
  BounceNick(bot);
  EXPECT_TRUE(All(EventKind::Posted).empty());
  EXPECT_EQ(world.settings.Line.JoinedNick, "");
}

// A pump during which the client's list changes, as nicks join and leave.
class NickChangingPump : public MessagePump {
 public:
  NickChangingPump(SimDesktop& desktop, WindowHandle room, std::vector<std::string> items)
      : desktop_(desktop), room_(room), items_(std::move(items)) {}
  void PumpOnce() override {
    if (pumps_++ == 0) desktop_.SetNicks(room_, items_);
  }

 private:
  SimDesktop& desktop_;
  WindowHandle room_;
  std::vector<std::string> items_;
  int pumps_ = 0;
};

TEST_F(ModerationTest, TheNickMeantIsTheOneActedOn) {
  struct Case {
    const char* Name;
    std::vector<std::string> Before, DuringPump;
    const char* Target;
    bool WithMessage;
    const char* Posted;      // the item the command went to, "" for no command
    const char* IndexAfter;  // NickListIndex afterwards
  };
  const Case cases[] = {
      {"joined above", {"Ann", "Troll"}, {"Ann", "Zed", "Troll"}, "Troll", false, "Troll", "2"},
      {"left above", {"Ann", "Zed", "Troll"}, {"Ann", "Troll"}, "Troll", false, "Troll", "1"},
      {"left, another in its place", {"Ann", "Troll"}, {"Ann", "Zed"}, "Troll", false, "", "1"},
      {"left, the list shorter", {"Ann", "Troll"}, {"Ann"}, "Troll", false, "", "1"},
      {"unchanged", {"Ann", "Troll"}, {"Ann", "Troll"}, "Troll", false, "Troll", "1"},
      {"now an admin", {"Ann", "Troll"}, {"Ann", "@Troll"}, "Troll", false, "@Troll", "1"},
      {"by command, moved", {"Ann", "Troll"}, {"Zed", "Ann", "TROLL"}, "troll", true, "TROLL", "2"},
      {"by command, left", {"Ann", "Troll"}, {"Ann", "Zed"}, "troll", true, "", "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    world.desktop.SetNicks(room, c.Before);
    NickChangingPump pump(world.desktop, room, c.DuringPump);
    Host host{world.clock, world.random, pump, world.dialogs, world.shell};
    Bot bot{world.settings, world.desktop, world.registry, host, world.view, "/nonexistent"};
    world.settings.Line.Sender = "Ann";
    if (c.WithMessage) {
      world.settings.Args.BounceArg = c.Target;
      BounceNickWithMessage(bot);
    } else {
      world.settings.Line.JoinedNick = c.Target;
      BounceNick(bot);
    }
    const auto posted = All(EventKind::Posted);
    const auto sent = All(EventKind::Sent);
    EXPECT_EQ(world.settings.Moderation.NickListIndex, c.IndexAfter);
    EXPECT_TRUE(world.settings.Moderation.RoomNickList.empty());
    if (std::string(c.Posted).empty()) {
      EXPECT_TRUE(posted.empty());
      EXPECT_TRUE(sent.empty());
      EXPECT_TRUE(All(EventKind::Started).empty());
      EXPECT_EQ(world.desktop.Nicks(room).size(), c.DuringPump.size());
      continue;
    }
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].Nick, c.Posted);
    EXPECT_EQ(All(EventKind::Started).size(), 1u);
    EXPECT_EQ(sent.size(), c.WithMessage ? 1u : 0u);
    EXPECT_FALSE(world.desktop.HasNick(room, c.Posted));
    EXPECT_EQ(world.desktop.Nicks(room).size(), c.DuringPump.size() - 1);
  }
}

TEST_F(ModerationTest, ActionsLetPendingMessagesRunTwice) {
  CountingPump pump;
  Host host{world.clock, world.random, pump, world.dialogs, world.shell};
  Bot bot{world.settings, world.desktop, world.registry, host, world.view, "/nonexistent"};
  world.settings.Line.JoinedNick = "Ann";
  BounceNick(bot);
  EXPECT_EQ(pump.pumps, 2);
}

TEST_F(ModerationTest, NickGetReplacesTheListAndKeepsNoAdminMark) {
  ReadRoomNicks(world.desktop, "Lobby Room", world.settings.Moderation.RoomNickList);
  ReadRoomNicks(world.desktop, "Lobby Room", world.settings.Moderation.RoomNickList);
  EXPECT_EQ(world.settings.Moderation.RoomNickList, (std::vector<std::string>{"Ann", "Bob", "Carol"}));
  std::vector<std::string> grabbed;
  AppendGrabberNicks(world.desktop, "Lobby Room", grabbed);
  EXPECT_EQ(grabbed, (std::vector<std::string>{"Ann", "@Bob", "Carol"}));
  EXPECT_EQ(FindNickListView(world.desktop, "Other Room"), kNoWindow);
  EXPECT_EQ(UserCountText(world.desktop, "Other Room"), "0");
  world.desktop.OpenRoom("Shallow Room", RoomLayout::Shallow);
  EXPECT_EQ(FindNickListView(world.desktop, "Shallow Room"), kNoWindow);
}

// One hit by Joe, against the whole reaction table.
struct SwearCase {
  BotSettings::SwearModes Mode;
  BotSettings::WarnFirstChoice WarnFirst;
  bool Warned;
  bool LastPunished;
  bool WarningSent;
  int Command;  // 0: none
  bool NoticeSent;
  bool WarnedAfter;
  bool LastPunishedAfter;
};

class SwearTableTest : public ModerationTest, public ::testing::WithParamInterface<SwearCase> {};

TEST_P(SwearTableTest, OneHit) {
  const SwearCase& c = GetParam();
  world.desktop.SetNicks(room, {"Joe"});
  world.settings.Swear.SwearMode = c.Mode;
  world.settings.Swear.WarnFirst = c.WarnFirst;
  if (c.Warned) world.settings.Swear.WarnedUsers.Items = {"Joe"};
  if (c.LastPunished) world.settings.Swear.LastPunishedNick = "Joe";
  world.settings.Line.Sender = "Joe";
  world.settings.Swear.MatchedPhrase = "damn";
  PunishOrWarn(world.bot);
  const auto sent = All(EventKind::Sent);
  const auto posted = All(EventKind::Posted);
  std::vector<std::string> texts;
  for (const auto& e : sent) texts.push_back(e.Text);
  std::vector<std::string> want;
  if (c.WarningSent) want.push_back("Joe don't say damn in this room.");
  if (c.NoticeSent) want.push_back("Joe was bounce swearing in the room");
  EXPECT_EQ(texts, want);
  if (c.Command) {
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].CommandId, c.Command);
  } else {
    EXPECT_TRUE(posted.empty());
  }
  EXPECT_EQ(world.settings.Swear.WarnedUsers.Items == std::vector<std::string>{"Joe"}, c.WarnedAfter);
  EXPECT_EQ(world.settings.Swear.LastPunishedNick == "Joe", c.LastPunishedAfter);
}

using M = BotSettings::SwearModes;
using W = BotSettings::WarnFirstChoice;
INSTANTIATE_TEST_SUITE_P(
    Reactions, SwearTableTest,
    ::testing::Values(SwearCase{M::Warning, W::Neither, false, false, true, 0, false, true, false},
                      SwearCase{M::Warning, W::Yes, true, true, true, 0, false, true, true},
                      SwearCase{M::Bounce, W::Yes, false, false, true, 0, false, true, false},
                      // Each message is judged once: the first hit after a punishment is warned, not swallowed.
                      SwearCase{M::Bounce, W::Yes, false, true, true, 0, false, true, true},
                      SwearCase{M::Bounce, W::Yes, true, false, false, 32947, true, false, true},
                      SwearCase{M::RedDot, W::Yes, false, false, true, 0, false, true, false},
                      SwearCase{M::RedDot, W::Yes, false, true, true, 0, false, true, true},
                      SwearCase{M::RedDot, W::Yes, true, true, false, 32946, false, false, true},
                      SwearCase{M::Bounce, W::No, true, false, false, 32947, true, true, false},
                      SwearCase{M::Bounce, W::Neither, false, true, false, 32947, true, false, true},
                      SwearCase{M::RedDot, W::No, false, false, false, 32946, false, false, false}));

// One reaction per message, for the first listed phrase it holds.
TEST_F(ModerationTest, ScanReactsOncePerMessageButNotToTheBot) {
  StartFeature(world.bot, Feature::Swearbot);
  world.settings.Swear.SwearMode = M::Warning;
  world.settings.Swear.SwearList.Items = {"Bad", "word", "bad"};
  world.settings.BotNick = "Host";
  world.desktop.AppendLine(room, "Joe: a BAD word");
  PollTick(world.bot);
  const auto sent = All(EventKind::Sent);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].Text, "Joe don't say word in this room.");
  world.desktop.AppendLine(room, "Host: bad word");
  PollTick(world.bot);
  EXPECT_TRUE(All(EventKind::Sent).empty());
  PollTick(world.bot);  // nothing new: nothing judged again
  EXPECT_TRUE(All(EventKind::Sent).empty());
  world.settings.BotNick.clear();
  world.desktop.AppendLine(room, "Host: bad word");
  PollTick(world.bot);
  EXPECT_EQ(All(EventKind::Sent).size(), 1u);
}

TEST_F(ModerationTest, AutoBounceComesFirstInTheTick) {
  StartFeature(world.bot, Feature::AutoBounce);
  StartFeature(world.bot, Feature::AutoRedot);
  StartFeature(world.bot, Feature::Greeter);
  world.settings.Greeter.DesignEditor.SetPlainText("Hi %sn");
  world.settings.Moderation.AutoBounceList.Items = {"", "Troll"};
  world.settings.Moderation.AutoRedotList.Items = {"Troll"};
  world.desktop.AddNick(room, "Troll");
  world.desktop.AppendLine(room, "Troll has joined the room");
  PollTick(world.bot);
  const auto posted = All(EventKind::Posted);
  ASSERT_EQ(posted.size(), 1u);
  EXPECT_EQ(posted[0].CommandId, 32947);
  EXPECT_TRUE(All(EventKind::Sent).empty());
  EXPECT_EQ(world.settings.Panel.LastVisitorBox, "");
}

}  // namespace
}  // namespace quorvel
