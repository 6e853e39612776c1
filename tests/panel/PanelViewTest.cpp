// What the view is told: each change by name, and nothing when nothing changed.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TestWorld.h"
#include "panel/AdminsFrame.h"
#include "panel/AnResTab.h"
#include "panel/FeatureSwitch.h"
#include "panel/ModerationPanel.h"
#include "panel/RecorderPanel.h"
#include "panel/RoomFrame.h"
#include "tick/PollTick.h"

namespace quorvel {
namespace {

// Writes every notification down as a word, in order.
class RecordingView final : public PanelView {
 public:
  std::vector<std::string> Heard;

  void IndicatorChanged(Feature f) override { Heard.push_back("indicator " + std::string(FeatureName(f))); }
  void PollTimerChanged(bool on) override { Heard.push_back(on ? "timer on" : "timer off"); }
  void RoomListChanged() override { Heard.push_back("rooms"); }
  void CaptionChanged() override { Heard.push_back("caption"); }
  void ListChanged(PanelListId list) override { Heard.push_back("list " + std::to_string(static_cast<int>(list))); }
  void LabelChanged(PanelLabel label) override { Heard.push_back("label " + std::to_string(static_cast<int>(label))); }
  void BoxChanged(PanelBox box) override { Heard.push_back("box " + std::to_string(static_cast<int>(box))); }
  void OptionsChanged() override { Heard.push_back("options"); }
  void MessagesChanged() override { Heard.push_back("messages"); }
  void EditorChanged() override { Heard.push_back("editor"); }
};

std::string Said(PanelListId list) { return "list " + std::to_string(static_cast<int>(list)); }
std::string Said(PanelLabel label) { return "label " + std::to_string(static_cast<int>(label)); }
std::string Said(PanelBox box) { return "box " + std::to_string(static_cast<int>(box)); }

class PanelViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    room = world.AttachedRoom();
    world.desktop.SetNicks(room, {"Ann", "Bob"});
    world.settings.Admins.AdminList.Items = {"ann"};
    StartPolling(bot);
    PollTick(bot);  // the clock and the user count shown for the first time
  }
  void Line(const std::string& text) { world.desktop.AppendLine(room, text); }
  // What the view heard while `action` ran.
  std::vector<std::string> HeardDuring(const std::function<void()>& action) {
    view.Heard.clear();
    action();
    return view.Heard;
  }

  testing::TestWorld world;
  RecordingView view;
  Bot bot{world.settings, world.desktop, world.registry, world.host, view, "/nonexistent"};
  WindowHandle room = kNoWindow;
};

TEST_F(PanelViewTest, AnIdleTickTellsTheViewNothing) {
  EnableAll(bot);
  world.settings.Recorder.RecordingOn = true;
  world.settings.Swear.SwearList.Items = {"darn"};
  world.settings.Responder.ResponderTriggers.Items = {"hello"};
  world.settings.Responder.ResponderReplies.Items = {"hi sn%"};
  Line("Ann: good evening");
  PollTick(bot);
  PollTick(bot);
  // Same line, same counts, same clock minute.
  for (int i = 0; i < 3; ++i) EXPECT_EQ(HeardDuring([&] { PollTick(bot); }), std::vector<std::string>{});
}

TEST_F(PanelViewTest, TheClockLabelChangesOnceAMinute) {
  PollTick(bot);
  world.clock.AdvanceMs(60'000);
  const std::string before = world.settings.Panel.ClockLabel;
  EXPECT_EQ(HeardDuring([&] { PollTick(bot); }), std::vector<std::string>{Said(PanelLabel::Clock)});
  EXPECT_NE(world.settings.Panel.ClockLabel, before);
}

TEST_F(PanelViewTest, ANewLineIsOneLineNotice) {
  Line("Ann: one");
  PollTick(bot);
  Line("Bob: two");
  EXPECT_EQ(HeardDuring([&] { PollTick(bot); }), std::vector<std::string>{Said(PanelLabel::Line)});
}

TEST_F(PanelViewTest, AJoinCountsAndNamesTheStatisticsOnceWhileItsLineStaysNewest) {
  Line("Carol has joined the room");
  const auto first = HeardDuring([&] { PollTick(bot); });
  for (const auto& expected : {Said(PanelListId::VisitorNicks), Said(PanelListId::VisitorCounts),
                               Said(PanelListId::VisitorLastSeen), Said(PanelLabel::TotalVisits),
                               Said(PanelLabel::UniqueVisits), Said(PanelBox::LastVisitorBox), Said(PanelLabel::Line)})
    EXPECT_NE(std::find(first.begin(), first.end(), expected), first.end()) << expected;
  EXPECT_EQ(HeardDuring([&] { PollTick(bot); }), std::vector<std::string>{});
  EXPECT_EQ(world.settings.Stats.TotalVisits, "1");
}

TEST_F(PanelViewTest, TheRecorderNamesItsListOnlyForANewText) {
  world.settings.Recorder.RecordingOn = true;
  Line("Ann: recorded");
  EXPECT_EQ(HeardDuring([&] { PollTick(bot); }),
            (std::vector<std::string>{Said(PanelListId::RecorderBuffer), Said(PanelLabel::Line)}));
  EXPECT_EQ(HeardDuring([&] { PollTick(bot); }), std::vector<std::string>{});
  // A flush of an empty buffer changes nothing on the panel.
  world.settings.Recorder.RecorderBuffer.Clear();
  world.settings.Recorder.FlushTimerOn = true;
  world.settings.Recorder.FlushEvery = "1";
  EXPECT_EQ(HeardDuring([&] { PollTick(bot); }), std::vector<std::string>{});
}

struct ActionCase {
  const char* Name;
  std::function<void(Bot&)> Action;
  std::vector<std::string> Heard;
};

TEST_F(PanelViewTest, EachPanelActionNamesWhatItChanged) {
  const std::vector<ActionCase> cases = {
      {"admins add", AdminsAdd, {Said(PanelListId::AdminList)}},
      {"phrase add", PhrasesAdd, {Said(PanelListId::SwearList)}},
      {"autobounce add", AutoBounceAdd, {Said(PanelListId::AutoBounceList)}},
      {"autoredot delete, nothing selected", AutoRedotDelete, {}},
      {"warned remove",
       [](Bot& b) {
         b.settings.Swear.WarnedUsers.Items = {"Bob"};
         b.settings.Swear.WarnedUsers.Selected = {0};
         WarnedUsersRemove(b);
       },
       {Said(PanelListId::WarnedUsers)}},
      {"warned remove, nothing selected", WarnedUsersRemove, {}},
      {"responder add", ResponderAdd, {Said(PanelListId::ResponderTriggers), Said(PanelListId::ResponderReplies)}},
      {"responder clear", ResponderClear, {Said(PanelBox::ResponderMessageBox), Said(PanelBox::ResponderResponseBox)}},
      {"announcer clear (already empty)", AnnouncerClear, {}},
      {"recorder search",
       RecorderSearch,
       {Said(PanelListId::SearchResults), Said(PanelListId::RecorderBuffer), Said(PanelLabel::SearchLabel)}},
      {"stop polling", StopPolling, {"timer off"}},
  };
  for (const auto& c : cases) EXPECT_EQ(HeardDuring([&] { c.Action(bot); }), c.Heard) << c.Name;
}

struct CommandCase {
  const char* Line;
  std::vector<std::string> Heard;  // besides the line itself
};

TEST_F(PanelViewTest, EachRoomCommandNamesWhatItChanged) {
  const std::vector<CommandCase> cases = {
      {"ann: sw rd", {"options"}},
      {"ann: asing!", {"options"}},
      {"ann: greeter on", {"indicator Greeter"}},
      {"ann: at! 45", {Said(PanelBox::AnnounceInterval)}},
  };
  for (const auto& c : cases) {
    Line(c.Line);
    auto heard = HeardDuring([&] { PollTick(bot); });
    auto expected = c.Heard;
    expected.push_back(Said(PanelLabel::Line));
    EXPECT_EQ(heard, expected) << c.Line;
  }
}

}  // namespace
}  // namespace quorvel
