#include <gtest/gtest.h>

#include "TestWorld.h"
#include "roomlink/ClientProfile.h"
#include "roomlink/RoomDiscovery.h"
#include "roomlink/WindowSearch.h"

namespace quorvel {
namespace {

using testing::TestWorld;

TEST(ClassifyVersionTextTest, FirstRuleThatHoldsWins) {
  const std::pair<const char*, int> cases[] = {
      {"10.9.1", 9}, {"10.2.0.12", 450}, {"11.3", 450}, {"10.1", 10}, {"8.2", 0}, {"0", 0},
      {"", 0},       {"9.1", 9},         {"11.", 450},  {"10.", 10},
  };
  for (const auto& [text, code] : cases) EXPECT_EQ(ClassifyVersionText(text), code) << text;
}

TEST(DetectClientVersionTest, ReadsTheUninstallKeys) {
  {
    TestWorld w;
    EXPECT_EQ(DetectClientVersion(w.registry), 0);
  }
  {
    TestWorld w;
    w.InstallClient("10.1", testing::kMessengerKey);
    w.InstallClient("9.2", testing::kPal82Key);
    EXPECT_EQ(DetectClientVersion(w.registry), 9);  // the PalTalk8.2 key is read first
  }
  {
    TestWorld w;
    RegAccess(w.registry).CreateKey(testing::kPal82Key);  // no DisplayVersion: "0"
    w.InstallClient("10.1", testing::kMessengerKey);
    EXPECT_EQ(DetectClientVersion(w.registry), 0);
  }
}

TEST(PalRoomGrabTest, NoClientShowsNoPalFoundAndKeepsTheProfile) {
  TestWorld w;
  w.InstallClient("10.1");
  RoomLink link = w.Link();
  PalRoomGrab(link);
  EXPECT_EQ(w.settings.Room.Profile.TranscriptIndex, 3);
  w.InstallClient("8.2");
  PalRoomGrab(link);
  EXPECT_EQ(w.settings.Room.Caption, "No Pal Found");
  EXPECT_EQ(w.settings.Room.ClientVersionCode, 0);
  EXPECT_EQ(w.settings.Room.Profile.TranscriptIndex, 3);
  w.InstallClient("11.3");
  PalRoomGrab(link);
  EXPECT_EQ(w.settings.Room.Caption, "Quorvel 11");
}

TEST(FillRoomListTest, ListsRoomWindowsInWalkOrder) {
  TestWorld w;
  w.InstallClient("10.1");
  w.desktop.OpenRoom("First Room", RoomLayout::Profile10);
  w.desktop.OpenWindow("DlgGroupChat Window Class", "Private chat");   // no " Room"
  w.desktop.OpenWindow("dlggroupchat window class", "Shouting ROOM");  // case ignored
  w.desktop.OpenWindow("Notepad", "Notes Room");                       // other class
  w.desktop.OpenRoom("Second Room", RoomLayout::Profile10);
  w.desktop.OpenRoom("Second Room", RoomLayout::Profile10);
  RoomLink link = w.Link();
  AttachToRoom(link);
  const std::vector<std::string> want = {"Second Room", "Second Room", "Shouting ROOM", "First Room"};
  EXPECT_EQ(w.settings.Room.RoomList, want);
  EXPECT_EQ(w.settings.Room.RoomListIndex, 0);
  EXPECT_EQ(w.settings.Room.SelectedRoomTitle, "Second Room");
  EXPECT_NE(w.settings.Room.TranscriptHandle, kNoWindow);
}

TEST(FillRoomListTest, WithoutAProfileNothingIsListed) {
  TestWorld w;
  w.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
  RoomLink link = w.Link();
  AttachToRoom(link);
  EXPECT_TRUE(w.settings.Room.RoomList.empty());
  EXPECT_EQ(w.settings.Room.SelectedRoomTitle, "");
  EXPECT_EQ(w.settings.Room.TranscriptHandle, kNoWindow);
}

TEST(ResolveTest, ProfilesPickTheirRichEditOrdinals) {
  struct Case {
    const char* Version;
    RoomLayout Layout;
    bool Found;
  };
  const Case cases[] = {
      {"9.1", RoomLayout::Profile9, true},
      {"10.1", RoomLayout::Profile10, true},
      {"11.1", RoomLayout::Profile10, true},
      {"10.1", RoomLayout::Shallow, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Version);
    TestWorld w;
    w.InstallClient(c.Version);
    const WindowHandle room = w.desktop.OpenRoom("Lobby Room", c.Layout);
    RoomLink link = w.Link();
    AttachToRoom(link);
    if (!c.Found) {
      EXPECT_EQ(w.settings.Room.TranscriptHandle, kNoWindow);
      EXPECT_EQ(ResolveSendBox(link), kNoWindow);
      continue;
    }
    // The room's own transcript and send box, by role, are what the ordinals find.
    w.desktop.AppendLine(room, "Ann: marker");
    EXPECT_EQ(w.desktop.LineCount(w.settings.Room.TranscriptHandle), 2);
    const WindowHandle send = ResolveSendBox(link);
    w.desktop.SetRtfText(send, "{\\rtf1 hi}");
    w.desktop.KeyDown(send, kVkReturn);
    const SimEvent* sent = w.events.Consume(EventKind::Sent);
    ASSERT_NE(sent, nullptr);
    EXPECT_EQ(sent->Title, "Lobby Room");
  }
}

TEST(WindowSearchTest, NthDescendantCountsOnlyItsClassDepthFirst) {
  TestWorld w;
  const WindowHandle room = w.desktop.OpenRoom("Lobby Room", RoomLayout::Profile9);
  const WindowHandle pane = FindNthDescendant(w.desktop, room, "splitterwindowex", 4);
  ASSERT_NE(pane, kNoWindow);
  EXPECT_EQ(FindNthDescendant(w.desktop, room, "SplitterWindowEx", 6) != kNoWindow, true);
  EXPECT_EQ(FindNthDescendant(w.desktop, room, "SplitterWindowEx", 7), kNoWindow);
  EXPECT_NE(FindNthDescendant(w.desktop, pane, "RICHEDIT20W", 4), kNoWindow);
  EXPECT_EQ(FindNthDescendant(w.desktop, pane, "RichEdit20W", 5), kNoWindow);
  EXPECT_EQ(FindNthDescendant(w.desktop, pane, "RichEdit20W", 0), kNoWindow);
  EXPECT_EQ(FindNthDescendant(w.desktop, kNoWindow, "RichEdit20W", 1), kNoWindow);
}

TEST(WindowSearchTest, RoomPaneStopsAtTheFirstMatchingRoom) {
  TestWorld w;
  w.desktop.OpenRoom("Lobby Room", RoomLayout::Profile10);
  w.desktop.OpenRoom("Lobby Room", RoomLayout::Shallow);  // topmost, without a pane
  EXPECT_EQ(FindRoomPane(w.desktop, "DlgGroupChat Window Class", "lobby room", "SplitterWindowEx", 4), kNoWindow);
  EXPECT_NE(FindRoomPane(w.desktop, "DlgGroupChat Window Class", "lobby room", "SplitterWindowEx", 3), kNoWindow);
  EXPECT_EQ(FindRoomPane(w.desktop, "DlgGroupChat Window Class", "Lobby", "SplitterWindowEx", 1), kNoWindow);
}

TEST(WindowSearchTest, TitlePartIgnoresCase) {
  TestWorld w;
  w.desktop.OpenWindow("X", "The Lobby Room - Paltalk");
  EXPECT_NE(FindWindowByTitlePart(w.desktop, "lobby room"), kNoWindow);
  EXPECT_EQ(FindWindowByTitlePart(w.desktop, "Chess"), kNoWindow);
}

TEST(PickRoomTest, PickChangesTheTitleButNotTheTranscript) {
  TestWorld w;
  w.InstallClient("10.1");
  w.desktop.OpenRoom("A Room", RoomLayout::Profile10);
  w.desktop.OpenRoom("B Room", RoomLayout::Profile10);
  RoomLink link = w.Link();
  AttachToRoom(link);
  const WindowHandle transcript = w.settings.Room.TranscriptHandle;
  PickRoom(w.settings.Room, 1);
  EXPECT_EQ(w.settings.Room.SelectedRoomTitle, "A Room");
  EXPECT_EQ(w.settings.Room.TranscriptHandle, transcript);
  PickRoom(w.settings.Room, 5);  // out of range: nothing changes
  EXPECT_EQ(w.settings.Room.RoomListIndex, 1);
}

}  // namespace
}  // namespace quorvel
