// The room layouts tests build with a window left out or a class renamed.
#include <gtest/gtest.h>

#include <string>

#include "roomlink/ClientLayout.h"

namespace quorvel {
namespace {

int CountRole(const WindowNode& node, WindowRole role) {
  int n = node.Role == role ? 1 : 0;
  for (const auto& child : node.Children) n += CountRole(child, role);
  return n;
}

int CountClass(const WindowNode& node, const std::string& className) {
  int n = node.ClassName == className ? 1 : 0;
  for (const auto& child : node.Children) n += CountClass(child, className);
  return n;
}

TEST(ClientLayoutTest, LeavingOutAWindowRemovesOnlyThatOne) {
  const WindowRole roles[] = {WindowRole::Transcript, WindowRole::SendBox, WindowRole::NickList};
  const WindowNode whole = RoomWindowLayout(RoomLayout::Profile10, "A Room");
  for (WindowRole role : roles) {
    WindowNode room = whole;
    LeaveOutWindow(room, role);
    EXPECT_EQ(CountRole(room, role), 0);
    for (WindowRole other : roles) {
      if (other != role) {
        EXPECT_EQ(CountRole(room, other), 1);
      }
    }
  }
  // A rich edit leaves a "Static" in its place, so the pane keeps its number of windows.
  WindowNode room = whole;
  LeaveOutWindow(room, WindowRole::Transcript);
  EXPECT_EQ(CountClass(room, "Static"), CountClass(whole, "Static") + 1);
  EXPECT_EQ(CountClass(room, kRichEditClass), CountClass(whole, kRichEditClass) - 1);
}

TEST(ClientLayoutTest, RenamingAClassIgnoresCase) {
  WindowNode room = RoomWindowLayout(RoomLayout::Profile10, "A Room");
  const int lists = CountClass(room, kListViewClass);
  ASSERT_EQ(lists, 1);
  RenameWindowClass(room, "syslistview32", "SysListView64");
  EXPECT_EQ(CountClass(room, kListViewClass), 0);
  EXPECT_EQ(CountClass(room, "SysListView64"), lists);
  EXPECT_EQ(CountRole(room, WindowRole::NickList), 1);
}

}  // namespace
}  // namespace quorvel
