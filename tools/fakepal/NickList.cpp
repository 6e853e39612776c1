#include "NickList.h"

#include <commctrl.h>

namespace fakepal {

std::string ItemText(HWND list, int index) {
  char buf[256] = {};
  LVITEMA item = {};
  item.iSubItem = 0;
  item.pszText = buf;
  item.cchTextMax = sizeof buf;
  SendMessageA(list, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
  return buf;
}

void SetNicks(HWND list, const std::vector<std::string>& items) {
  SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  for (size_t i = 0; i < items.size(); ++i) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = const_cast<char*>(items[i].c_str());
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
}

std::vector<int> SelectedNicks(HWND list) {
  std::vector<int> selected;
  int i = -1;
  while (true) {
    const int next = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(i), LVNI_SELECTED));
    if (next <= i) break;  // -1: no more
    selected.push_back(i = next);
  }
  return selected;
}

bool SelectNick(HWND list, const std::string& item) {
  const int n = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    if (ItemText(list, i) != item) continue;
    LVITEMA state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = state.stateMask;
    SendMessageA(list, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
    return true;
  }
  return false;
}

}  // namespace fakepal
