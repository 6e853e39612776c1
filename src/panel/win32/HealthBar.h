#pragma once
// The status bar along the bottom of the panel: what the last tick found of
// the room's windows, one part per window, in words. A part for a missing
// window carries a tool tip naming what was looked for. The last part is the
// client report's: a click on it, or a double click anywhere on the bar,
// asks for the report.
#include <windows.h>

#include <string>
#include <vector>

#include "model/HealthText.h"

namespace quorvel {

class HealthBar {
 public:
  // Takes over the status bar made with the panel's other controls (and given
  // their font), with tips shown by `tooltip`.
  void Adopt(HWND bar, HWND tooltip);
  HWND Window() const { return bar_; }
  // The bar's height: the parent's client area grows by it.
  int Height() const;
  // Shows `parts`; the same words again touch nothing.
  void Show(const std::vector<HealthPart>& parts);
  // The parent changed size or font: the bar follows its bottom edge.
  void Fit();
  // Whether the bar's notification is the operator asking for the client report.
  bool AsksForReport(const NMHDR& notice) const;

 private:
  void Lay();

  HWND bar_ = nullptr;
  HWND tooltip_ = nullptr;
  std::vector<HealthPart> shown_;
  bool shownOnce_ = false;
  int tools_ = 0;  // tips added to the tooltip control, ids 0..tools_-1
};

}  // namespace quorvel
