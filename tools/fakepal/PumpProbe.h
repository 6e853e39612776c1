#pragma once
// Nick lists that change while the bot's thread pumps its messages
// (kSetNicksAtPump): the probe sent to a window of that thread, and the items
// applied when its answer comes back.
#include <windows.h>

#include "FakePalApp.h"

namespace fakepal {

// Posted to the main window once kSetNicksAtPump has been answered: the
// test's thread, waiting for that answer, would otherwise take the probe at
// once rather than at its next pump.
UINT SendProbeLaterMessage();

// Sends the probe and waits, answering the bot's own calls meanwhile, until
// the bot's thread has pumped; the items are applied by then.
void SendPumpProbe(App& app);

// Sets the waiting items into their room's nick list and says so in the
// journal (a "PUMPED" line with the room title); false when nothing was waiting or the room is gone.
bool ApplyPendingNicks(App& app);

}  // namespace fakepal
