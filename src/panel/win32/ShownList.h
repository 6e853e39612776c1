#pragma once
// What one list box shows. The panel compares against it instead of reading
// the control back, so an update that changes nothing sends the control no
// message at all, and a box is refilled only when its items changed.
#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace quorvel {

class ShownList {
 public:
  // Brings the box to `items` and, when given, to the model's `selected`.
  // Without a model selection the operator's one is kept: the same item stays
  // selected across a refill, so a double click in progress still hits it.
  // True when the items changed.
  bool Show(HWND box, const std::vector<std::string>& items, const std::set<size_t>* selected);
  // The operator changed the selection in the box itself.
  void OperatorSelected(std::set<size_t> selected) { selected_ = std::move(selected); }
  // The box was made afresh: nothing of it is known.
  void Forget() { *this = ShownList(); }

 private:
  void Refill(HWND box, const std::vector<std::string>& items);
  void Select(HWND box, const std::set<size_t>& selected);

  bool known_ = false;
  std::vector<std::string> items_;
  std::set<size_t> selected_;
};

}  // namespace quorvel
