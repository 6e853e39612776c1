#pragma once
#include <string>

namespace quorvel {

// Arguments of the in-room commands, cut out of the message text before any
// feature runs; the interpreter consumes them later, for an admin only.
struct ArgumentSlots {
  std::string BounceArg, RedotArg, AnnounceArg, IntervalArg, SeenArg, AdminArg;
  std::string AutoRedotArg, SwearArg, AutoBounceArg, ResponderArg, ReplyArg;
};

}  // namespace quorvel
