#include "RoomTraffic.h"

#include <commctrl.h>

#include "FakePalProtocol.h"
#include "NickList.h"
#include "RoomWindow.h"

namespace fakepal {
namespace {

bool AddNick(HWND list, const std::string& item) {
  LVITEMA row = {};
  row.mask = LVIF_TEXT;
  row.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  row.pszText = const_cast<char*>(item.c_str());
  return SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row)) >= 0;
}

bool RemoveNick(HWND list, const std::string& item) {
  const int n = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < n; ++i)
    if (ItemText(list, i) == item) return SendMessageA(list, LVM_DELETEITEM, i, 0) != 0;
  return false;
}

}  // namespace

LRESULT OnRoomTraffic(App& app, unsigned long code, const std::vector<std::string>& fields) {
  if (code == kNote) {
    std::string line = "NOTE";
    for (const auto& field : fields) line += "\t" + OneLine(field);
    app.Log.Write(line);
    return 1;
  }
  if (code != kAddNick && code != kRemoveNick) return 0;
  Room* room = fields.size() == 2 ? RoomByTitle(app, fields[0]) : nullptr;
  if (!room) return 0;
  const bool done = code == kAddNick ? AddNick(room->NickList, fields[1]) : RemoveNick(room->NickList, fields[1]);
  if (done) app.Log.Write((code == kAddNick ? "ENTERED\t" : "LEFT\t") + fields[0] + "\t" + fields[1]);
  return done ? 1 : 0;
}

}  // namespace fakepal
