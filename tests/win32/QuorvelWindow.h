#pragma once
// quorvel.exe's main window, driven from the process of a test or benchmark.
#include <windows.h>

#include <string>

#include "ChildProcess.h"
#include "panel/win32/MainWindowIds.h"

namespace quorvel::testing {

// The program's main window once it is shown and, when asked, loaded: its
// controls made and the client's rooms in the "Room:" list. Nothing when it
// did not come within 20 s.
inline HWND WaitForMainWindow(const ChildProcess& app, bool roomsListed) {
  HWND main = nullptr;
  const bool shown = WaitUntil(app, 20000, [&] {
    main = app.FindWindowOfClass(kMainWindowClassName);
    return main && IsWindowVisible(main) &&
           (!roomsListed || SendMessageA(GetDlgItem(main, kRoomList), CB_GETCOUNT, 0, 0) > 0);
  });
  return shown ? main : nullptr;
}

// The text a window shows, asked of it (GetWindowText only reads the caption
// of another process's window, not a combo box's edit field).
inline std::string WindowText(HWND window) {
  char buffer[512] = {};
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 5000,
                      &result);
  return buffer;
}

// A button of the main window, clicked as the operator clicks it.
inline void Press(HWND main, int id) {
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(main, id)));
}

}  // namespace quorvel::testing
