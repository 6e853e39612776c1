#pragma once
// Room windows built from ClientLayout, so they carry the classes, titles and
// nesting the bot looks for.
#include <string>

#include "FakePalApp.h"

namespace fakepal {

// Opens a room window of the app's layout; each new one a little below and
// right of the last.
Room* OpenRoom(App& app, const std::string& title);

}  // namespace fakepal
