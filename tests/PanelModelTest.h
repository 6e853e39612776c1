#pragma once
// A Paltalk 10 client with its main window and one room, "Lobby Room", open
// and not yet attached: the panel's actions are tried against it.
#include <gtest/gtest.h>

#include "TestWorld.h"

namespace quorvel {

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

}  // namespace quorvel
