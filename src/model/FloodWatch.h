#pragma once
// What the flood guard remembers of the room: each nick's recent messages,
// the recent joins, and whether the greeter is paused. Bounded: a nick's
// record goes once it has been silent longer than any window looks back.
#include <deque>
#include <string>
#include <unordered_map>
#include <utility>

namespace quorvel {

// How long a warning of the warn-first rule counts: an offence within it is punished.
inline constexpr double kFloodWarningSeconds = 60;

struct FloodWatch {
  struct NickActivity {
    std::deque<double> Messages;                       // when its messages came, within the flood window
    std::deque<std::pair<double, std::string>> Texts;  // its texts as compared, within the repeat window
    double LastSeen = 0;
    double WarnedAt = -1;  // its last warning under the warn-first rule; -1: none that counts
  };
  std::unordered_map<std::string, NickActivity> Nicks;
  std::deque<double> Joins;  // within the join window
  double LastJoin = -1;
  bool GreeterPaused = false;
  bool PauseShown = false;  // what the view was last told of the pause
  // The clock of the tick that reads the messages, in seconds.
  double Now = 0;
  double LastSweep = 0;
};

}  // namespace quorvel
