#pragma once
// The one place where a window procedure meets the program's code. No
// exception may unwind into the system's message dispatch: one that reaches
// here is reported to the operator, naming what failed, and the message loop
// goes on.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace quorvel {

// Told which action failed and why; it decides whether and how to show it.
using FaultReporter = std::function<void(const std::string& action, const std::string& reason)>;

// What the operator or the program was doing when the message came, in the
// words of the panel: the button's caption, the menu item, "Poll tick".
std::string ActionOfMessage(HWND window, UINT message, WPARAM w, LPARAM l);

// The operator-facing text of one fault.
std::string FaultText(const std::string& action, const std::string& reason);

void ReportFault(const FaultReporter& report, HWND window, UINT message, WPARAM w, LPARAM l,
                 const std::string& reason) noexcept;

template <typename Handler>
LRESULT CallGuarded(const FaultReporter& report, HWND window, UINT message, WPARAM w, LPARAM l,
                    Handler&& handler) noexcept {
  try {
    return handler();
  } catch (const std::exception& e) {
    ReportFault(report, window, message, w, l, e.what());
  } catch (...) {
    ReportFault(report, window, message, w, l, "an unknown error");
  }
  return 0;
}

}  // namespace quorvel
