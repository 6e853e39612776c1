#include <gtest/gtest.h>

#include "TestWorld.h"
#include "roomlink/ClientLayout.h"
#include "roomlink/NickList.h"
#include "roomlink/WindowSearch.h"

namespace quorvel {
namespace {

using testing::TestWorld;

TEST(FindMatchingTest, FirstMatchByClassAndOrTitleIgnoringCase) {
  TestWorld w;
  const WindowHandle older = w.desktop.OpenWindow("Alpha", "One");
  const WindowHandle other = w.desktop.OpenWindow("Beta", "Two");
  const WindowHandle newer = w.desktop.OpenWindow("Alpha", "Three");  // topmost
  struct Case {
    std::optional<std::string> className, title;
    WindowHandle want;
  };
  const Case cases[] = {
      {"alpha", std::nullopt, newer}, {std::nullopt, "two", other},    {"ALPHA", "one", older},
      {"Beta", "One", kNoWindow},     {std::nullopt, "Tw", kNoWindow}, {std::nullopt, std::nullopt, newer},
  };
  for (const auto& c : cases)
    EXPECT_EQ(w.desktop.FindMatching(kNoWindow, kNoWindow, c.className, c.title), c.want)
        << c.className.value_or("-") << " / " << c.title.value_or("-");
  EXPECT_EQ(w.desktop.FindMatching(kNoWindow, newer, std::string("Alpha"), std::nullopt), older);
}

TEST(FindMatchingTest, ChildrenAfterAGivenOneAndStaleParents) {
  TestWorld w;
  const WindowHandle outsider = w.desktop.OpenWindow("Outer", "");
  w.desktop.PostCommand(w.desktop.OpenClientMainWindow(), kCommandAdminJoin);
  const WindowHandle admin = FindTopLevel(w.desktop, std::string(kDialogClass), std::string(kAdminDialogTitle));
  ASSERT_NE(admin, kNoWindow);
  const WindowHandle ok = FindChild(w.desktop, admin, kNoWindow, std::string("button"), std::string("ok"));
  const WindowHandle firstButton = FindChild(w.desktop, admin, kNoWindow, std::string("BUTTON"), std::nullopt);
  ASSERT_NE(ok, kNoWindow);
  EXPECT_EQ(firstButton, ok);
  const WindowHandle next = FindChild(w.desktop, admin, ok, std::string("Button"), std::nullopt);
  EXPECT_NE(next, kNoWindow);
  EXPECT_EQ(w.desktop.Title(next), "Cancel");
  EXPECT_EQ(FindChild(w.desktop, admin, next, std::string("Button"), std::nullopt), kNoWindow);
  EXPECT_EQ(FindChild(w.desktop, admin, outsider, std::nullopt, std::nullopt), kNoWindow);  // not its child
  EXPECT_EQ(FirstChild(w.desktop, admin), FindChild(w.desktop, admin, kNoWindow, std::string("ComboBox"), {}));
  w.desktop.PostClose(admin);
  EXPECT_EQ(FindChild(w.desktop, admin, kNoWindow, std::nullopt, std::nullopt), kNoWindow);
  EXPECT_EQ(FirstChild(w.desktop, kNoWindow), kNoWindow);
}

// The simulated client, counting the searches made of it.
class CountingDesktop : public SimDesktop {
 public:
  using SimDesktop::SimDesktop;
  WindowHandle FindMatching(WindowHandle parent, WindowHandle after, const std::optional<std::string>& className,
                            const std::optional<std::string>& title) override {
    ++searches;
    return SimDesktop::FindMatching(parent, after, className, title);
  }
  int searches = 0;
};

TEST(KeptNickListTest, KeptWhileTheRoomIsTheSameWalkedAgainOtherwise) {
  TestWorld w;
  CountingDesktop desktop(w.events, w.registry);
  desktop.SetNicks(desktop.OpenRoom("Lobby Room", RoomLayout::Profile10), {"Ann", "@Bob"});
  RoomLinkState state;
  state.SelectedRoomTitle = "Lobby Room";
  EXPECT_EQ(UserCountText(desktop, state), "2");
  EXPECT_GT(desktop.searches, 1);  // the whole path
  const WindowHandle kept = state.NickList.ListView;
  EXPECT_EQ(kept, FindNickListView(desktop, "Lobby Room"));

  desktop.searches = 0;
  EXPECT_EQ(UserCountText(desktop, state), "2");
  EXPECT_EQ(desktop.searches, 1);  // the room window only

  // Closed and opened again under the same title: the new room's list.
  ASSERT_TRUE(desktop.CloseByTitle("Lobby Room"));
  desktop.SetNicks(desktop.OpenRoom("Lobby Room", RoomLayout::Profile10), {"Carol"});
  EXPECT_EQ(UserCountText(desktop, state), "1");
  EXPECT_NE(state.NickList.ListView, kept);

  // Another room picked, then none at all.
  desktop.OpenRoom("Chess Room", RoomLayout::Shallow);
  state.SelectedRoomTitle = "Chess Room";
  EXPECT_EQ(UserCountText(desktop, state), "0");
  state.SelectedRoomTitle = "Gone Room";
  EXPECT_EQ(UserCountText(desktop, state), "0");
  EXPECT_EQ(state.NickList.ListView, kNoWindow);
}

}  // namespace
}  // namespace quorvel
