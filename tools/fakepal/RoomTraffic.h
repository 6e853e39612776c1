#pragma once
// The protocol's commands for the long-run test of the bot: nicks that enter
// and leave a room one at a time, and the test's own notes. Each is written to
// the journal in the same step that does it, so the journal orders them
// exactly against what the bot does to the room.
#include <windows.h>

#include <string>
#include <vector>

#include "FakePalApp.h"

namespace fakepal {

// 1 when done, 0 when the command is not one of these or could not be done.
LRESULT OnRoomTraffic(App& app, unsigned long code, const std::vector<std::string>& fields);

}  // namespace fakepal
