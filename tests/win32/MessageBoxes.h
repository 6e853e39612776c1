#pragma once
// The message boxes a program of the build shows, found and answered from the
// test's process as the operator would.
#include <windows.h>

#include <string>

#include "ChildProcess.h"
#include "QuorvelWindow.h"
#include "roomlink/ClientLayout.h"

namespace quorvel::testing {

// A visible message box of the process, or none.
inline HWND FindMessageBox(const ChildProcess& app) {
  struct Search {
    DWORD ProcessId;
    HWND Found;
  } search{app.Id(), nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        char cls[64] = {};
        GetClassNameA(window, cls, sizeof cls);
        if (pid != s->ProcessId || std::string(cls) != kDialogClass || !IsWindowVisible(window)) return TRUE;
        s->Found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

// The text of a message box: its static control, 0xFFFF on Windows and Wine.
inline std::string MessageBoxText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

// Clicks the box's button IDYES, IDNO, IDCANCEL ...
inline void AnswerMessageBox(HWND box, int button) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

// Closes the program's main window and answers the close question, should
// it come, with `answer`; true when the program then ended.
inline bool CloseAnswering(const ChildProcess& app, HWND main, int answer) {
  PostMessageA(main, WM_CLOSE, 0, 0);
  HWND box = nullptr;
  if (!WaitUntil(app, 10000, [&] { return (box = FindMessageBox(app)) != nullptr; })) return app.WaitForExit(0);
  AnswerMessageBox(box, answer);
  return app.WaitForExit(10000);
}

}  // namespace quorvel::testing
