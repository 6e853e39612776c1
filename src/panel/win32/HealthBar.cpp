#include "panel/win32/HealthBar.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

namespace quorvel {
namespace {

constexpr UINT_PTR kSubclassId = 1;
// Long enough to read a two-line tip; the system's default is five seconds.
constexpr int kTipShownMs = 30000;
// A tip wraps at about this many characters of the bar's font.
constexpr int kTipWidthChars = 64;

bool SameWords(const std::vector<HealthPart>& a, const std::vector<HealthPart>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].Text != b[i].Text || a[i].Advice != b[i].Advice || a[i].Detail != b[i].Detail) return false;
  return true;
}

// Where a missing part's last word, the one in bold, begins; the end of the
// text for any other part.
int StressedAt(const HealthPart& part) {
  const size_t blank = part.Text.rfind(' ');
  return static_cast<int>(part.Missing && blank != std::string::npos ? blank + 1 : part.Text.size());
}

int TextWidth(HDC dc, HFONT font, const char* text, int length) {
  const ScopedSelect select(dc, font);
  SIZE size = {};
  GetTextExtentPoint32A(dc, text, length, &size);
  return size.cx;
}

HFONT BarFont(HWND bar) { return reinterpret_cast<HFONT>(SendMessageA(bar, WM_GETFONT, 0, 0)); }

// Each part as wide as its words and a margin; the last one takes the rest.
std::vector<int> PartEdges(HWND bar, HFONT bold, const std::vector<HealthPart>& parts) {
  std::vector<int> edges;
  WindowDc dc(bar);
  int right = 0;
  for (const auto& part : parts) {
    const char* text = part.Text.c_str();
    const int at = StressedAt(part), length = static_cast<int>(part.Text.size());
    right += TextWidth(dc.Get(), BarFont(bar), text, at) + TextWidth(dc.Get(), bold, text + at, length - at) + 24;
    edges.push_back(right);
  }
  if (!edges.empty()) edges.back() = -1;
  return edges;
}

// The first line says what it means and what to do; the second, what was looked for.
std::string TipText(const HealthPart& part) {
  std::string tip = part.Advice;
  if (!part.Detail.empty()) tip.append("\r\n").append(part.Detail);
  return tip;
}

}  // namespace

HealthBar::~HealthBar() {
  if (bar_ && IsWindow(bar_)) RemoveWindowSubclass(bar_, BarProc, kSubclassId);
}

void HealthBar::Adopt(HWND bar) {
  bar_ = bar;
  if (!bar_) return;
  // Its own tool-tip control, made once: the panel's other tips live in another.
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(bar_, GWLP_HINSTANCE));
  tooltip_ =
      CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, bar_, nullptr, instance, nullptr);
  SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(kTipShownMs, 0));
  SetWindowSubclass(bar_, BarProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

int HealthBar::Height() const {
  if (!bar_) return 0;
  RECT r = {};
  GetWindowRect(bar_, &r);
  return r.bottom - r.top;
}

void HealthBar::Show(std::vector<HealthPart> parts) {
  HealthPart& report = parts.emplace_back();
  report.Text = "Client report...";
  report.Advice = "Writes what Quorvel sees of the client's windows into \"client report.txt\" and opens it";
  if (!bar_ || SameWords(parts, shown_)) return;
  shown_ = std::move(parts);
  Lay();
}

bool HealthBar::AsksForReport(const NMHDR& notice) const {
  if (!bar_ || notice.hwndFrom != bar_) return false;
  if (notice.code == static_cast<UINT>(NM_DBLCLK)) return true;
  if (notice.code != static_cast<UINT>(NM_CLICK) || shown_.empty()) return false;
  const auto& mouse = reinterpret_cast<const NMMOUSE&>(notice);
  return mouse.dwItemSpec == shown_.size() - 1;
}

void HealthBar::Fit() {
  if (!bar_) return;
  SendMessageA(bar_, WM_SIZE, 0, 0);
  // The bold face and the tips' width follow the bar's font.
  LOGFONTA face = {};
  const HFONT font = BarFont(bar_);
  GetObjectA(font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
  face.lfWeight = FW_BOLD;
  bold_.Reset(CreateFontIndirectA(&face));
  TEXTMETRICA metrics = {};
  {
    WindowDc dc(bar_);
    const ScopedSelect select(dc.Get(), font);
    GetTextMetricsA(dc.Get(), &metrics);
  }
  SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, std::max<LONG>(metrics.tmAveCharWidth, 6) * kTipWidthChars);
  Lay();
}

void HealthBar::Lay() {
  std::vector<int> edges = PartEdges(bar_, bold_.Get(), shown_);
  if (edges.empty()) edges.push_back(-1);
  SendMessageA(bar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (size_t i = 0; i < shown_.size(); ++i)
    SendMessageA(bar_, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(shown_[i].Text.c_str()));
  SetTips();
  // The control repaints only the parts whose words changed; a stressed word
  // may have moved with its part.
  InvalidateRect(bar_, nullptr, FALSE);
}

void HealthBar::SetTips() {
  if (!tooltip_) return;
  for (int i = 0; i < tools_; ++i) {
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    ti.hwnd = bar_;
    ti.uId = static_cast<UINT_PTR>(i);
    SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  }
  tools_ = 0;
  for (size_t i = 0; i < shown_.size(); ++i) {
    const std::string tip = TipText(shown_[i]);
    if (tip.empty()) continue;
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = bar_;
    ti.uId = i;
    SendMessageA(bar_, SB_GETRECT, i, reinterpret_cast<LPARAM>(&ti.rect));
    ti.lpszText = const_cast<char*>(tip.c_str());  // the control keeps its own copy
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    tools_ = static_cast<int>(i) + 1;
  }
}

LRESULT CALLBACK HealthBar::BarProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR self) {
  if (message == WM_PAINT && w == 0) {
    reinterpret_cast<HealthBar*>(self)->Paint();
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, BarProc, id);
  return DefSubclassProc(window, message, w, l);
}

void HealthBar::Paint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(bar_, &ps);
  // Common controls paint into the device context a WM_PAINT hands them; the
  // bold words go over theirs before the paint ends, so both show at once.
  DefSubclassProc(bar_, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  StressMissing(dc);
  EndPaint(bar_, &ps);
}

void HealthBar::StressMissing(HDC dc) {
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  for (size_t i = 0; i < shown_.size(); ++i) {
    const char* text = shown_[i].Text.c_str();
    const int at = StressedAt(shown_[i]), length = static_cast<int>(shown_[i].Text.size());
    if (at == length) continue;
    RECT r = {};
    SendMessageA(bar_, SB_GETRECT, i, reinterpret_cast<LPARAM>(&r));
    // Inside the part's sunken edge, with the control's own margin.
    InflateRect(&r, -1, -1);
    FillRect(dc, &r, GetSysColorBrush(COLOR_3DFACE));
    r.left += 2;
    constexpr UINT kFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    {
      const ScopedSelect select(dc, BarFont(bar_));
      DrawTextA(dc, text, at, &r, kFormat);
    }
    r.left += TextWidth(dc, BarFont(bar_), text, at);
    const ScopedSelect select(dc, bold_.Get());
    DrawTextA(dc, text + at, length - at, &r, kFormat);
  }
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
}

}  // namespace quorvel
