#include "panel/win32/WindowTrampoline.h"

#include <cstdio>

#include "panel/win32/WindowText.h"

namespace quorvel {
std::string ActionOfMessage(HWND window, UINT message, WPARAM w, LPARAM l) {
  const int id = LOWORD(w);
  if (message == WM_COMMAND && l != 0) {
    std::string caption = WindowString(reinterpret_cast<HWND>(l));
    return caption.empty() ? "Control " + std::to_string(id) : caption;
  }
  if (message == WM_COMMAND) {
    char item[128] = {};
    if (HMENU menu = GetMenu(window);
        menu && GetMenuStringA(menu, static_cast<UINT>(id), item, sizeof item, MF_BYCOMMAND) > 0)
      return item;
    return "Command " + std::to_string(id);
  }
  if (message == WM_TIMER) return "Poll tick";
  if (message == WM_HOTKEY) return "Hot key";
  char text[64];
  std::snprintf(text, sizeof text, "Window message 0x%04X", message);
  return text;
}

std::string FaultText(const std::string& action, const std::string& reason) {
  return "\"" + action + "\" failed: " + reason + ".\r\nQuorvel goes on running.";
}

void ReportFault(const FaultReporter& report, HWND window, UINT message, WPARAM w, LPARAM l,
                 const std::string& reason) noexcept {
  try {
    const std::string action = ActionOfMessage(window, message, w, l);
    if (report) {
      report(action, reason);
    } else {
      MessageBoxA(window, FaultText(action, reason).c_str(), "Quorvel", MB_OK | MB_ICONERROR);
    }
  } catch (...) {
    // The report itself failed (out of memory): the message is dropped.
  }
}

}  // namespace quorvel
