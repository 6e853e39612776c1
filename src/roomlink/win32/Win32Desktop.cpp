#include <windows.h>

#include "roomlink/win32/Win32Desktop.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <type_traits>
#include <utility>

#include "roomlink/win32/RemoteListView.h"
#include "roomlink/win32/RemoteProcess.h"
#include "roomlink/win32/Sender.h"

namespace quorvel {
namespace {

// Far more windows than any client shows; a bound against a tree that changes
// under the walk.
constexpr int kMaxWindows = 20000;
constexpr int kNameBuffer = 256;  // 255 characters and the zero

HWND ToHwnd(WindowHandle h) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(h)); }
WindowHandle ToHandle(HWND h) { return static_cast<WindowHandle>(reinterpret_cast<std::uintptr_t>(h)); }

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

std::string WideToAnsi(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string text(n > 0 ? static_cast<size_t>(n) : 0, '\0');
  if (n > 0)
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n, nullptr, nullptr);
  return text;
}

// The text-range record of a 32-bit process: two 4-byte positions and a 4-byte address.
struct TextRange32 {
  std::int32_t cpMin, cpMax;
  std::uint32_t lpstrText;
};
static_assert(sizeof(TextRange32) == 12, "the 32-bit text-range record is 12 bytes");

// The text-range record leads the transcript's block; the text follows it.
constexpr std::size_t kRangeRecordBytes = 16;
constexpr std::size_t kTranscriptBlockBytes = 4096;  // a page: the 256-character fetch and its record
// The most characters one read of a span of rows takes, from the span's end:
// a thousand long messages, far more than a room says between two ticks.
constexpr LONG kMaxSpanChars = 256 * 1024;

// Where each paragraph of `text` starts and how long it is, its mark left
// out; a last piece without a mark is open.
std::vector<std::pair<std::size_t, std::size_t>> ParagraphPieces(const std::wstring& text, bool& open) {
  std::vector<std::pair<std::size_t, std::size_t>> pieces;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'\r') continue;
    pieces.emplace_back(start, i - start);
    start = i + 1;
  }
  open = start < text.size();
  if (open) pieces.emplace_back(start, text.size() - start);
  return pieces;
}

}  // namespace

struct Win32Desktop::TranscriptLink {
  TranscriptLink(HWND edit, DWORD pid, const ProcessOpener& open) : window(edit), processId(pid), process(edit, open) {}

  HWND window;
  DWORD processId;
  RemoteProcess process;
  std::optional<RemoteBlock> block;  // made once the process's records are known
  // The record as last written into the block: an idle tick asks for the same
  // range again and need not write it again.
  unsigned char written[kRangeRecordBytes] = {};
  bool haveWritten = false;
};

namespace {

// The range's characters as the control holds them, UTF-16.
template <typename Range>
std::wstring ReadTextRange(Win32Desktop::TranscriptLink& link, const Sender& send, LONG start, LONG count) {
  static_assert(sizeof(Range) <= kRangeRecordBytes);
  const RemoteBlock& block = *link.block;
  char* const base = static_cast<char*>(block.Address());
  unsigned char record[kRangeRecordBytes] = {};
  Range local = {};
  if constexpr (std::is_same_v<Range, TextRange32>) {
    local.cpMin = start;
    local.cpMax = start + count;
    local.lpstrText = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(base + kRangeRecordBytes));
  } else {
    local.chrg.cpMin = start;
    local.chrg.cpMax = start + count;
    local.lpstrText = reinterpret_cast<LPWSTR>(base + kRangeRecordBytes);
  }
  std::memcpy(record, &local, sizeof local);
  if (!link.haveWritten || std::memcmp(record, link.written, sizeof record) != 0) {
    link.haveWritten = false;
    if (!block.Write(record, sizeof record)) return {};
    std::memcpy(link.written, record, sizeof record);
    link.haveWritten = true;
  }
  // Asked wide: the transcript is a Unicode control, and ANSI text is made by the caller.
  const auto copied = send.W(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(base));
  if (!copied || *copied <= 0) return {};
  std::wstring wide(static_cast<size_t>(std::min<LRESULT>(*copied, count)), L'\0');
  if (!block.Read(wide.data(), wide.size() * sizeof(WCHAR), kRangeRecordBytes)) return {};
  const size_t zero = wide.find(L'\0');
  if (zero != std::wstring::npos) wide.resize(zero);
  return wide;
}

}  // namespace

Win32Desktop::Win32Desktop(unsigned timeoutMs, ProcessOpener openProcess) : openProcess_(std::move(openProcess)) {
  budget_.timeoutMs = timeoutMs;
  if (!openProcess_)
    openProcess_ = [](unsigned long access, unsigned long processId) -> void* {
      return OpenProcess(access, FALSE, processId);
    };
}

void Win32Desktop::NoteBitness(const RemoteProcess& process) {
  bitnessUnknown_ = process.Bitness() == ProcessBitness::Unknown;
  if (!bitnessUnknown_) clientBits_ = process.Is32Bit() ? 32 : 64;
}

bool Win32Desktop::KnowsRecords(const RemoteProcess& process) {
  if (!process.Valid()) return false;
  memoryTried_ = true;
  // Records of the wrong bitness would make the client read or write through
  // pointers cut in half or run together: without the answer nothing is sent.
  NoteBitness(process);
  return !bitnessUnknown_;
}

void Win32Desktop::LearnClientBits(WindowHandle window) {
  const RemoteProcess process(ToHwnd(window), openProcess_);
  if (process.Valid()) NoteBitness(process);
}

Win32Desktop::~Win32Desktop() = default;

void Win32Desktop::BeginTick() {
  budget_.inTick = true;
  budget_.hungProcess = 0;
}

void Win32Desktop::EndTick() {
  budget_.inTick = false;
  budget_.hungProcess = 0;
}

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

WindowHandle Win32Desktop::FindMatching(WindowHandle parent, WindowHandle after,
                                        const std::optional<std::string>& className,
                                        const std::optional<std::string>& title) {
  const char* wantedClass = className ? className->c_str() : nullptr;
  const char* wantedTitle = title ? title->c_str() : nullptr;
  if (parent == kNoWindow && after == kNoWindow) return ToHandle(FindWindowA(wantedClass, wantedTitle));
  return ToHandle(FindWindowExA(ToHwnd(parent), ToHwnd(after), wantedClass, wantedTitle));
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
  const HWND window = ToHwnd(edit);
  const auto n = Sender(window, budget_).A(EM_GETLINECOUNT, 0, 0);
  // The transcript closed: its process and block go at once.
  if (!n && transcript_ && transcript_->window == window && !IsWindow(window)) transcript_.reset();
  return n ? static_cast<int>(*n) : 0;
}

Win32Desktop::TranscriptLink* Win32Desktop::LinkTo(WindowHandle edit, std::size_t blockSize) {
  const HWND window = ToHwnd(edit);
  const DWORD pid = ProcessOf(window);
  const bool same = transcript_ && transcript_->window == window && transcript_->processId == pid &&
                    transcript_->block->Size() >= blockSize;
  if (same) return transcript_.get();
  transcript_.reset();  // another window, a closed one, or a longer fetch: the old link goes first
  if (pid == 0) return nullptr;
  auto link = std::make_unique<TranscriptLink>(window, pid, openProcess_);
  if (!KnowsRecords(link->process)) return nullptr;
  link->block.emplace(link->process, std::max(blockSize, kTranscriptBlockBytes));
  if (!link->block->Valid()) return nullptr;
  transcript_ = std::move(link);
  return transcript_.get();
}

std::string Win32Desktop::GetLine(WindowHandle edit, int index, int capacity) {
  const HWND window = ToHwnd(edit);
  if (capacity <= 0 || capacity > 0xFFFF || index < 0 || !window) return {};
  const Sender send(window, budget_);
  // The line is copied into memory of the client's own process, as EM_GETLINE
  // would copy it: its characters and the paragraph mark that ends it, at most
  // `capacity`. (Wine's cross-process EM_GETLINE cuts long lines and can
  // corrupt the client, so the text range of the line is asked for instead.)
  const auto start = send.A(EM_LINEINDEX, static_cast<WPARAM>(index), 0);
  if (!start || *start < 0) return {};
  const auto length = send.A(EM_LINELENGTH, static_cast<WPARAM>(*start), 0);
  if (!length || *length < 0) return {};
  const LONG wanted = static_cast<LONG>(std::min<LRESULT>(*length + 1, capacity));
  TranscriptLink* link = LinkTo(edit, kRangeRecordBytes + (static_cast<std::size_t>(wanted) + 1) * sizeof(WCHAR));
  if (!link) return {};
  std::wstring text = link->process.Is32Bit()
                          ? ReadTextRange<TextRange32>(*link, send, static_cast<LONG>(*start), wanted)
                          : ReadTextRange<TEXTRANGEW>(*link, send, static_cast<LONG>(*start), wanted);
  // A wrapped line ends without a mark: the extra character belongs to the
  // next one. Counted in the control's characters, before conversion: in a
  // double-byte code page the converted text has more bytes than characters.
  if (*length + 1 <= capacity && !text.empty() && text.back() != L'\r' && static_cast<LONG>(text.size()) == wanted)
    text.pop_back();
  return WideToAnsi(text);
}

TextSpan Win32Desktop::ReadRows(WindowHandle edit, int firstRow, int endRow, std::size_t keepNewest,
                                std::size_t maxChars) {
  TextSpan span;
  const HWND window = ToHwnd(edit);
  if (!window || firstRow < 0 || endRow <= firstRow || keepNewest == 0) return span;
  const Sender send(window, budget_);
  // Three calls however long the span: where it starts, where it ends, and
  // one read of the characters between.
  const auto start = send.A(EM_LINEINDEX, static_cast<WPARAM>(firstRow), 0);
  const auto stop = send.A(EM_LINEINDEX, static_cast<WPARAM>(endRow), 0);
  if (!start || !stop || *start < 0 || *stop < *start) return span;
  LONG from = static_cast<LONG>(*start);
  const LONG to = static_cast<LONG>(*stop);
  if (to - from > kMaxSpanChars) {
    from = to - kMaxSpanChars;
    span.Cut = true;
  }
  if (to == from) return span;
  TranscriptLink* link = LinkTo(edit, kRangeRecordBytes + (static_cast<std::size_t>(to - from) + 1) * sizeof(WCHAR));
  if (!link) return span;
  const std::wstring text = link->process.Is32Bit() ? ReadTextRange<TextRange32>(*link, send, from, to - from)
                                                    : ReadTextRange<TEXTRANGEW>(*link, send, from, to - from);
  // A character's worth cut after maxChars, in the control's characters,
  // before conversion: a double-byte character is one of them.
  auto handed = [&](std::size_t at, std::size_t length) {
    return WideToAnsi(text.substr(std::min(at, text.size()), std::min(length, maxChars)));
  };
  const auto pieces = ParagraphPieces(text, span.Open);
  span.Count = pieces.size();
  for (std::size_t k = pieces.size() - std::min(keepNewest, pieces.size()); k < pieces.size(); ++k)
    span.Paragraphs.push_back(handed(pieces[k].first, pieces[k].second));
  return span;
}

void Win32Desktop::SetRtfText(WindowHandle edit, const std::string& rtf) {
  // The 8-bit RTF goes through the wide entry point, as the client's send box
  // expects it; zero padding ends it as a wide string wherever it stops.
  std::string bytes = rtf;
  bytes.append(4, '\0');
  Sender(ToHwnd(edit), budget_).W(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(bytes.data()));
}

void Win32Desktop::SetText(WindowHandle window, const std::string& text) {
  Sender(ToHwnd(window), budget_).A(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Win32Desktop::KeyDown(WindowHandle window, int virtualKey) {
  Sender(ToHwnd(window), budget_).A(WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 0);
}

void Win32Desktop::KeyUp(WindowHandle window, int virtualKey) {
  Sender(ToHwnd(window), budget_).A(WM_KEYUP, static_cast<WPARAM>(virtualKey), 0);
}

void Win32Desktop::PostCommand(WindowHandle window, int commandId) {
  if (window) PostMessageA(ToHwnd(window), WM_COMMAND, static_cast<WPARAM>(commandId), 0);
}

void Win32Desktop::PostClose(WindowHandle window) {
  if (window) PostMessageA(ToHwnd(window), WM_CLOSE, 0, 0);
}

int Win32Desktop::ListItemCount(WindowHandle listView) {
  const auto n = Sender(ToHwnd(listView), budget_).A(LVM_GETITEMCOUNT, 0, 0);
  return n && *n > 0 ? static_cast<int>(*n) : 0;
}

std::vector<std::string> Win32Desktop::ListItemTexts(WindowHandle listView) {
  const HWND window = ToHwnd(listView);
  if (!window) return {};
  RemoteProcess process(window, openProcess_);
  if (!KnowsRecords(process)) return {};
  return ReadListViewTexts(process, Sender(window, budget_));
}

std::string Win32Desktop::ListItemText(WindowHandle listView, int index) {
  const HWND window = ToHwnd(listView);
  if (!window || index < 0) return {};
  RemoteProcess process(window, openProcess_);
  if (!KnowsRecords(process)) return {};
  return ReadListViewText(process, Sender(window, budget_), index);
}

void Win32Desktop::SelectListItem(WindowHandle listView, int index) {
  const HWND window = ToHwnd(listView);
  if (!window || index < 0) return;
  RemoteProcess process(window, openProcess_);
  if (!KnowsRecords(process)) return;
  SelectListViewItem(process, Sender(window, budget_), index);
}

std::vector<std::string> Win32Desktop::ComboItems(WindowHandle combo) {
  std::vector<std::string> items;
  const Sender send(ToHwnd(combo), budget_);
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

int Win32Desktop::ComboItemCount(WindowHandle combo) {
  const auto count = Sender(ToHwnd(combo), budget_).A(CB_GETCOUNT, 0, 0);
  return count && *count > 0 ? static_cast<int>(*count) : 0;
}

WindowFacts Win32Desktop::FactsOf(WindowHandle window) {
  WindowFacts facts;
  const HWND hwnd = ToHwnd(window);
  if (!window || !IsWindow(hwnd)) return facts;
  // Each of these reads what the window manager keeps; none sends the window a message.
  facts.ProcessId = ProcessOf(hwnd);
  facts.ControlId = static_cast<int>(GetWindowLongPtrA(hwnd, GWLP_ID));
  facts.Visible = IsWindowVisible(hwnd) != FALSE;
  facts.Enabled = IsWindowEnabled(hwnd) != FALSE;
  // ES_READONLY means read-only for edit controls only; other classes use the bit for their own styles.
  char className[kNameBuffer] = {};
  GetClassNameA(hwnd, className, kNameBuffer);
  CharLowerA(className);
  const bool edit = std::strstr(className, "edit") != nullptr;
  facts.ReadOnly = edit && (GetWindowLongPtrA(hwnd, GWL_STYLE) & ES_READONLY) != 0;
  RECT rect = {};
  if (GetWindowRect(hwnd, &rect)) {
    facts.Width = static_cast<int>(rect.right - rect.left);
    facts.Height = static_cast<int>(rect.bottom - rect.top);
  }
  return facts;
}

void Win32Desktop::ComboSetSelection(WindowHandle combo, int index) {
  Sender(ToHwnd(combo), budget_).A(CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace quorvel
