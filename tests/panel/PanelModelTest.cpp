#include <gtest/gtest.h>

#include "TestWorld.h"
#include "panel/FastAdminFrame.h"
#include "panel/FeatureSwitch.h"
#include "panel/Menus.h"
#include "panel/RoomFrame.h"
#include "roomlink/FastAdminJoin.h"
#include "tick/PollTick.h"

namespace quorvel {
namespace {

TEST(PanelDefaultsTest, EveryRunStartsFromThesePanelValues) {
  const BotSettings s;
  for (Feature f : kAllFeatures) EXPECT_FALSE(FeatureFlag(const_cast<BotSettings&>(s), f));
  EXPECT_EQ(s.Panel.GreeterLabel, "Greeter Off");
  EXPECT_EQ(s.Panel.AnouncerLabel, "Anouncer Off");
  EXPECT_FALSE(s.PollTimer);
  EXPECT_EQ(s.Greeter.GreetMode, BotSettings::GreetModes::Regular);
  EXPECT_FALSE(s.Greeter.RandomDesign);
  EXPECT_EQ(s.Swear.SwearMode, BotSettings::SwearModes::Bounce);
  EXPECT_EQ(s.Swear.WarnFirst, BotSettings::WarnFirstChoice::Neither);
  EXPECT_EQ(s.Announcer.AnnounceMode, BotSettings::AnnounceModes::Singl);
  EXPECT_EQ(s.Announcer.AnnounceInterval, "30");
  EXPECT_EQ(s.Announcer.AnnounceCounter, "0");
  EXPECT_EQ(s.Panel.ResponderMessageBox, "Message");
  EXPECT_EQ(s.Panel.ResponderResponseBox, "Response");
  EXPECT_TRUE(s.Style.StyleBold);
  EXPECT_FALSE(s.Style.StyleItalic || s.Style.StyleUnderline || s.Style.StyleFade);
  EXPECT_EQ(s.Style.StyleSize, 10);
  EXPECT_EQ(s.Style.StyleColor, Rgb(255, 0, 0));
  EXPECT_EQ(s.Style.MessageFadeColorB, Rgb(0, 0, 255));
  EXPECT_EQ(s.Style.DesignFadeColorA, Rgb(255, 0, 0));
  EXPECT_EQ(s.Messages.WarnMessage.PlainText(), "sn% don't say sw% in this room.");
  EXPECT_EQ(s.Messages.RedDotMessage.PlainText(), "sn% reddot status change by ad%");
  EXPECT_EQ(s.Messages.BounceMessage.PlainText(), "sn% bounce by ad%");
  EXPECT_EQ(s.Panel.ClockLabel, "Time");
  EXPECT_EQ(s.Recorder.FlushEvery, "5");
  EXPECT_EQ(s.Room.Caption, "Quorvel 11");
}

class PanelModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world.InstallClient("10.1");
    world.desktop.OpenClientMainWindow();
    room = world.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
  }
  testing::TestWorld world;
  WindowHandle room = kNoWindow;
};

TEST_F(PanelModelTest, EnableAllWithTheTimerStoppedChangesNothingInTheRoom) {
  world.settings.Greeter.DesignEditor.SetPlainText("Hi %sn");
  EnableAll(world.bot);
  EnableAll(world.bot);
  for (Feature f : kAllFeatures) {
    EXPECT_TRUE(FeatureFlag(world.settings, f));
    EXPECT_EQ(FeatureLabel(world.settings, f), std::string(FeatureName(f)) + " On");
  }
  EXPECT_FALSE(world.settings.PollTimer);
  world.desktop.AppendLine(room, "Bob has joined the room");
  PollTimerFired(world.bot);
  EXPECT_FALSE(world.events.AnyLeft());
}

TEST_F(PanelModelTest, DisableAllThenGreeterStartLeavesOnlyTheGreeter) {
  EnableAll(world.bot);
  DisableAll(world.bot);
  StartFeature(world.bot, Feature::Greeter);
  EXPECT_TRUE(world.settings.Features.GreeterOn);
  EXPECT_TRUE(world.settings.PollTimer);
  for (Feature f : kAllFeatures)
    if (f != Feature::Greeter) EXPECT_FALSE(FeatureFlag(world.settings, f));
  StopPolling(world.bot);
  EXPECT_EQ(world.settings.Panel.GreeterLabel, "Greeter On");  // Stop leaves the indicators
  StartFeature(world.bot, Feature::Responder);
  EXPECT_FALSE(world.settings.PollTimer);  // only the greeter's and the swear monitor's Start start it
  StopFeature(world.bot, Feature::Greeter);
  EXPECT_FALSE(world.settings.PollTimer);
}

TEST_F(PanelModelTest, HelpAsksTheShellOnly) {
  OpenHelp(world.bot);
  const SimEvent* opened = world.events.Consume(EventKind::Opened);
  ASSERT_NE(opened, nullptr);
  EXPECT_NE(opened->Text.find("help.htm"), std::string::npos);
  EXPECT_FALSE(world.events.AnyLeft());
}

class FastAdminTest : public PanelModelTest {
 protected:
  void Add(const std::string& nick, const std::string& code) {
    FastAdminOpenEntry(world.bot);
    world.settings.Panel.FastAdminNick = nick;
    world.settings.Panel.FastAdminCode = code;
    FastAdminEntryAdd(world.bot);
  }
  SimEvent Joined() {
    SimEvent* e = world.events.Consume(EventKind::Joined);
    return e ? *e : SimEvent{};
  }
};

TEST_F(FastAdminTest, JoinWithNothingSelectedStillPressesOk) {
  world.desktop.SetAdminRooms({"Chess"});
  Add("Chess", "c");
  FastAdminJoin(world.bot);
  const SimEvent joined = Joined();
  EXPECT_EQ(joined.Kind, EventKind::Joined);
  EXPECT_EQ(joined.Text, "");
  EXPECT_EQ(joined.Code, "");
}

TEST_F(FastAdminTest, SameNameTwiceTypesTheSelectedEntrysCode) {
  world.desktop.SetAdminRooms({"Chess", "Lobby"});
  Add("Lobby", "first");
  Add("Lobby", "second");
  world.settings.FastAdmin.FastAdminNicks.SelectOnly(1);
  FastAdminJoin(world.bot);
  const SimEvent joined = Joined();
  EXPECT_EQ(joined.Text, "Lobby");
  EXPECT_EQ(joined.Code, "second");
}

TEST_F(FastAdminTest, DeletingKeepsNamesAndCodesPaired) {
  Add("a", "1");
  Add("b", "2");
  Add("c", "");
  world.settings.FastAdmin.FastAdminNicks.SelectOnly(1);
  FastAdminDelete(world.bot);
  EXPECT_EQ(world.settings.FastAdmin.FastAdminNicks.Items, (std::vector<std::string>{"a", "c"}));
  EXPECT_EQ(world.settings.FastAdmin.FastAdminCodes.Items, (std::vector<std::string>{"1", ""}));
}

TEST(DelayTest, WaitsOnTheMonotonicClockWhilePumping) {
  testing::TestWorld world;
  world.clock.Set({2013, 12, 31, 23, 59, 59, 990});  // a moment before midnight
  const double start = world.clock.MonotonicSeconds();
  Delay(world.clock, world.pump, 0.05f);
  const double waited = world.clock.MonotonicSeconds() - start;
  EXPECT_GE(waited, 0.05);
  EXPECT_LT(waited, 0.06);
}

}  // namespace
}  // namespace quorvel
