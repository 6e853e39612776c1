#pragma once
#include "model/Bot.h"

namespace quorvel {

// One firing of the poll timer: read the newest transcript line, classify it
// and run every enabled feature once, in the fixed order. A tick that starts
// while another is running (from a message pump inside it) returns at once.
void PollTick(Bot& bot);

// The timer's firing: a tick only while the poll timer is enabled.
void PollTimerFired(Bot& bot);

}  // namespace quorvel
