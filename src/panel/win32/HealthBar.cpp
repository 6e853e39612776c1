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
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const HealthPart& x, const HealthPart& y) {
    return x.Text == y.Text && x.Advice == y.Advice && x.Detail == y.Detail && x.Missing == y.Missing;
  });
}

// A missing part's words before its last one (with the blank), and that word.
std::pair<std::string, std::string> SplitStressed(const HealthPart& part) {
  const size_t blank = part.Text.rfind(' ');
  if (!part.Missing || blank == std::string::npos) return {part.Text, ""};
  return {part.Text.substr(0, blank + 1), part.Text.substr(blank + 1)};
}

int TextWidth(HDC dc, HFONT font, const std::string& text) {
  const ScopedSelect select(dc, font);
  SIZE size = {};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

HFONT BarFont(HWND bar) { return reinterpret_cast<HFONT>(SendMessageA(bar, WM_GETFONT, 0, 0)); }

// Each part as wide as its words and a margin; the last one takes the rest.
std::vector<int> PartEdges(HWND bar, HFONT bold, const std::vector<HealthPart>& parts) {
  std::vector<int> edges;
  WindowDc dc(bar);
  int right = 0;
  for (const auto& part : parts) {
    const auto [plain, stressed] = SplitStressed(part);
    right += TextWidth(dc.Get(), BarFont(bar), plain) + TextWidth(dc.Get(), bold, stressed) + 24;
    edges.push_back(right);
  }
  if (!edges.empty()) edges.back() = -1;
  return edges;
}

// The first line says what it means and what to do; the second, what was looked for.
std::string TipText(const HealthPart& part) {
  return part.Detail.empty() ? part.Advice : part.Advice + "\r\n" + part.Detail;
}

const HealthPart kReportPart = {
    "Client report...", "Writes what Quorvel sees of the client's windows into \"client report.txt\" and opens it", "",
    false};

// A device context and a bitmap in memory the size of a window: the bar is
// painted there whole, then shown at once, so a stressed word never flickers.
class BackBuffer {
 public:
  BackBuffer(HDC screen, int width, int height)
      : dc_(CreateCompatibleDC(screen)),
        live_(dc_ != nullptr),
        bitmap_(CreateCompatibleBitmap(screen, width, height)),
        select_(dc_, bitmap_.Get()) {}
  ~BackBuffer() {
    if (dc_) DeleteDC(dc_);
  }
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;
  HDC Get() const { return dc_ && bitmap_ ? dc_ : nullptr; }

 private:
  HDC dc_;
  LiveMark<LiveKind::DeviceContext> live_;
  GdiObject<HBITMAP> bitmap_;
  ScopedSelect select_;  // put back before the bitmap and the DC go
};

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

void HealthBar::Show(const std::vector<HealthPart>& parts) {
  std::vector<HealthPart> withReport = parts;
  withReport.push_back(kReportPart);
  if (!bar_ || (shownOnce_ && SameWords(withReport, shown_))) return;
  shown_ = std::move(withReport);
  shownOnce_ = true;
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
  const HDC screen = BeginPaint(bar_, &ps);
  RECT client = {};
  GetClientRect(bar_, &client);
  const BackBuffer buffer(screen, client.right, client.bottom);
  // Common controls paint into the device context a WM_PAINT hands them.
  if (buffer.Get()) {
    DefSubclassProc(bar_, WM_PAINT, reinterpret_cast<WPARAM>(buffer.Get()), 0);
    StressMissing(buffer.Get());
    BitBlt(screen, 0, 0, client.right, client.bottom, buffer.Get(), 0, 0, SRCCOPY);
  } else {
    DefSubclassProc(bar_, WM_PAINT, reinterpret_cast<WPARAM>(screen), 0);
    StressMissing(screen);
  }
  EndPaint(bar_, &ps);
}

void HealthBar::StressMissing(HDC dc) {
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  for (size_t i = 0; i < shown_.size(); ++i) {
    const auto [plain, stressed] = SplitStressed(shown_[i]);
    if (stressed.empty()) continue;
    RECT r = {};
    SendMessageA(bar_, SB_GETRECT, i, reinterpret_cast<LPARAM>(&r));
    // Inside the part's sunken edge, with the control's own margin.
    InflateRect(&r, -1, -1);
    FillRect(dc, &r, GetSysColorBrush(COLOR_3DFACE));
    r.left += 2;
    constexpr UINT kFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    {
      const ScopedSelect select(dc, BarFont(bar_));
      DrawTextA(dc, plain.c_str(), static_cast<int>(plain.size()), &r, kFormat);
      r.left += TextWidth(dc, BarFont(bar_), plain);
    }
    const ScopedSelect select(dc, bold_.Get());
    DrawTextA(dc, stressed.c_str(), static_cast<int>(stressed.size()), &r, kFormat);
  }
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
}

}  // namespace quorvel
