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

// The window procedure of every window class of the panel, after Windows
// Terminal's BaseWindow<T>: the object handed to CreateWindowEx is kept in the
// window's user data on WM_NCCREATE and found there again for each message,
// whose handling runs guarded. T provides
//   void Bind(HWND);                                  told its window, once
//   FaultReporter Reporter() const;                   copied before the handler runs,
//                                                     which may free the object
//   LRESULT HandleMessage(HWND, UINT, WPARAM, LPARAM);
template <typename T>
LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l) noexcept {
  T* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams);
    self->Bind(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(window, message, w, l);
  const FaultReporter report = self->Reporter();
  return CallGuarded(report, window, message, w, l, [&] { return self->HandleMessage(window, message, w, l); });
}

}  // namespace quorvel
