#include "panel/win32/ToolWindow.h"

#include <commctrl.h>

namespace quorvel {
namespace {

constexpr const char* kToolClass = "QuorvelToolWindow";

int Scaled(int v, double scale) { return static_cast<int>(v * scale + 0.5); }

}  // namespace

void RegisterPanelClass(HINSTANCE instance, const char* className, WNDPROC procedure) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  // The program's own icon (resource 1 of quorvel.exe), drawn at the sizes the
  // title bar and Alt+Tab want; a test program without it keeps the system's.
  const HINSTANCE program = GetModuleHandleA(nullptr);
  wc.hIcon = static_cast<HICON>(LoadImageA(program, MAKEINTRESOURCEA(1), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                           GetSystemMetrics(SM_CYICON), LR_SHARED));
  wc.hIconSm = static_cast<HICON>(LoadImageA(program, MAKEINTRESOURCEA(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  if (!wc.hIcon) wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  wc.lpszClassName = className;
  RegisterClassExA(&wc);
}

HWND CreateTooltips(HINSTANCE instance, HWND owner) {
  return CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance, nullptr);
}

HWND CreateControl(HWND parent, const ToolControl& c, double scale, HFONT font, HWND tooltip) {
  const HWND h = CreateWindowExA(std::string(c.ClassName) == "EDIT" ? WS_EX_CLIENTEDGE : 0, c.ClassName, c.Text,
                                 WS_CHILD | WS_VISIBLE | c.Style, Scaled(c.X, scale), Scaled(c.Y, scale),
                                 Scaled(c.W, scale), Scaled(c.H, scale), parent,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.Id)), nullptr, nullptr);
  if (h && font) SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (h && tooltip && c.Tip) {
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = parent;
    ti.uId = reinterpret_cast<UINT_PTR>(h);
    ti.lpszText = const_cast<char*>(c.Tip);
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  }
  return h;
}

ToolWindow::ToolWindow(HINSTANCE instance, HWND owner, const std::string& caption, int width, int height,
                       const std::vector<ToolControl>& controls, double scale, HFONT font, CommandHandler onCommand,
                       std::function<void()> onClose, FaultReporter reportFault)
    : owner_(owner),
      onCommand_(std::move(onCommand)),
      onClose_(std::move(onClose)),
      reportFault_(std::move(reportFault)) {
  RegisterPanelClass(instance, kToolClass, WindowProcedure<ToolWindow>);
  RECT r = {0, 0, Scaled(width, scale), Scaled(height, scale)};
  const DWORD style = WS_CAPTION | WS_SYSMENU | WS_POPUP;
  AdjustWindowRect(&r, style, FALSE);
  window_ = CreateWindowExA(WS_EX_DLGMODALFRAME, kToolClass, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                            r.right - r.left, r.bottom - r.top, owner, nullptr, instance, this);
  if (!window_) return;
  tooltip_ = CreateTooltips(instance, window_);
  for (const auto& c : controls) {
    CreateControl(window_, c, scale, font, tooltip_);
    if (std::string(c.ClassName) == "BUTTON" && (c.Style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) defaultId_ = c.Id;
  }
  RECT ownerRect;
  GetWindowRect(owner, &ownerRect);
  SetWindowPos(window_, nullptr, ownerRect.left + 60, ownerRect.top + 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(window_, SW_SHOW);
  // As a dialog starts: the keys go to its first control that takes them.
  if (const HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) SetFocus(first);
}

ToolWindow::~ToolWindow() { Destroy(); }

void ToolWindow::Destroy() {
  if (!window_) return;
  const HWND w = window_;
  window_ = nullptr;
  SetWindowLongPtrA(w, GWLP_USERDATA, 0);
  DestroyWindow(w);
}

void ToolWindow::RunModal() {
  if (!window_) return;
  EnableWindow(owner_, FALSE);
  MSG msg;
  while (window_) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      // The program is asked to end: the main loop must see that too.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    if (IsDialogMessageA(window_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  EnableWindow(owner_, TRUE);
  SetForegroundWindow(owner_);
}

void ToolWindow::SetControlFont(HFONT font) {
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

// A handler may close the window and free this object: what runs after it is
// copied first, and nothing of the object is touched once it ran.
LRESULT ToolWindow::HandleMessage(HWND window, UINT message, WPARAM w, LPARAM l) {
  // Enter presses the default button: IsDialogMessage asks which it is. It
  // is the one made default, whatever style moving the focus left it.
  if (message == DM_GETDEFID) return defaultId_ ? MAKELRESULT(defaultId_, DC_HASDEFID) : 0;
  if (message == WM_COMMAND && onCommand_) {
    const auto onCommand = onCommand_;
    onCommand(LOWORD(w), HIWORD(w));
    return 0;
  }
  if (message == WM_CLOSE) {
    auto onClose = onClose_;
    Destroy();
    if (onClose) onClose();
    return 0;
  }
  return DefWindowProcA(window, message, w, l);
}

}  // namespace quorvel
