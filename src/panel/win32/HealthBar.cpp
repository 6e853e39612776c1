#include "panel/win32/HealthBar.h"

#include <commctrl.h>

#include <algorithm>

#include "panel/win32/GdiHandles.h"

namespace quorvel {
namespace {

bool SameWords(const std::vector<HealthPart>& a, const std::vector<HealthPart>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const HealthPart& x, const HealthPart& y) {
    return x.Text == y.Text && x.Tip == y.Tip && x.Missing == y.Missing;
  });
}

// Each part as wide as its words and a margin; the last one takes the rest.
std::vector<int> PartEdges(HWND bar, const std::vector<HealthPart>& parts) {
  std::vector<int> edges;
  WindowDc dc(bar);
  const HGDIOBJ old = SelectObject(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(bar, WM_GETFONT, 0, 0)));
  int right = 0;
  for (const auto& part : parts) {
    SIZE size = {};
    GetTextExtentPoint32A(dc.Get(), part.Text.c_str(), static_cast<int>(part.Text.size()), &size);
    right += size.cx + 24;
    edges.push_back(right);
  }
  SelectObject(dc.Get(), old);
  if (!edges.empty()) edges.back() = -1;
  return edges;
}

const HealthPart kReportPart = {
    "Client report...", "Writes what Quorvel sees of the client's windows into \"client report.txt\" and opens it",
    false};

}  // namespace

void HealthBar::Adopt(HWND bar, HWND tooltip) {
  bar_ = bar;
  tooltip_ = tooltip;
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
  Lay();
}

void HealthBar::Lay() {
  std::vector<int> edges = PartEdges(bar_, shown_);
  if (edges.empty()) edges.push_back(-1);
  SendMessageA(bar_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (int i = 0; i < tools_; ++i) {
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    ti.hwnd = bar_;
    ti.uId = static_cast<UINT_PTR>(i);
    SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  }
  tools_ = 0;
  for (size_t i = 0; i < shown_.size(); ++i) {
    const HealthPart& part = shown_[i];
    SendMessageA(bar_, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(part.Text.c_str()));
    // The bar's own tips show only for words cut short; the tooltip control
    // shows them over the whole part.
    SendMessageA(bar_, SB_SETTIPTEXTA, i, reinterpret_cast<LPARAM>(part.Tip.c_str()));
    if (part.Tip.empty() || !tooltip_) continue;
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = bar_;
    ti.uId = i;
    SendMessageA(bar_, SB_GETRECT, i, reinterpret_cast<LPARAM>(&ti.rect));
    ti.lpszText = const_cast<char*>(part.Tip.c_str());
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    tools_ = static_cast<int>(i) + 1;
  }
}

}  // namespace quorvel
