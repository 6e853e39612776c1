#pragma once
// A program's message box, found and answered from the test as the operator would.
#include <windows.h>

#include <string>

#include "ChildProcess.h"
#include "QuorvelWindow.h"
#include "roomlink/ClientLayout.h"

namespace quorvel::testing {

// A visible message box of the process, or none.
inline HWND FindMessageBox(const ChildProcess& app) {
  std::pair<DWORD, HWND> search{app.Id(), nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<std::pair<DWORD, HWND>*>(param);
        DWORD pid = 0;
        char cls[64] = {};
        GetWindowThreadProcessId(window, &pid);
        GetClassNameA(window, cls, sizeof cls);
        if (pid == s->first && std::string(cls) == kDialogClass && IsWindowVisible(window)) s->second = window;
        return s->second == nullptr;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}

// Its text: the static control 0xFFFF, on Windows as on Wine.
inline std::string MessageBoxText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

inline void AnswerMessageBox(HWND box, int button) {  // IDYES, IDNO ...
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
}

// Closes the main window, answering the close question, should it come;
// true when the program ended.
inline bool CloseAnswering(const ChildProcess& app, HWND main, int answer) {
  PostMessageA(main, WM_CLOSE, 0, 0);
  HWND box = nullptr;
  if (!WaitUntil(app, 10000, [&] { return (box = FindMessageBox(app)) != nullptr; })) return app.WaitForExit(0);
  AnswerMessageBox(box, answer);
  return app.WaitForExit(10000);
}

}  // namespace quorvel::testing
