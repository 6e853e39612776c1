#pragma once
#include <vector>

#include "model/Bot.h"

namespace quorvel {

// The room frame: "Start"/"Stop", the "Room:" list dropped down or picked.
// Each attach looks for the client and its rooms again.
void AttachToClient(Bot& bot);
// The view hears of a look at the client made besides a tick (an attach, the
// client report): the "Room:" list and the health record may have changed. A
// view shows only what changed.
void ShowRoomLook(Bot& bot);
void StartPolling(Bot& bot);
void StopPolling(Bot& bot);
void RoomListDropDown(Bot& bot);
void RoomPicked(Bot& bot, int index);
// A click on the list: its one entry given is picked; none given clears the selection.
void RoomListPicked(Bot& bot, const std::vector<size_t>& entries);
// Switches the poll timer on when it is off (the greeter's and the swear
// monitor's "Start").
void EnsurePollTimer(Bot& bot);

}  // namespace quorvel
