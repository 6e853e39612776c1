// The health record is what the tick's own reads found: the same finds leave
// it as it was, a window lost or found again changes it, and the send box,
// which no tick looks for, keeps what was last known of it while its room stays.
#include <gtest/gtest.h>

#include <functional>

#include "roomlink/TickFinds.h"
#include "sim/SimDesktop.h"
#include "storage/MemoryRegistryStore.h"

namespace quorvel {
namespace {

// A desktop whose binding has learnt what it says of the client's process.
class LearntDesktop final : public SimDesktop {
 public:
  using SimDesktop::SimDesktop;
  int Bits = 0;
  bool BitnessUnknown = false;
  int ClientBits() const override { return Bits; }
  bool ClientBitnessUnknown() const override { return BitnessUnknown; }
};

class TickFindsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state.SelectedRoomTitle = "Lobby Room";
    state.ClientVersionCode = 10;
    state.Profile = ClientProfile{"DlgGroupChat Window Class", 3, 2, "RichEdit20W"};
    state.TranscriptHandle = 11;
    state.NickList = {12, 13};
    Note();
  }
  // The tick's finds noted, and whether they changed what the view was last told.
  bool Note(const std::string& userCount = "2") {
    NoteTickFinds(desktop, state, userCount);
    const bool changed = state.Health != state.HealthShown;
    state.HealthShown = state.Health;
    return changed;
  }

  SimEventLog events;
  MemoryRegistryStore registry;
  LearntDesktop desktop{events, registry};
  RoomLinkState state;
};

TEST_F(TickFindsTest, NotesWhatTheReadsFound) {
  desktop.Bits = 64;
  Note("3");
  const WindowHealth& h = state.Health;
  EXPECT_EQ(h.Room, WindowPresence::Found);
  EXPECT_EQ(h.Transcript, WindowPresence::Found);
  EXPECT_EQ(h.NickList, WindowPresence::Found);
  EXPECT_EQ(h.RoomTitle, "Lobby Room");
  EXPECT_EQ(h.Profile, state.Profile);
  EXPECT_EQ(h.ClientVersionCode, 10);
  EXPECT_EQ(h.UserCount, "3");
  EXPECT_EQ(h.ClientBits, 64);
  EXPECT_FALSE(h.MemoryUnreadable);
  desktop.BitnessUnknown = true;
  Note();
  EXPECT_TRUE(state.Health.MemoryUnreadable);
}

TEST_F(TickFindsTest, AnIdleTicksFindsChangeNothing) {
  const WindowHealth before = state.Health;
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(Note()) << "tick " << i;
  EXPECT_EQ(state.Health, before);
}

struct LossCase {
  const char* Window;
  std::function<void(RoomLinkState&)> Lose;
  WindowPresence WindowHealth::*Presence;
};

TEST_F(TickFindsTest, AWindowLostAndFoundAgainChangesTheHealthEachTime) {
  const LossCase cases[] = {
      {"transcript", [](RoomLinkState& s) { s.TranscriptHandle = kNoWindow; }, &WindowHealth::Transcript},
      {"nick list", [](RoomLinkState& s) { s.NickList.ListView = kNoWindow; }, &WindowHealth::NickList},
      {"room", [](RoomLinkState& s) { s.NickList = {}; }, &WindowHealth::Room},
  };
  for (const auto& c : cases) {
    const RoomLinkState found = state;
    for (int round = 0; round < 2; ++round) {
      c.Lose(state);
      EXPECT_TRUE(Note()) << c.Window << " lost, round " << round;
      EXPECT_EQ(state.Health.*c.Presence, WindowPresence::Missing) << c.Window;
      EXPECT_FALSE(Note()) << c.Window << " still lost, round " << round;
      state.TranscriptHandle = found.TranscriptHandle;
      state.NickList = found.NickList;
      EXPECT_TRUE(Note()) << c.Window << " found again, round " << round;
      EXPECT_EQ(state.Health.*c.Presence, WindowPresence::Found) << c.Window;
    }
  }
}

TEST_F(TickFindsTest, TheSendBoxKeepsItsLastStateWhileTheRoomStays) {
  for (WindowPresence last : {WindowPresence::NotLooked, WindowPresence::Found, WindowPresence::Missing}) {
    state.Health.SendBox = last;
    state.TranscriptHandle = kNoWindow;
    state.NickList.ListView = kNoWindow;
    Note();
    EXPECT_EQ(state.Health.SendBox, last);
    state.TranscriptHandle = 11;
    state.NickList.ListView = 13;
  }
}

}  // namespace
}  // namespace quorvel
