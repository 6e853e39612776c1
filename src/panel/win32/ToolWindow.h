#pragma once
// A small window of the bot's own (the nick grabber, the recorder panel,
// "Save Greeter As:", the fast-admin entry, "About", "Contact"), built from
// a table of controls.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "panel/win32/WindowTrampoline.h"

namespace quorvel {

struct ToolControl {
  const char* ClassName;
  const char* Text;
  int X, Y, W, H;
  int Id;
  DWORD Style;
  const char* Tip = nullptr;
};

class ToolWindow {
 public:
  using CommandHandler = std::function<void(int id, int code)>;
  ToolWindow(HINSTANCE instance, HWND owner, const std::string& caption, int width, int height,
             const std::vector<ToolControl>& controls, double scale, HFONT font, CommandHandler onCommand,
             std::function<void()> onClose, FaultReporter reportFault = {});
  ~ToolWindow();
  ToolWindow(const ToolWindow&) = delete;
  ToolWindow& operator=(const ToolWindow&) = delete;

  HWND Window() const { return window_; }
  HWND Control(int id) const { return GetDlgItem(window_, id); }
  // Runs until the window closes, its owner disabled meanwhile. A WM_QUIT
  // that arrives meanwhile ends it and is posted again for the main loop.
  void RunModal();
  // The font is the owner's; it changes with the owner's DPI.
  void SetControlFont(HFONT font);
  // Closed from the program's side: no close notice goes back.
  void Destroy();

 private:
  // For the window procedure (WindowProcedure<ToolWindow>).
  friend LRESULT CALLBACK WindowProcedure<ToolWindow>(HWND, UINT, WPARAM, LPARAM) noexcept;
  void Bind(HWND window) { window_ = window; }
  FaultReporter Reporter() const { return reportFault_; }
  LRESULT HandleMessage(HWND window, UINT message, WPARAM w, LPARAM l);
  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  HWND tooltip_ = nullptr;
  int defaultId_ = 0;  // the button Enter presses
  CommandHandler onCommand_;
  std::function<void()> onClose_;
  FaultReporter reportFault_;
};

// Registers a window class of the panel (a second registration of the same
// class fails harmlessly).
void RegisterPanelClass(HINSTANCE instance, const char* className, WNDPROC procedure);
// The tool-tip window that shows the tips of a window's controls.
HWND CreateTooltips(HINSTANCE instance, HWND owner);

// Creates one control with the font and scale of its window.
HWND CreateControl(HWND parent, const ToolControl& c, double scale, HFONT font, HWND tooltip);

}  // namespace quorvel
