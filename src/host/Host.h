#pragma once
#include <string>

#include "host/Clock.h"
#include "host/Dialogs.h"
#include "host/MessagePump.h"
#include "host/RandomSource.h"
#include "host/Shell.h"

namespace quorvel {

// What the host knows of the program and the system it runs on, for the
// client report.
struct ProgramFacts {
  std::string Version = "unknown";
  std::string WindowsVersion = "unknown";
};

// The services the bot borrows from its host: the Win32 app passes the
// system's, the simulator passes scripted ones.
struct Host {
  Clock& clock;
  RandomSource& random;
  MessagePump& pump;
  Dialogs& dialogs;
  Shell& shell;
  ProgramFacts facts{};
};

}  // namespace quorvel
