// fakepal.exe: a look-alike of the Paltalk client's windows for the Windows
// tests. Its windows are built from ClientLayout, so they carry the classes,
// titles and nesting the bot looks for; its transcript and send box are real
// rich-edit controls and its nick list a real list view.
//
//   fakepal [--install VERSION] [--user NICK] [--layout 9|10] [--journal FILE]
//           [--adminrooms A,B] [--room TITLE [--nicks A,B,C]]...
//
// Enter in a send box appends "NICK: TEXT" to the room's transcript with the
// message's formatting, NICK being the registry's signed-in user. The journal
// records what the bot did, one tab-separated line per event.
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "FakePalProtocol.h"
#include "roomlink/ClientLayout.h"

namespace {

using quorvel::RoomLayout;
using quorvel::WindowNode;
using quorvel::WindowRole;

struct Room {
  HWND Window = nullptr;
  HWND Transcript = nullptr;
  HWND SendBox = nullptr;
  HWND NickList = nullptr;
  std::set<std::string> RedDots;
};

struct App {
  HINSTANCE Instance = nullptr;
  HWND Main = nullptr;
  RoomLayout Layout = RoomLayout::Profile10;
  std::string JournalPath;
  std::vector<std::unique_ptr<Room>> Rooms;
  std::vector<std::string> AdminRooms;
  HWND AdminDialog = nullptr;
  WNDPROC SendBoxProc = nullptr;
  WNDPROC DialogProc = nullptr;
};

App g;  // the one client this process is; fakepal is a test fixture, not the bot

void Journal(const std::string& line) {
  if (g.JournalPath.empty()) return;
  // Written by length: a line may hold a zero byte (the RTF of a send ends in one).
  const std::string record = line + "\n";
  if (FILE* f = std::fopen(g.JournalPath.c_str(), "ab")) {
    std::fwrite(record.data(), 1, record.size(), f);
    std::fclose(f);
  }
}

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  return text;
}

std::string SignedInNick() {
  char value[256] = {};
  DWORD size = sizeof value - 1;
  DWORD type = 0;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Paltalk", 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
  const LONG status = RegQueryValueExA(key, "cur_user", nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS && type == REG_SZ ? std::string(value) : std::string();
}

void SetRegistryString(HKEY root, const char* subKey, const char* name, const std::string& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, subKey, 0, nullptr, 0, KEY_WRITE | KEY_WOW64_32KEY, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

Room* RoomByTitle(const std::string& title) {
  for (auto& r : g.Rooms) {
    char buf[256] = {};
    GetWindowTextA(r->Window, buf, sizeof buf);
    if (r->Window && title == buf) return r.get();
  }
  return nullptr;
}

Room* RoomOfWindow(HWND window) {
  for (auto& r : g.Rooms)
    if (r->Window == window || r->SendBox == window) return r.get();
  return nullptr;
}

// --- transcript

LONG TextLength(HWND edit) {
  GETTEXTLENGTHEX gtl = {GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<LONG>(SendMessageW(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gtl), 0));
}

void AppendTranscript(Room& room, const std::string& text) {
  CHARRANGE end = {-1, -1};
  SendMessageA(room.Transcript, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
  const std::string line = text + "\r";
  SendMessageA(room.Transcript, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
}

// Plain text of a rich-edit control, paragraph marks as single CRs.
std::string RichPlainText(HWND edit) {
  GETTEXTEX gt = {};
  std::string buffer(65536, '\0');
  gt.cb = static_cast<DWORD>(buffer.size());
  gt.flags = GT_DEFAULT;
  gt.codepage = CP_ACP;
  const LRESULT n =
      SendMessageA(edit, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return buffer;
}

DWORD CALLBACK CollectStream(DWORD_PTR cookie, LPBYTE bytes, LONG size, LONG* done) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(bytes), static_cast<size_t>(size));
  *done = size;
  return 0;
}

std::string StreamOutRtf(HWND edit) {
  std::string rtf;
  EDITSTREAM es = {};
  es.dwCookie = reinterpret_cast<DWORD_PTR>(&rtf);
  es.pfnCallback = CollectStream;
  SendMessageA(edit, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&es));
  return rtf;
}

CHARFORMAT2W FormatAt(HWND edit, LONG cp) {
  CHARRANGE range = {cp, cp + 1};
  SendMessageW(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  CHARFORMAT2W cf = {};
  cf.cbSize = sizeof cf;
  SendMessageW(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
  return cf;
}

// The client posts the send box's content to the room: "NICK: TEXT" as one
// transcript line in the message's own formatting.
void PostSendBox(Room& room) {
  const std::string rtf = StreamOutRtf(room.SendBox);
  std::string text = RichPlainText(room.SendBox);
  while (!text.empty() && text.back() == '\r') text.pop_back();
  for (char& c : text)
    if (c == '\r') c = ' ';
  std::string formats;
  if (!text.empty()) {
    const std::string prefix = SignedInNick() + ": ";
    const LONG base = TextLength(room.Transcript) + static_cast<LONG>(prefix.size());
    AppendTranscript(room, prefix + text);
    for (LONG i = 0; i < static_cast<LONG>(text.size()); ++i) {
      CHARFORMAT2W cf = FormatAt(room.SendBox, i);
      CHARRANGE target = {base + i, base + i + 1};
      SendMessageW(room.Transcript, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&target));
      SendMessageW(room.Transcript, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
      formats.push_back((cf.dwMask & CFM_BOLD) && (cf.dwEffects & CFE_BOLD) ? 'b' : '.');
    }
  }
  SetWindowTextA(room.SendBox, "");
  Journal("SENT\t" + text + "\t" + formats + "\t" + OneLine(rtf));
}

LRESULT CALLBACK SendBoxProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_KEYDOWN && w == VK_RETURN) {
    if (Room* room = RoomOfWindow(window)) PostSendBox(*room);
    return 0;
  }
  return CallWindowProcW(g.SendBoxProc, window, message, w, l);
}

// --- nick list

std::string ItemText(HWND list, int index) {
  char buf[256] = {};
  LVITEMA item = {};
  item.iSubItem = 0;
  item.pszText = buf;
  item.cchTextMax = sizeof buf;
  SendMessageA(list, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
  return buf;
}

void SetNicks(Room& room, const std::vector<std::string>& items) {
  SendMessageA(room.NickList, LVM_DELETEALLITEMS, 0, 0);
  for (size_t i = 0; i < items.size(); ++i) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<char*>(items[i].c_str());
    SendMessageA(room.NickList, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
}

int SelectedNick(const Room& room) {
  return static_cast<int>(SendMessageA(room.NickList, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void RoomCommand(Room& room, int id) {
  const int selected = SelectedNick(room);
  const std::string text = selected >= 0 ? ItemText(room.NickList, selected) : "-";
  Journal("COMMAND\t" + std::to_string(id) + "\t" + text);
  if (selected < 0) return;
  if (id == quorvel::kCommandBounce) {
    std::string nick;
    for (char c : text)
      if (c != '@') nick.push_back(c);
    SendMessageA(room.NickList, LVM_DELETEITEM, selected, 0);
    AppendTranscript(room, nick + " has been bounced from the room");
  } else if (id == quorvel::kCommandRedDot) {
    if (!room.RedDots.erase(text)) room.RedDots.insert(text);
    Journal("REDDOT\t" + text + "\t" + (room.RedDots.count(text) ? "on" : "off"));
  }
}

// --- windows from the layout

RECT Inset(const RECT& r, int left, int top, int right, int bottom) {
  return RECT{r.left + left, r.top + top, r.right - right, r.bottom - bottom};
}

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
  if (node.ClassName == quorvel::kSplitterClass && node.Role != WindowRole::RoomPane && richEditIndex < 0)
    return RECT{0, 0, w, h};
  return RECT{0, 0, w, h};
}

HWND Build(const WindowNode& node, HWND parent, const RECT& rect, Room& room) {
  DWORD style = WS_CHILD | WS_VISIBLE;
  if (node.ClassName == quorvel::kRichEditClass) style |= ES_MULTILINE | WS_BORDER | WS_VSCROLL | ES_AUTOVSCROLL;
  if (node.Role == WindowRole::Transcript) style |= ES_READONLY | ES_AUTOHSCROLL | WS_HSCROLL;
  if (node.Role == WindowRole::NickList)
    style |= LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOCOLUMNHEADER | WS_BORDER;
  const HWND window =
      CreateWindowExA(0, node.ClassName.c_str(), node.Title.c_str(), style, rect.left, rect.top, rect.right - rect.left,
                      rect.bottom - rect.top, parent, nullptr, g.Instance, nullptr);
  if (!window) return nullptr;
  if (node.Role == WindowRole::Transcript) {
    room.Transcript = window;
    SendMessageA(window, EM_SETTARGETDEVICE, 0, 1);  // one paragraph, one line: no word wrap
  }
  if (node.Role == WindowRole::SendBox) {
    room.SendBox = window;
    g.SendBoxProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SendBoxProcedure)));
  }
  if (node.Role == WindowRole::NickList) {
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
    Build(child, window, place, room);
  }
  return window;
}

Room* OpenRoom(const std::string& title) {
  const WindowNode layout = quorvel::RoomWindowLayout(g.Layout, title);
  auto room = std::make_unique<Room>();
  room->Window = CreateWindowExA(0, layout.ClassName.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 40 + 30 * static_cast<int>(g.Rooms.size()), 40 + 30 * static_cast<int>(g.Rooms.size()),
                                 720, 480, nullptr, nullptr, g.Instance, nullptr);
  RECT client;
  GetClientRect(room->Window, &client);
  for (const auto& child : layout.Children) Build(child, room->Window, client, *room);
  g.Rooms.push_back(std::move(room));
  return g.Rooms.back().get();
}

// OK of the admin join dialog: the room picked in its combo box is opened
// (unless it is open already) and the code typed is recorded.
void AdminJoin(HWND dialog) {
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
  g.AdminDialog = nullptr;
  if (!name.empty() && !RoomByTitle(name + " Room")) OpenRoom(name + " Room");
  Journal("JOINED\t" + name + "\t" + code);
}

LRESULT CALLBACK DialogSubclass(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (window == g.AdminDialog && message == WM_COMMAND && LOWORD(w) == IDOK) {
    AdminJoin(window);
    return 0;
  }
  if (message == WM_CLOSE || (message == WM_COMMAND && (LOWORD(w) == IDCANCEL || LOWORD(w) == IDOK))) {
    if (window == g.AdminDialog) g.AdminDialog = nullptr;
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    DestroyWindow(window);
    Journal(std::string("CLOSED\t") + title);
    return 0;
  }
  return CallWindowProcA(g.DialogProc, window, message, w, l);
}

void OpenNotice() {
  const WindowNode notice = quorvel::NoticeWindowLayout();
  const HWND window = CreateWindowExA(WS_EX_TOPMOST, notice.ClassName.c_str(), notice.Title.c_str(),
                                      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 200, 200, 300, 120, nullptr,
                                      nullptr, g.Instance, nullptr);
  g.DialogProc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DialogSubclass)));
  CreateWindowExA(0, "STATIC", "Welcome to Paltalk!", WS_CHILD | WS_VISIBLE, 10, 10, 260, 20, window, nullptr,
                  g.Instance, nullptr);
}

void OpenAdminDialog() {
  if (g.AdminDialog) return;
  const WindowNode layout = quorvel::AdminJoinDialogLayout();
  const HWND dialog = CreateWindowExA(0, layout.ClassName.c_str(), layout.Title.c_str(),
                                      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 260, 160, 320, 150, nullptr,
                                      nullptr, g.Instance, nullptr);
  g.DialogProc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DialogSubclass)));
  g.AdminDialog = dialog;
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
                                   dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), g.Instance, nullptr);
    if (child.Role == WindowRole::AdminCombo)
      for (const auto& name : g.AdminRooms) SendMessageA(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (!button) y += 32;
  }
}

std::vector<std::string> Fields(const char* data, size_t size) {
  std::vector<std::string> fields(1);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == fakepal::kFieldSeparator)
      fields.emplace_back();
    else
      fields.back().push_back(data[i]);
  }
  return fields;
}

LRESULT OnCopyData(const COPYDATASTRUCT& cds) {
  const auto f = Fields(static_cast<const char*>(cds.lpData), cds.cbData);
  switch (cds.dwData) {
    case fakepal::kAppendLine:
      if (Room* room = f.size() == 2 ? RoomByTitle(f[0]) : nullptr) return AppendTranscript(*room, f[1]), 1;
      return 0;
    case fakepal::kOpenNotice:
      return OpenNotice(), 1;
    case fakepal::kSetNicks:
      if (Room* room = RoomByTitle(f[0])) return SetNicks(*room, std::vector<std::string>(f.begin() + 1, f.end())), 1;
      return 0;
    case fakepal::kOpenRoom:
      return OpenRoom(f[0]) ? 1 : 0;
    case fakepal::kCloseRoom:
      if (Room* room = RoomByTitle(f[0])) {
        DestroyWindow(room->Window);
        room->Window = nullptr;
        return 1;
      }
      return 0;
    case fakepal::kSelectNick:
      if (Room* room = f.size() == 2 ? RoomByTitle(f[0]) : nullptr) {
        const int n = static_cast<int>(SendMessageA(room->NickList, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
          if (ItemText(room->NickList, i) != f[1]) continue;
          LVITEMA state = {};
          state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
          state.state = state.stateMask;
          SendMessageA(room->NickList, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
          return 1;
        }
      }
      return 0;
    default:
      return 0;
  }
}

LRESULT CALLBACK MainProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COPYDATA:
      return OnCopyData(*reinterpret_cast<const COPYDATASTRUCT*>(l));
    case fakepal::kHangMessage:
      Sleep(static_cast<DWORD>(w));
      return 0;
    case fakepal::kQuitMessage:
      ExitProcess(0);
    case WM_COMMAND:
      Journal("COMMAND\t" + std::to_string(LOWORD(w)) + "\t-");
      if (LOWORD(w) == quorvel::kCommandAdminJoin) OpenAdminDialog();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, w, l);
  }
}

LRESULT CALLBACK RoomProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_COMMAND && l == 0) {
    if (Room* room = RoomOfWindow(window)) RoomCommand(*room, LOWORD(w));
    return 0;
  }
  if (message == WM_DESTROY) {
    if (Room* room = RoomOfWindow(window)) room->Window = nullptr;
  }
  return DefWindowProcA(window, message, w, l);
}

void RegisterClasses() {
  auto reg = [](const char* name, WNDPROC proc) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = g.Instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    RegisterClassA(&wc);
  };
  reg(quorvel::kMainWindowClass, MainProcedure);
  reg(quorvel::kRoomWindowClass, RoomProcedure);
  reg(quorvel::kSplitterClass, DefWindowProcA);
  reg(quorvel::kPaneContainerClass, DefWindowProcA);
  reg(quorvel::kNickHostClass, DefWindowProcA);
}

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> items(1);
  for (char c : text) {
    if (c == ',')
      items.emplace_back();
    else
      items.back().push_back(c);
  }
  return items;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  g.Instance = instance;
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  LoadLibraryA("riched20.dll");
  RegisterClasses();

  g.Main = CreateWindowExA(0, quorvel::kMainWindowClass, quorvel::kMainWindowTitle, WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                           nullptr, nullptr, instance, nullptr);
  for (int i = 1; i < __argc; ++i) {
    const std::string arg = __argv[i];
    const std::string value = i + 1 < __argc ? __argv[i + 1] : "";
    if (arg == "--install") {
      SetRegistryString(HKEY_LOCAL_MACHINE,
                        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Paltalk Messenger", "DisplayVersion",
                        value);
      ++i;
    } else if (arg == "--user") {
      SetRegistryString(HKEY_CURRENT_USER, "Software\\Paltalk", "cur_user", value);
      ++i;
    } else if (arg == "--layout") {
      g.Layout = value == "9" ? RoomLayout::Profile9 : RoomLayout::Profile10;
      ++i;
    } else if (arg == "--journal") {
      g.JournalPath = value;
      ++i;
    } else if (arg == "--room") {
      OpenRoom(value);
      ++i;
    } else if (arg == "--adminrooms") {
      g.AdminRooms = SplitCommas(value);
      ++i;
    } else if (arg == "--nicks" && !g.Rooms.empty()) {
      SetNicks(*g.Rooms.back(), SplitCommas(value));
      ++i;
    }
  }
  Journal("READY");

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
