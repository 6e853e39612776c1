// quorvel.exe: the bot attached to the running Paltalk client.
#include <windows.h>

#include <commctrl.h>

#include "QuorvelVersion.h"
#include "host/win32/Win32Host.h"
#include "panel/Startup.h"
#include "panel/win32/MainWindow.h"
#include "roomlink/win32/Win32Desktop.h"
#include "storage/FileSystem.h"
#include "storage/win32/Win32RegistryStore.h"
#include "text/CodePage.h"
#include "tick/PollTick.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  // The client's text is in the system's ANSI code page; everything that reads,
  // folds or writes text follows it.
  quorvel::SetSystemCodePage(static_cast<int>(GetACP()));
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);

  quorvel::Win32Desktop desktop;
  quorvel::Win32RegistryStore registry;
  quorvel::Win32Clock clock;
  quorvel::Win32Random random;
  quorvel::Win32Pump pump;
  quorvel::Win32Dialogs dialogs;
  quorvel::Win32Shell shell;
  quorvel::Host host{clock, random, pump, dialogs, shell};
  host.facts = {QUORVEL_VERSION_TEXT, quorvel::WindowsVersionText()};
  quorvel::BotSettings settings;
  quorvel::MainWindow window(settings);
  if (!window.Create(instance)) return 1;
  dialogs.SetOwner(window.Window());
  pump.SetRouter([&window](MSG& msg) { return window.RouteDialogMessage(msg); });
  shell.SetOwner(window.Window());

  const std::optional<std::string> programDir = quorvel::ProgramFolder();
  if (!programDir)
    dialogs.ShowMessage(
        "The name of Quorvel's folder cannot be written in this system's code page, so no list, design or "
        "recorder file can be read or saved there. Move Quorvel to a folder whose name this system can write.",
        "Quorvel", quorvel::MessageButtons::Ok, quorvel::MessageIcon::Error);
  // "?" is no folder name Windows takes: every file beside the program then
  // fails to open, as the message said, instead of landing in another folder.
  quorvel::Bot bot{settings, desktop, registry, host, window, programDir.value_or("?")};
  window.Attach(bot);
  quorvel::CreateMainWindow(bot);
  ShowWindow(window.Window(), show);
  quorvel::LoadMainWindow(bot);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    // Tab and the arrow keys move between the controls, Enter presses the
    // default button, in the panel and in its small windows.
    if (window.RouteDialogMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
