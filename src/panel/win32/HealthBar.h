#pragma once
// The status bar along the bottom of the panel: what the last tick found of
// the room's windows, one part per window, in words, the word "missing" in
// bold. A part for a missing window carries a tip: what that means and what
// to do, then what was looked for. The last part is the client report's: a
// click on it, or a double click anywhere on the bar, asks for the report.
#include <windows.h>

#include <string>
#include <vector>

#include "model/HealthText.h"
#include "panel/win32/GdiHandles.h"

namespace quorvel {

class HealthBar {
 public:
  HealthBar() = default;
  ~HealthBar();
  HealthBar(const HealthBar&) = delete;
  HealthBar& operator=(const HealthBar&) = delete;

  // Takes over the status bar made with the panel's other controls (and
  // given their font), and makes the one tool-tip control its tips show in.
  void Adopt(HWND bar);
  HWND Window() const { return bar_; }
  HWND Tooltip() const { return tooltip_; }
  // The bar's height: the parent's client area grows by it.
  int Height() const;
  // Shows `parts`; the same words again touch nothing.
  void Show(std::vector<HealthPart> parts);
  // The parent changed size or font: the bar follows its bottom edge.
  void Fit();
  // Whether the bar's notification is the operator asking for the client report.
  bool AsksForReport(const NMHDR& notice) const;

 private:
  static LRESULT CALLBACK BarProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR self);
  void Lay();
  void SetTips();
  // The bar as the control paints it, then each missing part's last word in bold.
  void Paint();
  void StressMissing(HDC dc);

  HWND bar_ = nullptr;
  HWND tooltip_ = nullptr;
  Font bold_;
  std::vector<HealthPart> shown_;
  int tools_ = 0;  // tips added to the tooltip control, ids 0..tools_-1
};

}  // namespace quorvel
