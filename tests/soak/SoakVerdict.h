#pragma once
// What the long-run test of quorvel.exe concludes from what it watched: the
// resources the program holds and its working set, after warm-up; and every
// bounce and red dot in fakepal's journal. Plain data in, faults out, so the
// judgement itself is tested with series made up to fail.
#include <array>
#include <string>
#include <vector>

#include "host/LiveCount.h"

namespace quorvel::soak {

// One look at the program: after that many of its poll ticks, the resources
// it held (by LiveKind) and its working set.
struct ResourceSample {
  long long Tick = 0;
  std::array<long, kLiveKinds> Live{};
  long long WorkingSetKb = 0;
};

struct ResourceBounds {
  long long WarmUpTicks = 0;
  // How far a count may rise above its highest value during warm-up: a
  // sample taken while a tick runs sees the resources of that tick too.
  long CountSlack = 2;
  long long WorkingSetSlackKb = 1024;
};

// Empty when, after warm-up, no count and not the working set rose past its
// bound over the highest value seen during warm-up; otherwise what did, once
// each. Without a sample on both sides of the warm-up there is nothing to
// compare, and that is a fault too.
std::vector<std::string> JudgeResources(const std::vector<ResourceSample>& samples, const ResourceBounds& bounds);

// The note the traffic writes into fakepal's journal for each of its steps:
// "NOTE", "STEP", the step's number, then the nicks it gave the bot reason to
// bounce or red-dot, separated by commas.
inline constexpr const char* kStepNote = "STEP";
std::string JoinNicks(const std::vector<std::string>& nicks);

struct ModerationVerdict {
  int Acts = 0;  // bounces and red dots of a nick
  std::vector<std::string> Faults;
};

// Replays the journal: "ENTERED" and "LEFT" lines and the bounces keep who is
// in the room. A bounce or red dot is a fault when its nick was not in the room
// at that moment, or was named by none of the last `reasonSteps` steps. Nicks
// compare without regard to case and without the admin mark "@".
ModerationVerdict JudgeModeration(const std::vector<std::string>& journal, int reasonSteps);

}  // namespace quorvel::soak
