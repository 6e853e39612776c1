#pragma once
// The panel's controls and the rows of the control table they render: the
// main window and the bot's small windows reach the settings and actions only
// through these rows.
#include <vector>

#include "panel/PanelControl.h"
#include "panel/win32/PanelLayout.h"

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

// The row a control of the panel names. A name the table does not know is a
// programming error: a debug build stops at it, the Win32 tests walk every
// layout for it, and a release build leaves the control dead.
const PanelControl* RowNamed(const char* name);
// The row control `id` of a small window renders, or none.
const PanelControl* SmallWindowRow(const SmallWindowLayout& window, int id);

}  // namespace quorvel
