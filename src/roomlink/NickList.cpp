#include "roomlink/NickList.h"

#include "roomlink/ClientLayout.h"
#include "roomlink/WindowSearch.h"

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
