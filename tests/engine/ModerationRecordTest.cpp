#include <gtest/gtest.h>

#include <functional>

#include "ScratchDir.h"
#include "TestWorld.h"
#include "engine/AutoModeration.h"
#include "engine/ModerationActions.h"
#include "engine/ModerationReport.h"
#include "engine/SwearMonitor.h"
#include "panel/ModerationPanel.h"

namespace quorvel {
namespace {

class RecordingView : public PanelView {
 public:
  std::vector<ModerationRecord> records;
  void ModerationCarriedOut(const ModerationRecord& record) override { records.push_back(record); }
};

class ModerationRecordTest : public ::testing::Test {
 public:
  void SetUp() override {
    room = world.AttachedRoom();
    world.desktop.SetNicks(room, {"Ann", "@Bob", "Carol", "Joe"});
    bot.programDir = scratch.Dir().string();
  }
  // One swear-monitor hit by Joe on "bad".
  void Swear(BotSettings::SwearModes mode, BotSettings::WarnFirstChoice first) {
    BotSettings& s = world.settings;
    s.Swear.SwearList.Items = {"bad"};
    s.Swear.SwearMode = mode;
    s.Swear.WarnFirst = first;
    s.Line.Sender = "Joe";
    s.Line.Text = "that is bad";
    ScanForSwearing(bot);
  }
  testing::TestWorld world;
  testing::ScratchDir scratch{"quorvel-modlog"};
  RecordingView view;
  Bot bot{world.settings, world.desktop, world.registry, world.host, view, ""};
  WindowHandle room = kNoWindow;
};

struct Expected {
  const char* Nick;
  ModerationStep Step;
  ModerationCause Cause;
  const char* Detail;
  bool ByWarnedList;
};

TEST_F(ModerationRecordTest, EachCauseLeavesItsRecord) {
  using SM = BotSettings::SwearModes;
  using WF = BotSettings::WarnFirstChoice;
  struct Case {
    const char* Name;
    std::function<void(ModerationRecordTest&)> Act;
    std::vector<Expected> Records;
  };
  const std::vector<Case> cases = {
      {"auto-bounce list",
       [](ModerationRecordTest& t) {
         t.world.settings.Moderation.AutoBounceList.Items = {"Bob"};
         t.world.settings.Line.JoinedNick = "Bob";
         AutoBounce(t.bot);
       },
       {{"Bob", ModerationStep::Bounce, ModerationCause::AutoBounceList, "", false}}},
      {"auto-red-dot list",
       [](ModerationRecordTest& t) {
         t.world.settings.Moderation.AutoRedotList.Items = {"Carol"};
         t.world.settings.Line.JoinedNick = "Carol";
         AutoRedot(t.bot);
       },
       {{"Carol", ModerationStep::RedDot, ModerationCause::AutoRedotList, "", false}}},
      {"bc! by an admin",
       [](ModerationRecordTest& t) {
         t.world.settings.Line.Sender = "Ann";
         t.world.settings.Args.BounceArg = "carol";
         BounceNickWithMessage(t.bot);
       },
       {{"Carol", ModerationStep::Bounce, ModerationCause::Command, "Ann", false}}},
      {"rd! by an admin",
       [](ModerationRecordTest& t) {
         t.world.settings.Line.Sender = "Ann";
         t.world.settings.Args.RedotArg = "joe";
         RedDotNickWithMessage(t.bot);
       },
       {{"Joe", ModerationStep::RedDot, ModerationCause::Command, "Ann", false}}},
      {"a nick not in the room leaves no record",
       [](ModerationRecordTest& t) {
         t.world.settings.Line.Sender = "Ann";
         t.world.settings.Args.BounceArg = "zed";
         BounceNickWithMessage(t.bot);
       },
       {}},
      {"phrase, warning mode",
       [](ModerationRecordTest& t) { t.Swear(SM::Warning, WF::Neither); },
       {{"Joe", ModerationStep::Warning, ModerationCause::Phrase, "bad", false}}},
      {"phrase, bounce mode",
       [](ModerationRecordTest& t) { t.Swear(SM::Bounce, WF::No); },
       {{"Joe", ModerationStep::Bounce, ModerationCause::Phrase, "bad", false}}},
      {"phrase, red dot mode",
       [](ModerationRecordTest& t) { t.Swear(SM::RedDot, WF::Neither); },
       {{"Joe", ModerationStep::RedDot, ModerationCause::Phrase, "bad", false}}},
      {"phrase, warn first: a warning, then the bounce",
       [](ModerationRecordTest& t) {
         t.Swear(SM::Bounce, WF::Yes);
         t.Swear(SM::Bounce, WF::Yes);
       },
       {{"Joe", ModerationStep::Warning, ModerationCause::Phrase, "bad", true},
        {"Joe", ModerationStep::Bounce, ModerationCause::Phrase, "bad", true}}},
      {"F7",
       [](ModerationRecordTest& t) { HotKeyPressed(t.bot, kHotKeyBounce); },
       {{"", ModerationStep::Bounce, ModerationCause::Operator, "F7", false}}},
      {"F8",
       [](ModerationRecordTest& t) { HotKeyPressed(t.bot, kHotKeyRedDot); },
       {{"", ModerationStep::RedDot, ModerationCause::Operator, "F8", false}}},
      {"Bounce button",
       [](ModerationRecordTest& t) { ManualBounce(t.bot); },
       {{"", ModerationStep::Bounce, ModerationCause::Operator, "\"Bounce\" button", false}}},
      {"Red Dot button",
       [](ModerationRecordTest& t) { ManualRedDot(t.bot); },
       {{"", ModerationStep::RedDot, ModerationCause::Operator, "\"Red Dot\" button", false}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    world.settings = BotSettings{};
    RoomLink link = world.Link();
    AttachToRoom(link);
    world.desktop.SetNicks(room, {"Ann", "@Bob", "Carol", "Joe"});
    view.records.clear();
    c.Act(*this);
    ASSERT_EQ(view.records.size(), c.Records.size());
    for (size_t i = 0; i < c.Records.size(); ++i) {
      const ModerationRecord& r = view.records[i];
      const Expected& e = c.Records[i];
      EXPECT_EQ(r.Nick, e.Nick);
      EXPECT_EQ(r.Step, e.Step);
      EXPECT_EQ(r.Cause, e.Cause);
      EXPECT_EQ(r.Detail, e.Detail);
      EXPECT_EQ(r.ByWarnedList, e.ByWarnedList);
      EXPECT_EQ(r.Room, "Lobby Room");
    }
  }
}

TEST_F(ModerationRecordTest, LineShowsTimeRoomNickStepAndCause) {
  ModerationRecord r;
  r.Time = {2013, 9, 17, 21, 5, 3, 0};
  r.Room = "Lobby";
  r.Nick = "Joe";
  r.Step = ModerationStep::Warning;
  r.Cause = ModerationCause::Phrase;
  r.Detail = "bad";
  r.ByWarnedList = true;
  EXPECT_EQ(ModerationLine(r),
            "2013-09-17 21:05:03 | room Lobby | Joe | warning | phrase \"bad\" (first offence, warned)");
  r.Nick.clear();
  r.Step = ModerationStep::RedDot;
  r.Cause = ModerationCause::Operator;
  r.Detail = "F8";
  EXPECT_EQ(ModerationLine(r), "2013-09-17 21:05:03 | room Lobby | (selected in the client) | red dot | operator, F8");
  // Whatever a nick or a title holds, the record stays one line.
  r.Room = "Lob\r\nby";
  r.Nick = "Eve\n2013-01-01 | forged\x1b[2J\x7f\t";
  EXPECT_EQ(ModerationLine(r),
            "2013-09-17 21:05:03 | room Lob\\x0D\\x0Aby | Eve\\x0A2013-01-01 | forged\\x1B[2J\\x7F\t | "
            "red dot | operator, F8");
}

TEST_F(ModerationRecordTest, LogHoldsExactlyTheRecordsLines) {
  Swear(BotSettings::SwearModes::Warning, BotSettings::WarnFirstChoice::Neither);  // logging off: no file
  EXPECT_FALSE(FileExists(scratch.Path(kModerationLogFile)));
  view.records.clear();
  world.settings.Moderation.LogModeration = true;
  Swear(BotSettings::SwearModes::Bounce, BotSettings::WarnFirstChoice::No);
  HotKeyPressed(bot, kHotKeyRedDot);
  world.settings.Line.Sender = "Ann";
  world.settings.Args.RedotArg = "carol";
  RedDotNickWithMessage(bot);
  ASSERT_EQ(view.records.size(), 3u);
  std::string expected;
  for (const auto& r : view.records) expected += ModerationLine(r) + "\r\n";
  EXPECT_EQ(scratch.Read(kModerationLogFile), expected);
}

TEST_F(ModerationRecordTest, FailedAppendIsToldOnceAndTheBotGoesOn) {
  bot.programDir = scratch.Path("no such folder");
  world.settings.Moderation.LogModeration = true;
  HotKeyPressed(bot, kHotKeyBounce);
  HotKeyPressed(bot, kHotKeyBounce);
  int told = 0;
  while (SimEvent* e = world.events.Consume(EventKind::MsgBox)) {
    ++told;
    EXPECT_NE(e->Text.find(kModerationLogFile), std::string::npos) << e->Text;
  }
  EXPECT_EQ(told, 1);
  EXPECT_EQ(view.records.size(), 2u);
  int posted = 0;
  while (world.events.Consume(EventKind::Posted)) ++posted;
  EXPECT_EQ(posted, 2);
}

}  // namespace
}  // namespace quorvel
