#include <gtest/gtest.h>

#include "PanelModelTest.h"
#include "panel/Menus.h"

namespace quorvel {
namespace {

TEST_F(PanelModelTest, HelpAsksTheShellOnly) {
  OpenHelp(world.bot);
  const SimEvent* opened = world.events.Consume(EventKind::Opened);
  ASSERT_NE(opened, nullptr);
  EXPECT_NE(opened->Text.find("help.htm"), std::string::npos);
  EXPECT_FALSE(world.events.AnyLeft());
}

}  // namespace
}  // namespace quorvel
