#pragma once
// The main window's controls and the rows of the control table they render:
// the window reaches the settings and actions only through these rows.
#include <vector>

#include "panel/PanelControl.h"

namespace quorvel {

struct BoundControl {
  int Id;
  const PanelControl* Row;
  int Choice = -1;  // the option of the row's group the control is
};

// Every bound control of the main window, its menu items included.
const std::vector<BoundControl>& BoundControls();
// The bound control of that id, or none.
const BoundControl* BoundTo(int id);
// The main window's control of a row; 0 for one shown in a small window of
// its own (the grabber's list, the recorder's results) or not shown at all.
int ControlOf(const PanelControl* row);

}  // namespace quorvel
