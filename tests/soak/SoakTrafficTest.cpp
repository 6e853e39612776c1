#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "soak/SoakTraffic.h"

namespace quorvel::soak {
namespace {

TEST(SoakTrafficTest, ALineNamesWhoJoinsSpeaksOrIsCommanded) {
  struct Case {
    const char* Line;
    std::vector<std::string> Reasons;
  };
  const Case cases[] = {
      {"Spam2 has joined the room", {"Spam2"}},
      {"Bob: darn it", {"Bob"}},
      {"Ann: bc! bob", {"Ann", "bob"}},
      {"Ann: rd! cid", {"Ann", "cid"}},
      {"Ann: rm! ping dv! pong sn%", {"Ann"}},
      {"***** End Whisper", {}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(LineReasons(c.Line), c.Reasons) << c.Line;
}

// Played against a room that does what each step says, the traffic keeps to
// the room: only present nicks leave or are selected, who speaks or joins is
// in the room, and a step's reasons cover the nicks its lines name.
TEST(SoakTrafficTest, StepsKeepToTheRoomAndNameTheirReasons) {
  SoakTraffic traffic(7);
  std::vector<std::string> room;
  std::set<OperatorPress> presses;
  int lines = 0, leaves = 0;
  for (int n = 1; n <= 2000; ++n) {
    const SoakStep step = traffic.Next(room);
    for (const auto& nick : step.Enter) {
      EXPECT_EQ(std::count(room.begin(), room.end(), nick), 0) << nick;
      room.push_back(nick);
    }
    for (const auto& nick : step.Leave) {
      auto it = std::find(room.begin(), room.end(), nick);
      ASSERT_NE(it, room.end()) << nick;
      room.erase(it);
      ++leaves;
    }
    if (!step.Select.empty()) {
      EXPECT_EQ(std::count(room.begin(), room.end(), step.Select), 1);
    }
    for (const auto& line : step.Lines) {
      ++lines;
      for (const auto& nick : LineReasons(line)) {
        EXPECT_NE(std::find(step.Reasons.begin(), step.Reasons.end(), nick), step.Reasons.end()) << line;
        if (line.compare(0, nick.size() + 2, nick + ": ") == 0) {
          EXPECT_EQ(std::count(room.begin(), room.end(), nick), 1) << line;
        }
      }
    }
    // A step that writes nothing gives no reason but the operator's selection.
    if (step.Lines.empty()) EXPECT_LE(step.Reasons.size(), step.Select.empty() ? 0u : 1u) << n;
    presses.insert(step.Press);
  }
  EXPECT_GT(lines, 1000);
  EXPECT_GT(leaves, 50);
  EXPECT_EQ(presses.size(), 6u);  // every key and button, and none
}

}  // namespace
}  // namespace quorvel::soak
