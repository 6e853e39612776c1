#include "Dialogs.h"

#include <string>

#include "RoomBuilder.h"
#include "RoomWindow.h"

namespace fakepal {

namespace {

using quorvel::WindowNode;
using quorvel::WindowRole;

// OK of the admin join dialog: the room picked in its combo box is opened
// (unless it is open already) and the code typed is recorded.
void AdminJoin(App& app, HWND dialog) {
  const HWND combo = FindWindowExA(dialog, nullptr, "ComboBox", nullptr);
  const HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr);
  std::string name;
  const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selected != CB_ERR) {
    char buf[256] = {};
    SendMessageA(combo, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(buf));
    name = buf;
  }
  char code[256] = {};
  GetWindowTextA(edit, code, sizeof code);
  DestroyWindow(dialog);
  app.AdminDialog = nullptr;
  if (!name.empty() && !RoomByTitle(app, name + " Room")) OpenRoom(app, name + " Room");
  app.Log.Write("JOINED\t" + name + "\t" + code);
}

LRESULT CALLBACK DialogSubclass(HWND window, UINT message, WPARAM w, LPARAM l) {
  App& app = TheApp();
  if (window == app.AdminDialog && message == WM_COMMAND && LOWORD(w) == IDOK) {
    AdminJoin(app, window);
    return 0;
  }
  if (message == WM_CLOSE || (message == WM_COMMAND && (LOWORD(w) == IDCANCEL || LOWORD(w) == IDOK))) {
    if (window == app.AdminDialog) app.AdminDialog = nullptr;
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    DestroyWindow(window);
    app.Log.Write(std::string("CLOSED\t") + title);
    return 0;
  }
  return CallWindowProcA(app.DialogProc, window, message, w, l);
}

void Subclass(App& app, HWND dialog) {
  app.DialogProc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DialogSubclass)));
}

}  // namespace

void OpenNotice(App& app) {
  const WindowNode notice = quorvel::NoticeWindowLayout();
  const HWND window = CreateWindowExA(WS_EX_TOPMOST, notice.ClassName.c_str(), notice.Title.c_str(),
                                      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 200, 200, 300, 120, nullptr,
                                      nullptr, app.Instance, nullptr);
  Subclass(app, window);
  CreateWindowExA(0, "STATIC", "Welcome to Paltalk!", WS_CHILD | WS_VISIBLE, 10, 10, 260, 20, window, nullptr,
                  app.Instance, nullptr);
}

void OpenAdminDialog(App& app) {
  if (app.AdminDialog) return;
  const WindowNode layout = quorvel::AdminJoinDialogLayout();
  const HWND dialog = CreateWindowExA(0, layout.ClassName.c_str(), layout.Title.c_str(),
                                      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 260, 160, 320, 150, nullptr,
                                      nullptr, app.Instance, nullptr);
  Subclass(app, dialog);
  app.AdminDialog = dialog;
  int y = 10;
  for (const auto& child : layout.Children) {
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    int id = 0;
    int height = 24;
    if (child.Role == WindowRole::AdminCombo) {
      style |= CBS_DROPDOWNLIST | WS_VSCROLL;
      height = 120;
    }
    if (child.Role == WindowRole::AdminCodeBox) style |= WS_BORDER | ES_AUTOHSCROLL;
    if (child.Role == WindowRole::AdminOk) id = IDOK;
    if (child.Role == WindowRole::AdminCancel) id = IDCANCEL;
    const bool button = child.ClassName == "Button";
    const HWND h = CreateWindowExA(0, child.ClassName.c_str(), child.Title.c_str(), style,
                                   button ? (id == IDOK ? 60 : 170) : 10, button ? 80 : y, button ? 90 : 290, height,
                                   dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app.Instance, nullptr);
    if (child.Role == WindowRole::AdminCombo)
      for (const auto& name : app.AdminRooms) SendMessageA(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (!button) y += 32;
  }
}

}  // namespace fakepal
