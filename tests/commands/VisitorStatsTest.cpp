#include <gtest/gtest.h>

#include "TestWorld.h"
#include "commands/VisitorStats.h"
#include "commands/VisitorStatsFile.h"

namespace quorvel {
namespace {

class VisitorStatsTest : public ::testing::Test {
 protected:
  void SetUp() override { world.AttachedRoom(); }
  void Join(const std::string& nick) {
    world.settings.Line.JoinedNick = nick;
    CountVisit(world.bot);
    world.settings.Panel.LastVisitorBox = nick;  // as the tick shows the joining nick
  }
  std::vector<std::string> Sent() {
    std::vector<std::string> sent;
    while (SimEvent* e = world.events.Consume(EventKind::Sent)) sent.push_back(e->Text);
    return sent;
  }
  testing::TestWorld world;
};

TEST_F(VisitorStatsTest, CountingRules) {
  Join("Ann");
  for (int i = 0; i < 10; ++i) Join("Ann");  // the notice stays newest: counted once
  EXPECT_EQ(world.settings.Stats.VisitorCounts.Items, std::vector<std::string>{"1"});
  EXPECT_EQ(world.settings.Stats.TotalVisits, "1");
  Join("ann");
  Join(" ANN ");
  EXPECT_EQ(world.settings.Stats.UniqueVisits, "3");
  Join("Ann");  // raises Ann, ann and " ANN ": case and blanks do not count here
  EXPECT_EQ(world.settings.Stats.VisitorCounts.Items, (std::vector<std::string>{"2", "2", "2"}));
  EXPECT_EQ(world.settings.Stats.TotalVisits, "6");
}

// Each entry equal to the nick counts every matching entry once more, so a
// nick listed twice (a loaded file can hold it so) counts up twice.
TEST_F(VisitorStatsTest, ANickListedTwiceCountsTwice) {
  world.settings.Stats.VisitorNicks.Items = {"Ann", "ann", "Ann", "Bob"};
  world.settings.Stats.VisitorCounts.Items = {"1", "1", "1", "1"};
  world.settings.Stats.VisitorLastSeen.Items = {"s", "s", "s", "s"};
  Join("Ann");
  EXPECT_EQ(world.settings.Stats.VisitorCounts.Items, (std::vector<std::string>{"3", "3", "3", "1"}));
  EXPECT_EQ(world.settings.Stats.TotalVisits, "6");
  EXPECT_EQ(world.settings.Stats.UniqueVisits, "0");
  EXPECT_EQ(world.settings.Stats.VisitorLastSeen.Items[3], "s");
}

TEST_F(VisitorStatsTest, ACountThatIsNoNumberStays) {
  world.settings.Stats.VisitorNicks.Items = {"Ann"};
  world.settings.Stats.VisitorCounts.Items = {"x"};
  world.settings.Stats.VisitorLastSeen.Items = {"then"};
  Join("Ann");
  EXPECT_EQ(world.settings.Stats.VisitorCounts.Items, std::vector<std::string>{"x"});
  EXPECT_EQ(world.settings.Stats.VisitorLastSeen.Items, std::vector<std::string>{"09:05 PM 9/17/2013"});
  EXPECT_EQ(world.settings.Stats.TotalVisits, "1");
}

TEST_F(VisitorStatsTest, LastSeenLooksForTheNickInsideTheArgument) {
  world.settings.Stats.VisitorNicks.Items = {"an", "ann", "Bob"};
  world.settings.Stats.VisitorCounts.Items = {"1", "1", "1"};
  world.settings.Stats.VisitorLastSeen.Items = {"stamp-an", "stamp-ann", "stamp-bob"};
  struct Case {
    const char* Arg;
    std::vector<std::string> Sent;
    const char* Left;
  };
  const Case cases[] = {
      {"ann", {"ann last seen on stamp-an"}, ""},
      {"bob", {}, "bob"},
      {"nobody", {}, "nobody"},
      {"ann stamp-bob", {}, "ann stamp-bob"},  // an argument holding a stamp is not answered
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Arg);
    world.settings.Args.SeenArg = c.Arg;
    FindLastSeen(world.bot);
    EXPECT_EQ(Sent(), c.Sent);
    EXPECT_EQ(world.settings.Args.SeenArg, c.Left);
  }
  world.settings.Stats.VisitorNicks.Items.insert(world.settings.Stats.VisitorNicks.Items.begin(), "");
  world.settings.Stats.VisitorLastSeen.Items.insert(world.settings.Stats.VisitorLastSeen.Items.begin(), "stamp-empty");
  world.settings.Args.SeenArg = "bob";
  FindLastSeen(world.bot);
  EXPECT_EQ(Sent(), std::vector<std::string>{"bob last seen on stamp-empty"});
}

TEST(VisitorStatsFileTest, RecordsAndTheirFaults) {
  const struct {
    const char* Text;
    VisitorTable Table;
    bool Truncated;
  } cases[] = {
      {"\r\n", {}, false},
      {"", {}, false},
      {"Ann\t2\t09:05 PM 9/17/2013\r\n\r\n", {{"Ann"}, {"2"}, {"09:05 PM 9/17/2013"}}, false},
      {"a\t1\ts\textra\r\n\r\n\r\nb\t2\tt", {{"a", "b"}, {"1", "2"}, {"s", "t"}}, false},
      {"\t\t\r\n", {{""}, {""}, {""}}, false},
      {"a\t1\ts\r\nbad\t1\r\nc\t1\ts\r\n", {{"a"}, {"1"}, {"s"}}, true},
      {"lone\nline\t1\ts\rx\r\n", {{"lone\nline"}, {"1"}, {"s\rx"}}, false},
  };
  for (const auto& c : cases) {
    const StatsFileContent content = ParseStatsFile(c.Text);
    EXPECT_EQ(content.Table, c.Table) << c.Text;
    EXPECT_EQ(content.Truncated, c.Truncated) << c.Text;
    EXPECT_EQ(ParseStatsFile(FormatStatsFile(content.Table)).Table, content.Table) << c.Text;
  }
  // Lists of unequal length are written over the nicks, the missing entries empty.
  EXPECT_EQ(FormatStatsFile({{"a", "b"}, {"1"}, {}}), "a\t1\t\r\nb\t\t\r\n\r\n");
}

}  // namespace
}  // namespace quorvel
