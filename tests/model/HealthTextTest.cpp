// The words the panel shows for the health record: one part per window as the last tick
// found it, and for a missing one what that means and what to do, then what was looked for.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "model/HealthText.h"
#include "roomlink/ClientLayout.h"

namespace quorvel {
namespace {

// A running bot whose last tick found every window of "Lobby Room" in a
// Paltalk 10 client.
BotSettings Watching() {
  BotSettings s;
  s.PollTimer = true;
  s.Room.SelectedRoomTitle = "Lobby Room";
  WindowHealth& h = s.Room.Health;
  h.Room = h.Transcript = h.SendBox = h.NickList = WindowPresence::Found;
  h.RoomTitle = "Lobby Room";
  h.ClientVersionCode = 10;
  h.Profile = ClientProfile{kRoomWindowClass, 3, 2, "RichEdit20W"};
  return s;
}

struct PartsCase {
  const char* Name;
  std::function<void(BotSettings&)> Change;
  std::string Line;
  int MissingPart;     // the index of the one part shown as missing, -1 for none
  std::string Detail;  // that part's second line; every other part has none
};

TEST(HealthTextTest, EachStateHasItsWordsAndEachMissingWindowSaysWhatWasLookedFor) {
  const std::string allFound = "Room found | Transcript found | Send box found | Nick list found";
  const PartsCase cases[] = {
      {"stopped", [](BotSettings& s) { s.PollTimer = false; }, "Stopped", -1, ""},
      {"stopped, no room",
       [](BotSettings& s) {
         s.PollTimer = false;
         s.Room.SelectedRoomTitle.clear();
       },
       "Stopped", -1, ""},
      {"no room selected", [](BotSettings& s) { s.Room.SelectedRoomTitle.clear(); }, "No room selected", -1, ""},
      {"before the first tick", [](BotSettings& s) { s.Room.Health.Room = WindowPresence::NotLooked; },
       "Waiting for the first tick", -1, ""},
      {"all found", [](BotSettings&) {}, allFound, -1, ""},
      {"room missing", [](BotSettings& s) { s.Room.Health.Room = WindowPresence::Missing; },
       "Room missing | Transcript found | Send box found | Nick list found", 0,
       "Looked for: A top-level window of class \"DlgGroupChat Window Class\" titled \"Lobby Room\""},
      {"room missing, no profile yet",
       [](BotSettings& s) {
         s.Room.Health.Room = WindowPresence::Missing;
         s.Room.Health.Profile = ClientProfile{};
       },
       "Room missing | Transcript found | Send box found | Nick list found", 0,
       "Looked for: A top-level window of class \"DlgGroupChat Window Class\" titled \"Lobby Room\""},
      {"room of another class missing",
       [](BotSettings& s) {
         s.Room.Health.Room = WindowPresence::Missing;
         s.Room.Health.Profile.RoomWindowClass = "Other Room Class";
       },
       "Room missing | Transcript found | Send box found | Nick list found", 0,
       "Looked for: A top-level window of class \"Other Room Class\" titled \"Lobby Room\""},
      {"transcript missing", [](BotSettings& s) { s.Room.Health.Transcript = WindowPresence::Missing; },
       "Room found | Transcript missing | Send box found | Nick list found", 1,
       "Looked for: The 3rd \"RichEdit20W\" below the 4th \"SplitterWindowEx\" of the room window \"Lobby Room\" "
       "(client version code 10)"},
      {"send box missing", [](BotSettings& s) { s.Room.Health.SendBox = WindowPresence::Missing; },
       "Room found | Transcript found | Send box missing | Nick list found", 2,
       "Looked for: The 2nd \"RichEdit20W\" below the 4th \"SplitterWindowEx\" of the room window \"Lobby Room\" "
       "(client version code 10)"},
      {"send box not looked for", [](BotSettings& s) { s.Room.Health.SendBox = WindowPresence::NotLooked; },
       "Room found | Transcript found | Send box not looked for yet | Nick list found", -1, ""},
      {"nick list missing", [](BotSettings& s) { s.Room.Health.NickList = WindowPresence::Missing; },
       "Room found | Transcript found | Send box found | Nick list missing", 3,
       "Looked for: A \"SysListView32\" after the header in the 2nd \"ClassCPaneContainerEx\" of the 6th nested "
       "\"SplitterWindowEx\" of the room window \"Lobby Room\""},
      {"a 64-bit client", [](BotSettings& s) { s.Room.Health.ClientBits = 64; }, allFound + " | 64-bit client", -1, ""},
      {"client memory unreadable", [](BotSettings& s) { s.Room.Health.MemoryUnreadable = true; },
       allFound + " | Client memory unreadable", 4,
       "The client's process did not tell whether it runs 32- or 64-bit code, so nothing was read from its memory"},
  };
  for (const auto& c : cases) {
    BotSettings s = Watching();
    c.Change(s);
    const std::vector<HealthPart> parts = HealthParts(s);
    EXPECT_EQ(HealthLine(parts), c.Line) << c.Name;
    for (size_t i = 0; i < parts.size(); ++i) {
      const bool missing = static_cast<int>(i) == c.MissingPart;
      EXPECT_EQ(parts[i].Missing, missing) << c.Name << ", part " << i;
      EXPECT_EQ(parts[i].Detail, missing ? c.Detail : "") << c.Name << ", part " << i;
      // What it means comes first, and every advice says how to hand on what Quorvel sees.
      const std::string& advice = parts[i].Advice;
      EXPECT_EQ(advice.rfind(missing ? "Quorvel cannot " : "", 0), 0u) << c.Name << ", part " << i;
      EXPECT_EQ(advice.find("Click Client report... to save what Quorvel sees") != std::string::npos, missing);
    }
  }
}

TEST(HealthTextTest, TheTipCountsTheRichEditsInWords) {
  const std::pair<int, const char*> cases[] = {{1, "1st"},   {2, "2nd"},   {3, "3rd"},    {4, "4th"},
                                               {11, "11th"}, {12, "12th"}, {13, "13th"},  {21, "21st"},
                                               {22, "22nd"}, {23, "23rd"}, {111, "111th"}};
  for (const auto& [index, words] : cases) {
    BotSettings s = Watching();
    s.Room.Health.Transcript = WindowPresence::Missing;
    s.Room.Health.Profile.TranscriptIndex = static_cast<std::int16_t>(index);
    EXPECT_EQ(HealthParts(s)[1].Detail.rfind(std::string("Looked for: The ") + words + " \"RichEdit20W\" below", 0), 0u)
        << index;
  }
}

TEST(HealthTextTest, TheLineJoinsThePartsWithBars) {
  EXPECT_EQ(HealthLine({}), "");
  EXPECT_EQ(HealthLine({{"One", "", "", false}}), "One");
  EXPECT_EQ(HealthLine({{"One", "", "", false}, {"Two", "advice", "detail", true}, {"Three", "", "", false}}),
            "One | Two | Three");
}

}  // namespace
}  // namespace quorvel
