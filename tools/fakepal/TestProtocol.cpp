#include "TestProtocol.h"

#include <string>
#include <vector>

#include "Dialogs.h"
#include "FakePalProtocol.h"
#include "NickList.h"
#include "RichEdit.h"
#include "RoomBuilder.h"
#include "RoomTraffic.h"
#include "RoomWindow.h"

namespace fakepal {

namespace {

// The command's fields; always at least one, empty when the data is.
std::vector<std::string> Fields(const char* data, size_t size) {
  std::vector<std::string> fields(1);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == kFieldSeparator)
      fields.emplace_back();
    else
      fields.back().push_back(data[i]);
  }
  return fields;
}

}  // namespace

LRESULT OnCopyData(App& app, const COPYDATASTRUCT& data) {
  const auto f = Fields(static_cast<const char*>(data.lpData), data.cbData);
  switch (data.dwData) {
    case kAppendLine:
      if (Room* room = f.size() == 2 ? RoomByTitle(app, f[0]) : nullptr) return AppendLine(room->Transcript, f[1]), 1;
      return 0;
    case kOpenNotice:
      return OpenNotice(app), 1;
    case kSetNicks:
      if (Room* room = RoomByTitle(app, f[0]))
        return SetNicks(room->NickList, std::vector<std::string>(f.begin() + 1, f.end())), 1;
      return 0;
    case kOpenRoom:
      return OpenRoom(app, f[0]) ? 1 : 0;
    case kCloseRoom:
      if (Room* room = RoomByTitle(app, f[0])) return CloseRoom(*room), 1;
      return 0;
    case kSelectNick:
      if (Room* room = f.size() == 2 ? RoomByTitle(app, f[0]) : nullptr)
        return SelectNick(room->NickList, f[1]) ? 1 : 0;
      return 0;
    default:
      return OnRoomTraffic(app, data.dwData, f);
  }
}

}  // namespace fakepal
