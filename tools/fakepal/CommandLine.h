#pragma once
// fakepal's command line, applied in order as it is read:
//
//   fakepal [--install VERSION] [--user NICK] [--layout 9|10] [--journal FILE]
//           [--adminrooms A,B] [--room TITLE [--nicks A,B,C]]...
//
// --install and --user write the registry values the real client leaves;
// --layout applies to the rooms opened after it, and --nicks fills the room
// opened last. Unknown arguments are ignored.
#include "FakePalApp.h"

namespace fakepal {

void ApplyCommandLine(App& app, int argc, char** argv);

}  // namespace fakepal
