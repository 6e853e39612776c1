#pragma once
// A list of the control panel: its items and which of them are selected.
#include <set>
#include <string>
#include <vector>

#include "text/StringList.h"

namespace quorvel {

struct PanelList {
  StringList Items;
  std::set<size_t> Selected;

  void Clear() {
    Items.clear();
    Selected.clear();
  }
  bool IsSelected(size_t i) const { return Selected.count(i) > 0; }
  // Removes every selected entry, from the last to the first; the indices
  // removed are returned in that order, for lists kept in step with this one.
  std::vector<size_t> RemoveSelected() {
    std::vector<size_t> removed;
    for (size_t i = Items.size(); i-- > 0;) {
      if (!IsSelected(i)) continue;
      Items.erase(Items.begin() + static_cast<long>(i));
      removed.push_back(i);
    }
    Selected.clear();
    return removed;
  }
  // Removes the selected entries and the entries at the same places of the
  // list kept in step with this one, whose selection is cleared; a partner
  // shorter than this list loses what it has at those places.
  void RemoveSelectedWith(PanelList& partner) {
    for (size_t i : RemoveSelected())
      if (i < partner.Items.size()) partner.Items.erase(partner.Items.begin() + static_cast<long>(i));
    partner.Selected.clear();
  }
  // The single selection of a one-selection list, or -1.
  int SelectedIndex() const { return Selected.empty() ? -1 : static_cast<int>(*Selected.begin()); }
  void SelectOnly(int i) {
    Selected.clear();
    if (i >= 0 && static_cast<size_t>(i) < Items.size()) Selected.insert(static_cast<size_t>(i));
  }
};

}  // namespace quorvel
