#include <gtest/gtest.h>

#include "PanelModelTest.h"
#include "TestWorld.h"
#include "model/HealthText.h"
#include "panel/RoomFrame.h"
#include "roomlink/ClientLayout.h"
#include "roomlink/WindowSearch.h"
#include "tick/PollTick.h"

namespace quorvel {
namespace {

using testing::TestWorld;

// The panel's client and room, with the poll timer running.
class PollTickTest : public PanelModelTest {
 protected:
  void SetUp() override {
    PanelModelTest::SetUp();
    StartPolling(world.bot);
  }
  void Line(const std::string& text) { world.desktop.AppendLine(room, text); }
};

TEST_F(PollTickTest, ReadsAndClassifiesTheNewestLine) {
  Line("Ann: Hello there");
  PollTick(world.bot);
  EXPECT_EQ(world.settings.Line.RawLine, "Ann: Hello there");
  EXPECT_EQ(world.settings.Line.Sender, "Ann");
  EXPECT_EQ(world.settings.Line.Text, "hello there");
  EXPECT_EQ(world.settings.Panel.ClockLabel, "09:05 PM 9/17/2013");
}

TEST_F(PollTickTest, JoinLeavesSenderAndTextOfThePreviousChatLine) {
  Line("Ann: hi");
  PollTick(world.bot);
  Line("***Bob has joined the room");
  PollTick(world.bot);
  EXPECT_EQ(world.settings.Line.JoinedNick, "Bob");
  EXPECT_EQ(world.settings.Panel.LastVisitorBox, "Bob");
  EXPECT_EQ(world.settings.Line.Sender, "Ann");
  EXPECT_EQ(world.settings.Line.Text, "hi");
}

// A whisper's end shows the line three messages above it, whole; that line
// was a message of its own, acted on under the nick written on it.
TEST_F(PollTickTest, AWhisperEndShowsTheLineThreeAboveIt) {
  world.settings.Admins.AdminList.Items = {"Bob"};
  world.desktop.SetNicks(room, {"Troll"});
  Line("Carol: ordinary");
  PollTick(world.bot);
  Line("Eve: bc! troll");
  Line("header");
  Line("middle");
  PollTick(world.bot);
  Line("   ***** End Whisper");
  PollTick(world.bot);
  EXPECT_EQ(world.settings.Line.RawLine, "Eve: bc! troll");
  EXPECT_EQ(world.settings.Line.Text, "eve: bc! troll");
  EXPECT_EQ(world.settings.Line.Sender, "Eve");
  EXPECT_EQ(world.settings.Line.MarkerLine, "");
  EXPECT_EQ(world.events.Consume(EventKind::Posted), nullptr);  // Eve is no admin, the last speaker's or not
}

// Argument slots are filled from one message and emptied with it.
TEST_F(PollTickTest, ArgumentsLiveForTheirMessageOnly) {
  Line("Ann: please rm! hi dv! there");
  PollTick(world.bot);
  EXPECT_EQ(world.settings.Args.ResponderArg, "");
  EXPECT_TRUE(world.settings.Responder.ResponderTriggers.Items.empty());
}

TEST_F(PollTickTest, SameLineParsedAgainGivesTheSameFields) {
  Line("Ann: Hello");
  PollTick(world.bot);
  const ChatLine first = world.settings.Line;
  PollTick(world.bot);
  EXPECT_EQ(world.settings.Line.Text, first.Text);
  EXPECT_EQ(world.settings.Line.Sender, first.Sender);
}

TEST_F(PollTickTest, ClosesTheNoticeWindow) {
  world.desktop.OpenNotice();
  PollTick(world.bot);
  const SimEvent* closed = world.events.Consume(EventKind::Closed);
  ASSERT_NE(closed, nullptr);
  EXPECT_EQ(closed->Text, "Notice from Paltalk");
  EXPECT_EQ(FindTopLevel(world.desktop, std::nullopt, std::string("Notice from Paltalk")), kNoWindow);
}

TEST_F(PollTickTest, StoppedTimerRunsNothingAndKeepsTheLine) {
  Line("Ann: one");
  PollTimerFired(world.bot);
  StopPolling(world.bot);
  Line("Bob: two");
  world.desktop.OpenNotice();
  PollTimerFired(world.bot);
  EXPECT_EQ(world.settings.Line.Text, "one");
  EXPECT_EQ(world.events.Consume(EventKind::Closed), nullptr);
  StartPolling(world.bot);
  EXPECT_EQ(world.settings.Line.Text, "one");
  PollTimerFired(world.bot);
  EXPECT_EQ(world.settings.Line.Text, "two");
}

TEST_F(PollTickTest, UserCountFollowsTheNickList) {
  world.desktop.SetNicks(room, {"Ann", "@Bob", "Carol"});
  PollTick(world.bot);
  EXPECT_EQ(world.settings.Panel.UserCountLabel, "3");
}

// Counts what the view is told of the health record.
class HealthCountingView final : public PanelView {
 public:
  int Heard = 0;
  void HealthChanged() override { ++Heard; }
};

struct LostWindowCase {
  const char* Name;
  std::optional<WindowRole> LeftOut;  // none: the room itself is closed
  std::string Lost;                   // the status line while it is gone
};

TEST(PollTickHealthTest, TheViewHearsOfEachWindowLostOrFoundAndOfNoIdleTick) {
  const std::string allFound = "Room found | Transcript found | Send box found | Nick list found";
  const LostWindowCase cases[] = {
      {"transcript", WindowRole::Transcript, "Room found | Transcript missing | Send box found | Nick list found"},
      {"nick list", WindowRole::NickList, "Room found | Transcript found | Send box found | Nick list missing"},
      {"room", std::nullopt, "Room missing | Transcript missing | Send box missing | Nick list missing"},
  };
  TestWorld world;
  HealthCountingView view;
  Bot bot{world.settings, world.desktop, world.registry, world.host, view, "/nonexistent"};
  world.InstallClient("10.1");
  world.desktop.OpenClientMainWindow();
  auto reopen = [&](std::optional<WindowRole> leftOut) {
    world.desktop.CloseByTitle("Lobby Room");
    WindowNode layout = RoomWindowLayout(RoomLayout::Profile10, "Lobby Room");
    if (leftOut) LeaveOutWindow(layout, *leftOut);
    world.desktop.OpenRoom(layout);
  };
  // What the view hears during one tick, and the status line after it.
  auto tick = [&] {
    const int before = view.Heard;
    PollTick(bot);
    return std::make_pair(view.Heard - before, HealthLine(HealthParts(world.settings)));
  };
  reopen(std::nullopt);
  StartPolling(bot);
  ASSERT_EQ(tick(), std::make_pair(1, allFound));
  for (const auto& c : cases) {
    if (c.LeftOut)
      reopen(c.LeftOut);
    else
      world.desktop.CloseByTitle("Lobby Room");
    EXPECT_EQ(tick(), std::make_pair(1, c.Lost)) << c.Name << " lost";
    EXPECT_EQ(tick(), std::make_pair(0, c.Lost)) << c.Name << " still lost";
    reopen(std::nullopt);
    EXPECT_EQ(tick(), std::make_pair(1, allFound)) << c.Name << " found again";
    EXPECT_EQ(tick(), std::make_pair(0, allFound)) << c.Name << " still found";
  }
}

// A desktop that starts another tick from inside a read, as a message pump
// inside a moderation action would.
class ReentrantDesktop : public SimDesktop {
 public:
  using SimDesktop::SimDesktop;
  Bot* bot = nullptr;
  int reads = 0;
  int LineCount(WindowHandle edit) override {
    ++reads;
    if (bot && reads == 1) PollTick(*bot);
    return SimDesktop::LineCount(edit);
  }
};

TEST(PollTickGuardTest, TicksNeverOverlap) {
  TestWorld world;
  ReentrantDesktop desktop(world.events, world.registry);
  Bot bot{world.settings, desktop, world.registry, world.host, world.view, "/nonexistent"};
  world.InstallClient("10.1");
  const WindowHandle room = desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
  desktop.AppendLine(room, "Ann: hi");
  StartPolling(bot);
  desktop.bot = &bot;
  PollTick(bot);
  EXPECT_EQ(desktop.reads, 1);  // the inner tick returned before reading
  EXPECT_FALSE(world.settings.TickRunning);
  EXPECT_EQ(world.settings.Line.Text, "hi");
  PollTick(bot);
  EXPECT_EQ(desktop.reads, 2);  // the guard is released after a tick
}

}  // namespace
}  // namespace quorvel
