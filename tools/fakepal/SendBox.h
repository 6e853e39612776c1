#pragma once
// A room's send box. Enter posts its content to the room: "NICK: TEXT" as one
// transcript line in the message's own formatting, NICK being the registry's
// signed-in user, and a SENT line in the journal.
#include <windows.h>

#include "FakePalApp.h"

namespace fakepal {

// Hooks Enter in a send box just created.
void SubclassSendBox(App& app, HWND sendBox);

void PostSendBox(const App& app, Room& room);

}  // namespace fakepal
