#include <gtest/gtest.h>

#include "TestWorld.h"
#include "engine/Announcer.h"
#include "engine/Responder.h"
#include "panel/RoomFrame.h"

namespace quorvel {
namespace {

class AnnouncerResponderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world.InstallClient("10.1");
    world.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
    StartPolling(world.bot);
    world.settings.Announcer.AnnounceList.Items = {"A", "B", "C"};
  }
  std::vector<std::string> Run(int ticks) {
    std::vector<std::string> sent;
    for (int i = 0; i < ticks; ++i) {
      Announce(world.bot);
      while (SimEvent* e = world.events.Consume(EventKind::Sent)) sent.push_back(e->Text);
    }
    return sent;
  }
  testing::TestWorld world;
};

TEST_F(AnnouncerResponderTest, MultiWrapsFromTheSelection) {
  world.settings.Announcer.AnnounceInterval = "3";
  world.settings.Announcer.AnnounceMode = BotSettings::AnnounceModes::Multi;
  world.settings.Announcer.AnnounceList.SelectOnly(0);
  EXPECT_EQ(Run(12), (std::vector<std::string>{"B", "C", "A", "B"}));
  world.settings.Announcer.AnnounceList.Selected.clear();
  world.settings.Announcer.AnnounceCounter = "0";
  EXPECT_EQ(Run(12), (std::vector<std::string>{"A", "B", "C", "A"}));
}

TEST_F(AnnouncerResponderTest, IntervalEdges) {
  world.settings.Announcer.AnnounceList.SelectOnly(1);
  world.settings.Announcer.AnnounceInterval = "0";
  EXPECT_EQ(Run(3).size(), 3u);
  world.settings.Announcer.AnnounceInterval = " 3";  // a number, so the counter resets, but never equal
  EXPECT_TRUE(Run(10).empty());
  world.settings.Announcer.AnnounceInterval = "abc";  // no number at all: the counter keeps growing
  world.settings.Announcer.AnnounceCounter = "0";
  Run(7);
  EXPECT_EQ(world.settings.Announcer.AnnounceCounter, "7");
  world.settings.Announcer.AnnounceInterval = "3";  // below the counter: reset on the next tick
  Run(1);
  EXPECT_EQ(world.settings.Announcer.AnnounceCounter, "0");
  world.settings.Announcer.AnnounceInterval = "-1";  // a number below every counter: reset on every tick
  Run(2);
  EXPECT_EQ(world.settings.Announcer.AnnounceCounter, "0");
  world.settings.Announcer.AnnounceInterval = "2x";  // Val reads 2: the third tick passes it and resets
  Run(3);
  EXPECT_EQ(world.settings.Announcer.AnnounceCounter, "0");
  world.settings.Announcer.AnnounceList.Items = {""};
  world.settings.Announcer.AnnounceList.SelectOnly(0);
  world.settings.Announcer.AnnounceInterval = "1";
  EXPECT_TRUE(Run(3).empty());
}

TEST_F(AnnouncerResponderTest, ResponderGuards) {
  BotSettings& s = world.settings;
  s.BotNick = "Host";
  s.Responder.ResponderTriggers.Items = {"hello", "hello", "Hello"};
  s.Responder.ResponderReplies.Items = {"Hi sn%!", "second", "never"};
  auto answer = [&](const std::string& sender, const std::string& text) {
    s.Line.Sender = sender;
    s.Line.Text = text;
    Respond(world.bot);
    std::vector<std::string> sent;
    while (SimEvent* e = world.events.Consume(EventKind::Sent)) sent.push_back(e->Text);
    return sent;
  };
  EXPECT_EQ(answer("Ann", "hello there"), std::vector<std::string>{"Hi Ann!"});
  EXPECT_EQ(s.Responder.LastReply, "hi ann!");
  EXPECT_TRUE(answer("Host", "hi ann!").empty());
  EXPECT_TRUE(answer("Cy", "he said second hello").empty());  // quotes a reply
  EXPECT_TRUE(answer("Host", "hello from me").empty());
  s.Responder.ResponderReplies.Items = {"sn%", "x", "y"};
  EXPECT_TRUE(answer("", "hello").empty());  // empty after the substitution
  s.Responder.ResponderTriggers.Items = {""};
  s.Responder.ResponderReplies.Items = {"catch-all"};
  EXPECT_EQ(answer("Ann", "anything"), std::vector<std::string>{"catch-all"});
  s.Responder.ResponderReplies.Items = {"", "x"};
  EXPECT_TRUE(answer("Ann", "something else").empty());  // an empty reply occurs in every line
}

}  // namespace
}  // namespace quorvel
