#pragma once
// The words the panel shows for the health record, one short part per window,
// the same in the simulator's trace and in the Win32 status bar.
#include <string>
#include <vector>

#include "model/BotSettings.h"

namespace quorvel {

struct HealthPart {
  std::string Text;  // "Room found", "Nick list missing", "Stopped" ...
  std::string Tip;   // for a missing window: what was looked for, its class and place; else empty
  bool Missing = false;
};

// "Stopped" while the poll timer is off, "No room selected" while no room is;
// otherwise the room, the transcript, the send box and the nick list as the
// last tick found them, and the client's memory when it could not be read.
std::vector<HealthPart> HealthParts(const BotSettings& settings);
// The parts' texts joined by " | ".
std::string HealthLine(const std::vector<HealthPart>& parts);

}  // namespace quorvel
