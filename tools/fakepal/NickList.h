#pragma once
// A room's nick list: a report-style list view with one column of items, each
// a nick with its mark ("@Bob" for an admin).
#include <windows.h>

#include <string>
#include <vector>

namespace fakepal {

std::string ItemText(HWND list, int index);

// Replaces every item.
void SetNicks(HWND list, const std::vector<std::string>& items);

// The selected items' indices, in list order; several only in a list that
// allows several selections.
std::vector<int> SelectedNicks(HWND list);

// Selects and focuses the first item reading exactly `item`; false when there is none.
bool SelectNick(HWND list, const std::string& item);

}  // namespace fakepal
