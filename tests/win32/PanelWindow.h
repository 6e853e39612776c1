#pragma once
// The control panel in this process, with a bot over the real binding behind it.
#include <windows.h>

#include "Win32World.h"
#include "panel/win32/MainWindow.h"

namespace quorvel::testing {

struct PanelWindow {
  BotSettings settings;
  MainWindow window{settings};
  Win32World world;
  Bot bot{settings, world.desktop, world.registry, world.host, window, ExeDirectory()};

  // Makes the window and shows the bot's model in it; false when no window was made.
  bool Open() {
    if (!window.Create(GetModuleHandleA(nullptr))) return false;
    window.Attach(bot);
    return true;
  }
};

}  // namespace quorvel::testing
