#include <windows.h>

#include "roomlink/win32/Win32Desktop.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <type_traits>

#include "roomlink/win32/RemoteProcess.h"

namespace quorvel {
namespace {

// Far more windows than any client shows; a bound against a tree that changes
// under the walk.
constexpr int kMaxWindows = 20000;
constexpr int kNameBuffer = 256;  // 255 characters and the zero
constexpr int kItemTextBuffer = 255;

HWND ToHwnd(WindowHandle h) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(h)); }
WindowHandle ToHandle(HWND h) { return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(h)); }

// The list-view item record of a 32-bit process: ten 4-byte fields.
struct ListItem32 {
  std::uint32_t mask, iItem, iSubItem, state, stateMask, pszText, cchTextMax, iImage, lParam, iIndent;
};
static_assert(sizeof(ListItem32) == 40, "the 32-bit list-view item record is 40 bytes");

class Sender {
 public:
  Sender(HWND window, unsigned timeoutMs) : window_(window), timeoutMs_(timeoutMs) {}

  // The answer, or nothing when the window is gone or did not answer in time.
  std::optional<LRESULT> A(UINT message, WPARAM w, LPARAM l) const {
    if (!window_ || !IsWindow(window_)) return std::nullopt;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window_, message, w, l, SMTO_ABORTIFHUNG | SMTO_BLOCK, timeoutMs_, &result))
      return std::nullopt;
    return static_cast<LRESULT>(result);
  }
  std::optional<LRESULT> W(UINT message, WPARAM w, LPARAM l) const {
    if (!window_ || !IsWindow(window_)) return std::nullopt;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window_, message, w, l, SMTO_ABORTIFHUNG | SMTO_BLOCK, timeoutMs_, &result))
      return std::nullopt;
    return static_cast<LRESULT>(result);
  }

 private:
  HWND window_;
  unsigned timeoutMs_;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
  auto* out = reinterpret_cast<std::vector<WindowHandle>*>(param);
  out->push_back(ToHandle(window));
  return out->size() < static_cast<size_t>(kMaxWindows);
}

void CollectDescendants(HWND parent, std::vector<WindowHandle>& out) {
  for (HWND child = GetWindow(parent, GW_CHILD); child && out.size() < static_cast<size_t>(kMaxWindows);
       child = GetWindow(child, GW_HWNDNEXT)) {
    out.push_back(ToHandle(child));
    CollectDescendants(child, out);
  }
}

// The text-range record of a 32-bit process: two 4-byte positions and a 4-byte address.
std::string WideToAnsi(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string text(n > 0 ? static_cast<size_t>(n) : 0, '\0');
  if (n > 0)
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr, nullptr);
  return text;
}

struct TextRange32 {
  std::int32_t cpMin, cpMax;
  std::uint32_t lpstrText;
};
static_assert(sizeof(TextRange32) == 12, "the 32-bit text-range record is 12 bytes");

template <typename Range>
std::string ReadTextRange(const RemoteProcess& process, const Sender& send, LONG start, LONG count) {
  RemoteBlock text(process, (static_cast<size_t>(count) + 1) * sizeof(WCHAR));
  RemoteBlock record(process, sizeof(Range));
  if (!text.Valid() || !record.Valid()) return {};
  Range local = {};
  if constexpr (std::is_same_v<Range, TextRange32>) {
    local.cpMin = start;
    local.cpMax = start + count;
    local.lpstrText = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(text.Address()));
  } else {
    local.chrg.cpMin = start;
    local.chrg.cpMax = start + count;
    local.lpstrText = static_cast<LPWSTR>(text.Address());
  }
  if (!record.Write(&local, sizeof local)) return {};
  // Asked wide: the transcript is a Unicode control, and ANSI text is made here.
  const auto copied = send.W(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(record.Address()));
  if (!copied || *copied <= 0) return {};
  std::wstring wide(static_cast<size_t>(std::min<LRESULT>(*copied, count)), L'\0');
  if (!text.Read(wide.data(), wide.size() * sizeof(WCHAR))) return {};
  const size_t zero = wide.find(L'\0');
  if (zero != std::wstring::npos) wide.resize(zero);
  return WideToAnsi(wide);
}

template <typename Record>
void PrepareTextRecord(Record& record, void* remoteText) {
  std::memset(&record, 0, sizeof record);
  record.mask = LVIF_TEXT;
  record.iSubItem = 0;
  record.cchTextMax = kItemTextBuffer;
  if constexpr (std::is_same_v<Record, ListItem32>) {
    record.pszText = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(remoteText));
  } else {
    record.pszText = static_cast<LPSTR>(remoteText);
  }
}

template <typename Record>
std::vector<std::string> ReadItemTexts(const RemoteProcess& process, const Sender& send) {
  std::vector<std::string> texts;
  RemoteBlock text(process, kItemTextBuffer);
  RemoteBlock record(process, sizeof(Record));
  if (!text.Valid() || !record.Valid()) return texts;
  Record local;
  PrepareTextRecord(local, text.Address());
  const auto count = send.A(LVM_GETITEMCOUNT, 0, 0);
  for (LRESULT i = 0; count && i < *count; ++i) {
    char buffer[kItemTextBuffer];
    // Any failing step means the client or its window went away: what was
    // read so far stands, nothing more is read.
    if (!record.Write(&local, sizeof local)) break;
    if (!send.A(LVM_GETITEMTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(record.Address()))) break;
    if (!text.Read(buffer, sizeof buffer)) break;
    Record back;
    if (!record.Read(&back, sizeof back)) break;
    const void* zero = std::memchr(buffer, 0, sizeof buffer);
    texts.emplace_back(buffer, zero ? static_cast<const char*>(zero) - buffer : sizeof buffer);
  }
  return texts;
}

template <typename Record>
void SelectItem(const RemoteProcess& process, const Sender& send, int index) {
  RemoteBlock record(process, sizeof(Record));
  if (!record.Valid()) return;
  Record local;
  std::memset(&local, 0, sizeof local);
  local.mask = LVIF_STATE;
  local.state = 0xFFFFFFFF;
  local.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  if (record.Write(&local, sizeof local))
    send.A(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(record.Address()));
}

}  // namespace

std::vector<WindowHandle> Win32Desktop::TopLevelWindows() {
  std::vector<WindowHandle> out;
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&out));
  return out;
}

std::vector<WindowHandle> Win32Desktop::Children(WindowHandle parent) {
  std::vector<WindowHandle> out;
  if (!parent) return out;
  for (HWND child = GetWindow(ToHwnd(parent), GW_CHILD); child && out.size() < static_cast<size_t>(kMaxWindows);
       child = GetWindow(child, GW_HWNDNEXT))
    out.push_back(ToHandle(child));
  return out;
}

std::vector<WindowHandle> Win32Desktop::Descendants(WindowHandle parent) {
  std::vector<WindowHandle> out;
  if (parent) CollectDescendants(ToHwnd(parent), out);
  return out;
}

WindowHandle Win32Desktop::NextSibling(WindowHandle window) {
  return window ? ToHandle(GetWindow(ToHwnd(window), GW_HWNDNEXT)) : kNoWindow;
}

std::string Win32Desktop::ClassName(WindowHandle window) {
  char buffer[kNameBuffer] = {};
  const int n = window ? GetClassNameA(ToHwnd(window), buffer, kNameBuffer) : 0;
  return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string Win32Desktop::Title(WindowHandle window) {
  char buffer[kNameBuffer] = {};
  const int n = window ? GetWindowTextA(ToHwnd(window), buffer, kNameBuffer) : 0;
  return std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

int Win32Desktop::LineCount(WindowHandle edit) {
  const auto n = Sender(ToHwnd(edit), timeoutMs_).A(EM_GETLINECOUNT, 0, 0);
  return n ? static_cast<int>(*n) : 0;
}

std::string Win32Desktop::GetLine(WindowHandle edit, int index, int capacity) {
  const HWND window = ToHwnd(edit);
  if (capacity <= 0 || capacity > 0xFFFF || index < 0 || !window || !IsWindow(window)) return {};
  const Sender send(window, timeoutMs_);
  // The line is copied into memory of the client's own process, as EM_GETLINE
  // would copy it: its characters and the paragraph mark that ends it, at most
  // `capacity`. (Wine's cross-process EM_GETLINE cuts long lines and can
  // corrupt the client, so the text range of the line is asked for instead.)
  const auto start = send.A(EM_LINEINDEX, static_cast<WPARAM>(index), 0);
  if (!start || *start < 0) return {};
  const auto length = send.A(EM_LINELENGTH, static_cast<WPARAM>(*start), 0);
  if (!length || *length < 0) return {};
  const LONG wanted = static_cast<LONG>(std::min<LRESULT>(*length + 1, capacity));
  RemoteProcess process(window);
  if (!process.Valid()) return {};
  std::string text = process.Is32Bit() ? ReadTextRange<TextRange32>(process, send, static_cast<LONG>(*start), wanted)
                                       : ReadTextRange<TEXTRANGEW>(process, send, static_cast<LONG>(*start), wanted);
  // A wrapped line ends without a mark: the extra character belongs to the next one.
  if (*length + 1 <= capacity && !text.empty() && text.back() != '\r' && static_cast<LONG>(text.size()) == wanted)
    text.pop_back();
  return text;
}

void Win32Desktop::SetRtfText(WindowHandle edit, const std::string& rtf) {
  // The 8-bit RTF goes through the wide entry point, as the client's send box
  // expects it; zero padding ends it as a wide string wherever it stops.
  std::string bytes = rtf;
  bytes.append(4, '\0');
  Sender(ToHwnd(edit), timeoutMs_).W(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(bytes.data()));
}

void Win32Desktop::SetText(WindowHandle window, const std::string& text) {
  Sender(ToHwnd(window), timeoutMs_).A(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32Desktop::KeyDown(WindowHandle window, int virtualKey) {
  Sender(ToHwnd(window), timeoutMs_).A(WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 0);
}

void Win32Desktop::KeyUp(WindowHandle window, int virtualKey) {
  Sender(ToHwnd(window), timeoutMs_).A(WM_KEYUP, static_cast<WPARAM>(virtualKey), 0);
}

void Win32Desktop::PostCommand(WindowHandle window, int commandId) {
  if (window) PostMessageA(ToHwnd(window), WM_COMMAND, static_cast<WPARAM>(commandId), 0);
}

void Win32Desktop::PostClose(WindowHandle window) {
  if (window) PostMessageA(ToHwnd(window), WM_CLOSE, 0, 0);
}

int Win32Desktop::ListItemCount(WindowHandle listView) {
  const auto n = Sender(ToHwnd(listView), timeoutMs_).A(LVM_GETITEMCOUNT, 0, 0);
  return n && *n > 0 ? static_cast<int>(*n) : 0;
}

std::vector<std::string> Win32Desktop::ListItemTexts(WindowHandle listView) {
  const HWND window = ToHwnd(listView);
  if (!window || !IsWindow(window)) return {};
  RemoteProcess process(window);
  if (!process.Valid()) return {};
  const Sender send(window, timeoutMs_);
  return process.Is32Bit() ? ReadItemTexts<ListItem32>(process, send) : ReadItemTexts<LVITEMA>(process, send);
}

void Win32Desktop::SelectListItem(WindowHandle listView, int index) {
  const HWND window = ToHwnd(listView);
  if (!window || !IsWindow(window) || index < 0) return;
  RemoteProcess process(window);
  if (!process.Valid()) return;
  const Sender send(window, timeoutMs_);
  if (process.Is32Bit()) {
    SelectItem<ListItem32>(process, send, index);
  } else {
    SelectItem<LVITEMA>(process, send, index);
  }
}

std::vector<std::string> Win32Desktop::ComboItems(WindowHandle combo) {
  std::vector<std::string> items;
  const Sender send(ToHwnd(combo), timeoutMs_);
  const auto count = send.A(CB_GETCOUNT, 0, 0);
  if (!count || *count == 0 || *count == CB_ERR) return items;
  // Asked wide and made ANSI here: Wine hands an 8-bit CB_GETLBTEXT from
  // another process the wide text.
  for (LRESULT i = 0; i < *count; ++i) {
    const auto length = send.W(CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    if (!length || *length == CB_ERR || *length < 0 || *length > 0xFFFF) break;
    std::wstring text(static_cast<size_t>(*length) + 1, L'\0');
    const auto got = send.W(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    if (!got || *got == CB_ERR) break;
    text.resize(std::min<size_t>(static_cast<size_t>(*got), static_cast<size_t>(*length)));
    items.push_back(WideToAnsi(text));
  }
  return items;
}

void Win32Desktop::ComboSetSelection(WindowHandle combo, int index) {
  Sender(ToHwnd(combo), timeoutMs_).A(CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace quorvel
