#pragma once
// The words the panel shows for the health record, one short part per window,
// the same in the simulator's trace and in the Win32 status bar.
#include <string>
#include <vector>

#include "model/BotSettings.h"

namespace quorvel {

struct HealthPart {
  std::string Text;  // "Room found", "Nick list missing", "Stopped" ...
  // For a missing window: what that means for the bot and what the operator
  // can do; then the detail, where the window was looked for (for the
  // client's memory: why it was not read). Both empty for any other part.
  std::string Advice;
  std::string Detail;
  // The part names something missing; its last word ("missing",
  // "unreadable") is the one to make stand out.
  bool Missing = false;
};

// "Stopped" while the poll timer is off, "No room selected" while no room is;
// otherwise the room, the transcript, the send box and the nick list as the
// last tick found them, and the client's memory when it could not be read.
std::vector<HealthPart> HealthParts(const BotSettings& settings);
// The parts' texts joined by " | ".
std::string HealthLine(const std::vector<HealthPart>& parts);

}  // namespace quorvel
