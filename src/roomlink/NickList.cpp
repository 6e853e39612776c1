#include "roomlink/NickList.h"

#include "roomlink/ClientLayout.h"
#include "roomlink/WindowSearch.h"
#include "text/AnsiText.h"

namespace quorvel {

WindowHandle FindNickListView(Desktop& desktop, const std::string& selectedRoomTitle) {
  WindowHandle window = FindTopLevel(desktop, std::string(kRoomWindowClass), selectedRoomTitle);
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

std::string UserCountText(Desktop& desktop, const std::string& selectedRoomTitle) {
  const WindowHandle listView = FindNickListView(desktop, selectedRoomTitle);
  return std::to_string(listView == kNoWindow ? 0 : desktop.ListItemCount(listView));
}

}  // namespace quorvel

namespace quorvel {

void GetListviewItem(Desktop& desktop, WindowHandle listView, NickTexts form, std::vector<std::string>& into) {
  for (std::string text : desktop.ListItemTexts(listView)) {
    if (form == NickTexts::WithoutAdminMark) text = RemoveChar(text, '@');
    into.push_back(std::move(text));
  }
}

void NickGet(Desktop& desktop, const std::string& selectedRoomTitle, std::vector<std::string>& roomNickList) {
  roomNickList.clear();
  const WindowHandle listView = FindNickListView(desktop, selectedRoomTitle);
  if (listView != kNoWindow) GetListviewItem(desktop, listView, NickTexts::WithoutAdminMark, roomNickList);
}

void GrabberNickGet(Desktop& desktop, const std::string& selectedRoomTitle, std::vector<std::string>& grabberList) {
  const WindowHandle listView = FindNickListView(desktop, selectedRoomTitle);
  if (listView != kNoWindow) GetListviewItem(desktop, listView, NickTexts::AsShown, grabberList);
}

}  // namespace quorvel
