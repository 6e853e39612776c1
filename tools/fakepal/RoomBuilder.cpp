#include "RoomBuilder.h"

#include <commctrl.h>
#include <richedit.h>

#include "SendBox.h"

namespace fakepal {

namespace {

using quorvel::WindowNode;
using quorvel::WindowRole;

// Where a window of the layout goes inside its parent's client area.
RECT PlaceChild(const WindowNode& node, const RECT& parent, int richEditIndex) {
  const int w = parent.right - parent.left, h = parent.bottom - parent.top;
  switch (node.Role) {
    case WindowRole::Transcript:
      return RECT{0, 28, 3000, h - 80};
    case WindowRole::SendBox:
      return RECT{0, h - 76, w - 170, h};
    case WindowRole::NickList:
      return RECT{0, 20, w, h};
    default:
      break;
  }
  if (node.ClassName == quorvel::kRichEditClass) return richEditIndex == 0 ? RECT{0, 0, w - 170, 24} : RECT{0, 0, 0, 0};
  if (node.ClassName == quorvel::kPaneContainerClass)
    return node.Title == "Video" ? RECT{0, 0, w, 90} : RECT{0, 94, w, h};
  if (node.ClassName == "Static") return RECT{0, 0, w, 20};
  return RECT{0, 0, w, h};
}

// A class a rename made up is registered as a plain window, so the windows
// below it are still built.
void EnsureClass(App& app, const std::string& className) {
  WNDCLASSEXA info = {sizeof info};
  if (GetClassInfoExA(app.Instance, className.c_str(), &info) || GetClassInfoExA(nullptr, className.c_str(), &info))
    return;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = app.Instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = className.c_str();
  RegisterClassA(&wc);
}

// The role a window plays as built: a transcript, send box or nick list whose
// class was renamed is just a window there, and gets none of their set-up.
WindowRole BuiltRole(const WindowNode& node) {
  switch (node.Role) {
    case WindowRole::Transcript:
    case WindowRole::SendBox:
      return node.ClassName == quorvel::kRichEditClass ? node.Role : WindowRole::None;
    case WindowRole::NickList:
      return node.ClassName == quorvel::kListViewClass ? node.Role : WindowRole::None;
    default:
      return node.Role;
  }
}

// Creates one window of the layout and, below it, its children; records the
// room's transcript, send box and nick list as they appear.
HWND Build(App& app, const WindowNode& node, HWND parent, RECT rect, Room& room) {
  EnsureClass(app, node.ClassName);
  const WindowRole role = BuiltRole(node);
  const bool wraps = role == WindowRole::Transcript && app.WrapWidth > 0;
  DWORD style = WS_CHILD | WS_VISIBLE;
  if (node.ClassName == quorvel::kRichEditClass) style |= ES_MULTILINE | WS_BORDER | WS_VSCROLL | ES_AUTOVSCROLL;
  if (role == WindowRole::Transcript) style |= ES_READONLY | (wraps ? 0 : ES_AUTOHSCROLL | WS_HSCROLL);
  if (wraps) rect.right = rect.left + app.WrapWidth;
  if (role == WindowRole::NickList)
    style |= LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER | WS_BORDER | (app.MultiSelect ? 0 : LVS_SINGLESEL);
  const HWND window =
      CreateWindowExA(0, node.ClassName.c_str(), node.Title.c_str(), style, rect.left, rect.top, rect.right - rect.left,
                      rect.bottom - rect.top, parent, nullptr, app.Instance, nullptr);
  if (!window) return nullptr;
  if (role == WindowRole::Transcript) {
    room.Transcript = window;
    // One paragraph, one line; or, with a wrap width, lines wrapped at the window's edge.
    SendMessageA(window, EM_SETTARGETDEVICE, 0, wraps ? 0 : 1);
  }
  if (role == WindowRole::SendBox) {
    room.SendBox = window;
    SubclassSendBox(app, window);
  }
  if (role == WindowRole::NickList) {
    room.NickList = window;
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = rect.right - rect.left - 24;
    SendMessageA(window, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  }
  RECT client = {0, 0, rect.right - rect.left, rect.bottom - rect.top};
  int richEdits = 0;
  // Children are created in list order, which is also their order below the parent.
  for (const auto& child : node.Children) {
    const bool isRichEdit = child.ClassName == quorvel::kRichEditClass;
    RECT place = PlaceChild(child, client, isRichEdit ? richEdits++ : -1);
    if (node.Role == WindowRole::RoomPane && child.ClassName == quorvel::kSplitterClass)
      place = RECT{client.right - 166, 0, client.right, client.bottom};
    Build(app, child, window, place, room);
  }
  return window;
}

}  // namespace

Room* OpenRoom(App& app, const std::string& title) {
  WindowNode layout = quorvel::RoomWindowLayout(app.Layout, title);
  for (const auto role : app.LeftOut) quorvel::LeaveOutWindow(layout, role);
  for (const auto& [from, to] : app.Renames) quorvel::RenameWindowClass(layout, from, to);
  EnsureClass(app, layout.ClassName);
  auto room = std::make_unique<Room>();
  room->KeepLines = app.KeepLines;
  const int offset = 30 * static_cast<int>(app.Rooms.size());
  room->Window = CreateWindowExA(0, layout.ClassName.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 40 + offset, 40 + offset, 720, 480, nullptr, nullptr, app.Instance, nullptr);
  RECT client;
  GetClientRect(room->Window, &client);
  for (const auto& child : layout.Children) Build(app, child, room->Window, client, *room);
  app.Rooms.push_back(std::move(room));
  return app.Rooms.back().get();
}

}  // namespace fakepal
