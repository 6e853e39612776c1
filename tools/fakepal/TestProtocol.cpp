#include "TestProtocol.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Dialogs.h"
#include "FakePalProtocol.h"
#include "NickList.h"
#include "PumpProbe.h"
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
      if (Room* room = f.size() == 2 ? RoomByTitle(app, f[0]) : nullptr) return AppendToTranscript(*room, f[1]), 1;
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
    case kSetNicksAtPump: {
      if (f.size() < 2 || !RoomByTitle(app, f[0])) return 0;
      const auto bot = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(std::strtoull(f[1].c_str(), nullptr, 10)));
      if (!IsWindow(bot)) return 0;
      app.Pending = std::make_unique<PendingNicks>(PendingNicks{f[0], bot, {f.begin() + 2, f.end()}});
      PostMessageA(app.Main, SendProbeLaterMessage(), 0, 0);
      return 1;
    }
    case kApplyPendingNicks:
      return ApplyPendingNicks(app) ? 1 : 0;
    default:
      return OnRoomTraffic(app, data.dwData, f);
  }
}

}  // namespace fakepal
