#include "panel/win32/MainWindow.h"

#include <commctrl.h>

#include <string>

#include "engine/PollTick.h"
#include "panel/ModerationPanel.h"
#include "panel/Polling.h"
#include "panel/win32/MainWindowIds.h"

namespace quorvel {
namespace {

constexpr UINT_PTR kPollTimerId = 1;
constexpr UINT kPollPeriodMs = 400;


}  // namespace

bool MainWindow::Create(HINSTANCE instance) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kMainWindowClassName;
  wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  RegisterClassExA(&wc);
  window_ = CreateWindowExA(0, kMainWindowClassName, settings_.Room.Caption.c_str(), WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX,
                            CW_USEDEFAULT, CW_USEDEFAULT, 600, 330, nullptr, nullptr, instance, this);
  if (!window_) return false;
  // A key another program holds stays unregistered, without a word.
  RegisterHotKey(window_, kHotKeyBounce, 0, VK_F7);
  RegisterHotKey(window_, kHotKeyRedDot, 0, VK_F8);
  return true;
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) noexcept {
  MainWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(l)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(window, message, w, l);
  try {
    return self->Handle(message, w, l);
  } catch (...) {
    // Nothing may unwind into the system's code; the message is dropped.
    return 0;
  }
}

void MainWindow::CreateControls() {
  font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  auto make = [&](DWORD exStyle, const char* cls, const char* text, DWORD style, int x, int y, int cx, int cy, int id) {
    HWND h = CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, window_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    return h;
  };
  make(0, "BUTTON", "Status", BS_GROUPBOX, 10, 8, 180, 160, kStatusFrame);
  int row = 0;
  for (Feature f : kAllFeatures)
    make(0, "STATIC", FeatureLabel(settings_, f).c_str(), SS_LEFT, 22, 28 + 22 * row++, 160, 18,
         kIndicatorFirst + static_cast<int>(f));
  make(0, "BUTTON", "Start", BS_PUSHBUTTON | WS_TABSTOP, 10, 176, 86, 26, kStart);
  make(0, "BUTTON", "Stop", BS_PUSHBUTTON | WS_TABSTOP, 104, 176, 86, 26, kStop);
  make(0, "STATIC", settings_.ClockLabel.c_str(), SS_LEFT, 210, 16, 360, 18, kClockLabel);
  make(0, "STATIC", "Current Users: 0", SS_LEFT, 210, 38, 360, 18, kUserCountLabel);
  make(0, "STATIC", "", SS_LEFTNOWORDWRAP, 210, 60, 360, 18, kLineLabel);
  make(0, "BUTTON", "Room:", BS_GROUPBOX, 10, 214, 565, 62, kRoomFrame);
  make(0, "COMBOBOX", "", CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP, 22, 236, 540, 200, kRoomList);
}

LRESULT MainWindow::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CREATE: CreateControls(); return 0;
    case WM_COMMAND: OnCommand(LOWORD(w), HIWORD(w)); return 0;
    case WM_TIMER:
      if (w == kPollTimerId && bot_) PollTimerFired(*bot_);
      return 0;
    case WM_HOTKEY:
      if (bot_) HotKeyPressed(*bot_, static_cast<int>(w));
      return 0;
    case WM_CLOSE: DestroyWindow(window_); return 0;
    case WM_DESTROY:
      // Nothing is saved at shutdown; the hot keys go back to the system.
      UnregisterHotKey(window_, kHotKeyBounce);
      UnregisterHotKey(window_, kHotKeyRedDot);
      KillTimer(window_, kPollTimerId);
      PostQuitMessage(0);
      return 0;
    default: return DefWindowProcA(window_, message, w, l);
  }
}

void MainWindow::OnCommand(int id, int code) {
  if (!bot_) return;
  if (id == kStart && code == BN_CLICKED) StartPolling(*bot_);
  if (id == kStop && code == BN_CLICKED) StopPolling(*bot_);
  if (id == kRoomList && code == CBN_DROPDOWN) RoomListDropDown(*bot_);
  if (id == kRoomList && code == CBN_SELCHANGE) {
    const LRESULT index = SendMessageA(Control(kRoomList), CB_GETCURSEL, 0, 0);
    if (index != CB_ERR) RoomPicked(*bot_, static_cast<int>(index));
  }
}

void MainWindow::IndicatorChanged(Feature feature) {
  SetWindowTextA(Control(kIndicatorFirst + static_cast<int>(feature)), FeatureLabel(settings_, feature).c_str());
}

void MainWindow::PollTimerChanged(bool enabled) {
  if (enabled) {
    SetTimer(window_, kPollTimerId, kPollPeriodMs, nullptr);
  } else {
    KillTimer(window_, kPollTimerId);
  }
}

void MainWindow::RoomListChanged() {
  const HWND combo = Control(kRoomList);
  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  for (const auto& title : settings_.Room.RoomList)
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
  if (settings_.Room.RoomListIndex >= 0) SendMessageA(combo, CB_SETCURSEL, settings_.Room.RoomListIndex, 0);
  SetWindowTextA(combo, settings_.Room.SelectedRoomTitle.c_str());
}

void MainWindow::BringToFront() { SetForegroundWindow(window_); }

void MainWindow::CaptionChanged() { SetWindowTextA(window_, settings_.Room.Caption.c_str()); }

void MainWindow::DisplaysChanged() {
  SetWindowTextA(Control(kClockLabel), settings_.ClockLabel.c_str());
  SetWindowTextA(Control(kUserCountLabel), ("Current Users: " + settings_.UserCountLabel).c_str());
  SetWindowTextA(Control(kLineLabel), settings_.Line.RawLine.c_str());
}

}  // namespace quorvel
