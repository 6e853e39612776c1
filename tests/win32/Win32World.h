#pragma once
// The real Win32 binding, the registry and the host services, with a bot over
// them, as quorvel.exe has them; for tests and benchmarks against fakepal.
#include <windows.h>

#include "ChildProcess.h"
#include "host/win32/Win32Host.h"
#include "model/Bot.h"
#include "roomlink/win32/Win32Desktop.h"
#include "storage/win32/Win32RegistryStore.h"

namespace quorvel::testing {

struct Win32World {
  Win32Desktop desktop;
  Win32RegistryStore registry;
  Win32Clock clock;
  Win32Random random;
  Win32Pump pump;
  Win32Dialogs dialogs;
  Win32Shell shell;
  Host host{clock, random, pump, dialogs, shell};
  BotSettings settings;
  PanelView view;
  Bot bot{settings, desktop, registry, host, view, ExeDirectory()};
};

}  // namespace quorvel::testing
