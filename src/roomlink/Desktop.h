#pragma once
// The window system as the bot sees it. Handles are opaque; a zero or stale
// handle is normal, and every operation on one answers "nothing" (0, empty,
// false) without failing. Calls that wait on another process are bounded by
// the binding, so a client that hangs costs one skipped step.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

using WindowHandle = std::uint64_t;
inline constexpr WindowHandle kNoWindow = 0;

inline constexpr int kVkReturn = 0x0D;
inline constexpr int kVkSpace = 0x20;

// What the window system tells of a window without asking its program, so
// nothing here waits on the client. Sizes are the window's outer size in pixels.
// A stretch of an edit control's rows read as paragraphs: a row that ends
// without a paragraph mark goes on in the next row.
struct TextSpan {
  // The span's newest pieces, oldest first, each without its mark, cut after
  // the asked number of characters and at a zero byte. A span that starts
  // inside a paragraph begins with that paragraph's tail.
  std::vector<std::string> Paragraphs;
  std::size_t Count = 0;  // pieces in the whole span, kept or not
  bool Open = false;      // the span ends inside a paragraph
  bool Cut = false;       // only the span's last characters could be read: its first piece may be a tail
};

struct WindowFacts {
  unsigned long ProcessId = 0;
  int ControlId = 0;
  bool Visible = false;
  bool Enabled = false;
  int Width = 0;
  int Height = 0;
  // An edit control that takes no typing, as a transcript is.
  bool ReadOnly = false;
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  // Top-level windows in enumeration order, topmost first.
  virtual std::vector<WindowHandle> TopLevelWindows() = 0;
  // Direct children, topmost first.
  virtual std::vector<WindowHandle> Children(WindowHandle parent) = 0;
  // Every descendant, depth first, each window before its own children.
  virtual std::vector<WindowHandle> Descendants(WindowHandle parent) = 0;
  // GetWindow GW_HWNDNEXT: the sibling below this window.
  virtual WindowHandle NextSibling(WindowHandle window) = 0;
  // FindWindowA when parent and after are both kNoWindow, FindWindowExA
  // otherwise: the first top-level window (parent kNoWindow) or direct child
  // of parent, after `after` (kNoWindow: from the first), whose class and/or
  // whole title equal the given ones, ignoring case; a missing one matches
  // anything. A stale parent or an `after` that is not its child gives none.
  virtual WindowHandle FindMatching(WindowHandle parent, WindowHandle after,
                                    const std::optional<std::string>& className,
                                    const std::optional<std::string>& title) = 0;
  // Names as the 255-character buffers of the 8-bit calls hold them.
  virtual std::string ClassName(WindowHandle window) = 0;
  virtual std::string Title(WindowHandle window) = 0;

  // Edit controls (EM_GETLINECOUNT, EM_GETLINE with an 8-bit buffer of the
  // given capacity). GetLine answers the bytes copied, before the first zero.
  virtual int LineCount(WindowHandle edit) = 0;
  virtual std::string GetLine(WindowHandle edit, int index, int capacity) = 0;
  // Rows [firstRow, endRow) as paragraphs, keeping the newest `keepNewest`,
  // each cut after `maxChars` characters. However many rows the span holds, a
  // binding reads it in a bounded number of calls.
  virtual TextSpan ReadRows(WindowHandle edit, int firstRow, int endRow, std::size_t keepNewest,
                            std::size_t maxChars) = 0;
  // WM_SETTEXT of 8-bit RTF bytes through the wide entry point, so a rich-edit
  // box loads it as formatted text.
  virtual void SetRtfText(WindowHandle edit, const std::string& rtf) = 0;
  // WM_SETTEXT of plain 8-bit text.
  virtual void SetText(WindowHandle window, const std::string& text) = 0;
  virtual void KeyDown(WindowHandle window, int virtualKey) = 0;
  virtual void KeyUp(WindowHandle window, int virtualKey) = 0;
  // PostMessage WM_COMMAND (id, 0) and WM_CLOSE.
  virtual void PostCommand(WindowHandle window, int commandId) = 0;
  virtual void PostClose(WindowHandle window) = 0;

  // List views of another process.
  virtual int ListItemCount(WindowHandle listView) = 0;
  // All item texts, 255-byte buffer each; empty when the list cannot be read.
  virtual std::vector<std::string> ListItemTexts(WindowHandle listView) = 0;
  // The text of item `index` alone, as ListItemTexts gives it; empty when
  // there is no such item or it cannot be read. A binding that can ask for
  // one item asks for that one only.
  virtual std::string ListItemText(WindowHandle listView, int index) {
    const std::vector<std::string> texts = ListItemTexts(listView);
    return index >= 0 && static_cast<size_t>(index) < texts.size() ? texts[static_cast<size_t>(index)] : std::string();
  }
  // Makes item `index` the only selected item, and the focused one: in a list
  // that allows several selections, whatever else was selected no longer is.
  virtual void SelectListItem(WindowHandle listView, int index) = 0;
  // True when the last look into the client's process could not learn
  // whether it runs 32- or 64-bit code. Its item and text-range records differ
  // between the two, so nothing was read from it or selected in it: the nick
  // list reads as empty and the transcript as blank. False until a look fails
  // that way, and again once one succeeds.
  virtual bool ClientBitnessUnknown() const { return false; }
  // 32 or 64: the client's process bitness as the last look into it learnt
  // it; 0 before any look did, and for a client that is not another process.
  virtual int ClientBits() const { return 0; }
  // Opens the process that owns the window, as a read into it would, to learn
  // its bitness (ClientBits, ClientBitnessUnknown) before any read; nothing is
  // sent to the window.
  virtual void LearnClientBits(WindowHandle window) { (void)window; }
  // Whether anything was read from, or selected in, the client's memory yet
  // (or tried and given up for want of its bitness).
  virtual bool ClientMemoryTried() const { return false; }

  // Combo boxes of another process.
  virtual std::vector<std::string> ComboItems(WindowHandle combo) = 0;
  // Their number of items, without reading them.
  virtual int ComboItemCount(WindowHandle combo) { return static_cast<int>(ComboItems(combo).size()); }

  virtual WindowFacts FactsOf(WindowHandle window) {
    (void)window;
    return {};
  }
  virtual void ComboSetSelection(WindowHandle combo, int index) = 0;

  // The bounds of one poll tick. Within them a client that did not answer in
  // time is not waited for again: the rest of the tick's calls to it answer
  // "nothing" at once, and the next tick asks afresh. Outside them every call
  // waits its own bound.
  virtual void BeginTick() {}
  virtual void EndTick() {}
  // Whether a call within the current tick's bounds met a client that did
  // not answer in time.
  virtual bool TickMetHungClient() const { return false; }
};

// One poll tick's bounds, kept by scope.
class TickScope {
 public:
  explicit TickScope(Desktop& desktop) : desktop_(desktop) { desktop_.BeginTick(); }
  ~TickScope() { desktop_.EndTick(); }
  TickScope(const TickScope&) = delete;
  TickScope& operator=(const TickScope&) = delete;

 private:
  Desktop& desktop_;
};

}  // namespace quorvel
