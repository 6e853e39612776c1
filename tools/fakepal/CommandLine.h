#pragma once
// fakepal's command line, applied in order as it is read:
//
//   fakepal [--install VERSION] [--user NICK] [--layout 9|10] [--journal FILE]
//           [--adminrooms A,B] [--multiselect] [--wrap PIXELS] [--keep LINES]
//           [--no-nicklist] [--no-transcript] [--no-sendbox]
//           [--rename-class OLD=NEW]...
//           [--room TITLE [--nicks A,B,C]]...
//
// --install and --user write the registry values the real client leaves;
// --layout, --multiselect (nick lists that allow several selections),
// --wrap (transcripts that wrap long lines inside that width), --keep
// (transcripts that drop their oldest line beyond that many), the --no-
// options (rooms lacking that window, as a client of another build might)
// and --rename-class (every window of class OLD gets class NEW) apply to the
// rooms opened after them, and --nicks fills the room opened last. Unknown
// arguments are ignored.
#include "FakePalApp.h"

namespace fakepal {

void ApplyCommandLine(App& app, int argc, char** argv);

}  // namespace fakepal
