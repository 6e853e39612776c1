#include "roomlink/NickList.h"

#include "roomlink/ClientLayout.h"
#include "roomlink/WindowSearch.h"
#include "text/AnsiText.h"

namespace quorvel {

namespace {

// The fixed path below the room window.
WindowHandle WalkToNickList(Desktop& desktop, WindowHandle room) {
  WindowHandle window = room;
  for (int level = 0; level < 6 && window != kNoWindow; ++level)
    window = FindChild(desktop, window, kNoWindow, std::string(kSplitterClass), std::nullopt);
  if (window == kNoWindow) return kNoWindow;
  const WindowHandle firstPane = FindChild(desktop, window, kNoWindow, std::string(kPaneContainerClass), std::nullopt);
  if (firstPane == kNoWindow) return kNoWindow;
  const WindowHandle nickPane = FindChild(desktop, window, firstPane, std::string(kPaneContainerClass), std::nullopt);
  const WindowHandle host = FirstChild(desktop, nickPane);
  const WindowHandle header = FirstChild(desktop, host);
  return header == kNoWindow ? kNoWindow : desktop.NextSibling(header);
}

WindowHandle FindRoomWindow(Desktop& desktop, const std::string& selectedRoomTitle) {
  return FindTopLevel(desktop, std::string(kRoomWindowClass), selectedRoomTitle);
}

std::string CountText(Desktop& desktop, WindowHandle listView) {
  return std::to_string(listView == kNoWindow ? 0 : desktop.ListItemCount(listView));
}

}  // namespace

WindowHandle FindNickListView(Desktop& desktop, const std::string& selectedRoomTitle) {
  return WalkToNickList(desktop, FindRoomWindow(desktop, selectedRoomTitle));
}

WindowHandle FindNickListView(Desktop& desktop, const std::string& selectedRoomTitle, NickListCache& kept) {
  const WindowHandle room = FindRoomWindow(desktop, selectedRoomTitle);
  const bool stillValid = room != kNoWindow && room == kept.Room && kept.ListView != kNoWindow &&
                          EqualsNoCase(desktop.ClassName(kept.ListView), kListViewClass);
  if (stillValid) return kept.ListView;
  WindowHandle listView = WalkToNickList(desktop, room);
  // The path ends at whatever window stands there; only a list view is the
  // nick list, and the health record says "missing" for anything else.
  if (listView != kNoWindow && !EqualsNoCase(desktop.ClassName(listView), kListViewClass)) listView = kNoWindow;
  kept = NickListCache{room, listView};
  return kept.ListView;
}

std::string UserCountText(Desktop& desktop, const std::string& selectedRoomTitle) {
  return CountText(desktop, FindNickListView(desktop, selectedRoomTitle));
}

std::string UserCountText(Desktop& desktop, RoomLinkState& room) {
  return CountText(desktop, FindNickListView(desktop, room.SelectedRoomTitle, room.NickList));
}

}  // namespace quorvel

namespace quorvel {

void GetListviewItem(Desktop& desktop, WindowHandle listView, NickTexts form, std::vector<std::string>& into) {
  for (std::string text : desktop.ListItemTexts(listView)) {
    if (form == NickTexts::WithoutAdminMark) text = RemoveChar(text, '@');
    into.push_back(std::move(text));
  }
}

void ReadRoomNicks(Desktop& desktop, const std::string& selectedRoomTitle, std::vector<std::string>& roomNickList) {
  roomNickList.clear();
  const WindowHandle listView = FindNickListView(desktop, selectedRoomTitle);
  if (listView != kNoWindow) GetListviewItem(desktop, listView, NickTexts::WithoutAdminMark, roomNickList);
}

void AppendGrabberNicks(Desktop& desktop, const std::string& selectedRoomTitle, std::vector<std::string>& grabberList) {
  const WindowHandle listView = FindNickListView(desktop, selectedRoomTitle);
  if (listView != kNoWindow) GetListviewItem(desktop, listView, NickTexts::AsShown, grabberList);
}

}  // namespace quorvel
