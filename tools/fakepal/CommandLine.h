#pragma once
// fakepal's command line, applied in order as it is read:
//
//   fakepal [--install VERSION] [--user NICK] [--layout 9|10] [--journal FILE]
//           [--adminrooms A,B] [--multiselect] [--wrap PIXELS]
//           [--room TITLE [--nicks A,B,C]]...
//
// --install and --user write the registry values the real client leaves;
// --layout, --multiselect (nick lists that allow several selections) and
// --wrap (transcripts that wrap long lines inside that width) apply to the
// rooms opened after them, and --nicks fills the room opened last. Unknown
// arguments are ignored.
#include "FakePalApp.h"

namespace fakepal {

void ApplyCommandLine(App& app, int argc, char** argv);

}  // namespace fakepal
