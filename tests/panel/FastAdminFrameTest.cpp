#include <gtest/gtest.h>

#include "PanelModelTest.h"
#include "panel/FastAdminFrame.h"

namespace quorvel {
namespace {

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

}  // namespace
}  // namespace quorvel
