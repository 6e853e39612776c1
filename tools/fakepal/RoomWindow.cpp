#include "RoomWindow.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "NickList.h"
#include "RichEdit.h"

namespace fakepal {

Room* RoomByTitle(App& app, const std::string& title) {
  for (auto& r : app.Rooms) {
    char buf[256] = {};
    GetWindowTextA(r->Window, buf, sizeof buf);
    if (r->Window && title == buf) return r.get();
  }
  return nullptr;
}

Room* RoomOfWindow(App& app, HWND window) {
  for (auto& r : app.Rooms)
    if (r->Window == window || r->SendBox == window) return r.get();
  return nullptr;
}

void RoomCommand(const App& app, Room& room, int id) {
  const std::vector<int> selected = SelectedNicks(room.NickList);
  std::vector<std::string> texts;
  for (int i : selected) texts.push_back(ItemText(room.NickList, i));
  std::string entry = "COMMAND\t" + std::to_string(id);
  for (const auto& text : texts) entry += "\t" + text;
  app.Log.Write(texts.empty() ? entry + "\t-" : entry);
  if (id == quorvel::kCommandBounce) {
    // From the last, so the positions of those still to go hold.
    for (size_t k = selected.size(); k-- > 0;) SendMessageA(room.NickList, LVM_DELETEITEM, selected[k], 0);
    for (const auto& text : texts) {
      std::string nick;
      for (char c : text)
        if (c != '@') nick.push_back(c);
      AppendToTranscript(room, nick + " has been bounced from the room");
    }
  } else if (id == quorvel::kCommandRedDot) {
    for (const auto& text : texts) {
      if (!room.RedDots.erase(text)) room.RedDots.insert(text);
      app.Log.Write("REDDOT\t" + text + "\t" + (room.RedDots.count(text) ? "on" : "off"));
    }
  }
}

void AppendToTranscript(Room& room, const std::string& line) {
  const LONG before = TextLength(room.Transcript);
  AppendLine(room.Transcript, line);
  room.LineLengths.push_back(TextLength(room.Transcript) - before);
  while (room.KeepLines > 0 && room.LineLengths.size() > static_cast<size_t>(room.KeepLines)) {
    DropFirstCharacters(room.Transcript, room.LineLengths.front());
    room.LineLengths.pop_front();
  }
}

void CloseRoom(Room& room) {
  DestroyWindow(room.Window);
  room.Window = nullptr;
}

LRESULT CALLBACK RoomProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  App& app = TheApp();
  if (message == WM_COMMAND && l == 0) {
    if (Room* room = RoomOfWindow(app, window)) RoomCommand(app, *room, LOWORD(w));
    return 0;
  }
  if (message == WM_DESTROY) {
    if (Room* room = RoomOfWindow(app, window)) room->Window = nullptr;
  }
  return DefWindowProcA(window, message, w, l);
}

}  // namespace fakepal
