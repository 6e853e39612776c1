#include "panel/win32/ShownList.h"

#include <algorithm>

namespace quorvel {
namespace {

bool IsMultiSelect(HWND box) { return (GetWindowLongA(box, GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) != 0; }

}  // namespace

void ShownList::Refill(HWND box, const std::vector<std::string>& items) {
  const bool grows = known_ && items.size() > items_.size() && std::equal(items_.begin(), items_.end(), items.begin());
  SendMessageA(box, WM_SETREDRAW, FALSE, 0);
  if (!grows) {
    SendMessageA(box, LB_RESETCONTENT, 0, 0);
    selected_.clear();  // an emptied box has nothing selected
  }
  // Entries only added at the end (the recorder, a list's "Add") leave the rest as it is.
  for (size_t i = grows ? items_.size() : 0; i < items.size(); ++i)
    SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items[i].c_str()));
  SendMessageA(box, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(box, nullptr, TRUE);
  items_ = items;
  known_ = true;
}

void ShownList::Select(HWND box, const std::set<size_t>& selected) {
  if (selected == selected_) return;
  if (IsMultiSelect(box)) {
    // Only the entries whose state changes.
    for (size_t i : selected_)
      if (!selected.count(i)) SendMessageA(box, LB_SETSEL, FALSE, static_cast<LPARAM>(i));
    for (size_t i : selected)
      if (!selected_.count(i)) SendMessageA(box, LB_SETSEL, TRUE, static_cast<LPARAM>(i));
  } else {
    const WPARAM index = selected.empty() ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(*selected.begin());
    SendMessageA(box, LB_SETCURSEL, index, 0);
  }
  selected_ = selected;
}

bool ShownList::Show(HWND box, const std::vector<std::string>& items, const std::set<size_t>* selected) {
  if (!box) return false;
  const bool changed = !known_ || items != items_;
  if (selected) {
    if (changed) Refill(box, items);
    Select(box, *selected);
    return changed;
  }
  if (!changed) return false;
  // The operator's pick, by its text, read once: only now that the items change.
  std::string picked;
  const LRESULT current = SendMessageA(box, LB_GETCURSEL, 0, 0);
  if (current != LB_ERR && static_cast<size_t>(current) < items_.size()) picked = items_[static_cast<size_t>(current)];
  Refill(box, items);
  const auto it = std::find(items.begin(), items.end(), picked);
  if (!picked.empty() && it != items.end()) Select(box, {static_cast<size_t>(it - items.begin())});
  return true;
}

}  // namespace quorvel
