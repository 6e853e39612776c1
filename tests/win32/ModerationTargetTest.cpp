// Bounce and red dot hit the nick meant, against fakepal.exe in another
// process, 32- and 64-bit: when the client's list moves while the bot lets
// its messages run, and when the operator has left a selection of their own
// in a list that allows several.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "EachClientTest.h"
#include "FakePalProcess.h"
#include "FakePalProtocol.h"
#include "PumpProbeWindow.h"
#include "engine/ModerationActions.h"
#include "panel/Startup.h"
#include "roomlink/ClientLayout.h"
#include "roomlink/NickList.h"
#include "roomlink/WindowSearch.h"
#include "text/AnsiText.h"

namespace quorvel {
namespace {

using testing::FakePalProcess;
using Commands = std::vector<std::vector<std::string>>;

constexpr const char* kRoom = "Target Room";

class ModerationTargetTest : public testing::EachClientTest {
 protected:
  bool StartClient(const std::string& nicks, const std::vector<std::string>& options = {}) {
    testing::InstallClient();
    std::vector<std::string> args = {"--layout", "10"};
    args.insert(args.end(), options.begin(), options.end());
    args.insert(args.end(), {"--room", kRoom, "--nicks", nicks});
    pal = std::make_unique<FakePalProcess>(GetParam(), args);
    if (!pal->Ready()) return false;
    CreateMainWindow(bot);
    LoadMainWindow(bot);
    return settings.Room.SelectedRoomTitle == kRoom;
  }
  size_t JournalCount(const std::string& kind) const {
    size_t n = 0;
    for (const auto& line : pal->JournalLines()) n += line.rfind(kind + "\t", 0) == 0;
    return n;
  }
  // The commands the client took since the journal held `from` of them, each
  // as its id and the items it acted on ("-" for none). Posted messages
  // arrive in order, and an action posts one command at most: a JRM command
  // posted after it, which acts on nothing, marks the end of what it posted.
  Commands CommandsSince(size_t from) {
    desktop.PostCommand(FindTopLevel(desktop, std::string(kRoomWindowClass), std::string(kRoom)), kCommandJrm);
    const auto read = [&] {
      Commands commands;
      for (const auto& line : pal->JournalLines()) {
        if (line.rfind("COMMAND\t", 0) != 0) continue;
        const auto fields = SplitAt(line, '\t');
        commands.emplace_back(fields.begin() + 1, fields.end());
      }
      return Commands(commands.begin() + static_cast<std::ptrdiff_t>(std::min(from, commands.size())), commands.end());
    };
    EXPECT_TRUE(pal->WaitForJournal("COMMAND", from + 1));
    if (read().back().at(0) != std::to_string(kCommandJrm)) {
      EXPECT_TRUE(pal->WaitForJournal("COMMAND", from + 2));
    }
    Commands commands = read();
    EXPECT_EQ(commands.back().at(0), std::to_string(kCommandJrm)) << "the closing command is not last";
    commands.pop_back();
    return commands;
  }
  std::vector<std::string> NicksNow() { return desktop.ListItemTexts(FindNickListView(desktop, kRoom)); }

  std::unique_ptr<FakePalProcess> pal;
};

struct PumpCase {
  const char* Name;
  std::vector<std::string> DuringPump;
  Commands Fired;
  std::vector<std::string> After;
};

TEST_P(ModerationTargetTest, TheListMovingDuringThePumpMovesTheTarget) {
  const PumpCase cases[] = {
      {"joined above", {"Ann", "Zed", "Troll", "Carol"}, {{"32947", "Troll"}}, {"Ann", "Zed", "Carol"}},
      {"left above", {"Troll", "Carol"}, {{"32947", "Troll"}}, {"Carol"}},
      {"left, another in its place", {"Ann", "Zed", "Carol"}, {}, {"Ann", "Zed", "Carol"}},
  };
  ASSERT_TRUE(StartClient("Ann,Troll,Carol")) << "fakepal did not start";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    ASSERT_TRUE(pal->Command(fakepal::kSetNicks, {kRoom, "Ann", "Troll", "Carol"}));
    const size_t pumped = JournalCount("PUMPED");
    const size_t commands = JournalCount("COMMAND");
    testing::PumpProbeWindow probe;
    std::vector<std::string> fields = {kRoom, probe.HandleText()};
    fields.insert(fields.end(), c.DuringPump.begin(), c.DuringPump.end());
    ASSERT_TRUE(pal->Command(fakepal::kSetNicksAtPump, fields));
    ASSERT_TRUE(probe.WaitForProbe()) << "fakepal sent no probe";
    settings.Line.JoinedNick = "Troll";
    BounceNick(bot);
    EXPECT_EQ(JournalCount("PUMPED"), pumped + 1) << "the list did not change during the action";
    EXPECT_EQ(CommandsSince(commands), c.Fired);
    EXPECT_EQ(NicksNow(), c.After);
  }
}

TEST_P(ModerationTargetTest, TheOperatorsOwnSelectionIsLeftOut) {
  ASSERT_TRUE(StartClient("Ann,Troll,Carol", {"--multiselect"})) << "fakepal did not start";
  ASSERT_TRUE(pal->Command(fakepal::kSelectNick, {kRoom, "Ann"}));
  ASSERT_TRUE(pal->Command(fakepal::kSelectNick, {kRoom, "Carol"}));
  settings.Line.JoinedNick = "Troll";
  BounceNick(bot);
  EXPECT_EQ(CommandsSince(0), (Commands{{"32947", "Troll"}}));
  EXPECT_EQ(NicksNow(), (std::vector<std::string>{"Ann", "Carol"}));
}

TEST_P(ModerationTargetTest, ARedDotByCommandMarksTheTargetAlone) {
  ASSERT_TRUE(StartClient("Ann,@Troll,Carol", {"--multiselect"})) << "fakepal did not start";
  ASSERT_TRUE(pal->Command(fakepal::kSelectNick, {kRoom, "Carol"}));
  settings.Line.Sender = "Ann";
  settings.Args.RedotArg = "troll";
  RedDotNickWithMessage(bot);
  EXPECT_EQ(CommandsSince(0), (Commands{{"32946", "@Troll"}}));
  EXPECT_EQ(NicksNow(), (std::vector<std::string>{"Ann", "@Troll", "Carol"}));
}

INSTANTIATE_TEST_SUITE_P(Bitness, ModerationTargetTest, ::testing::Values("fakepal32.exe", "fakepal64.exe"),
                         [](const auto& info) { return std::string(info.param).substr(0, 9); });

}  // namespace
}  // namespace quorvel
