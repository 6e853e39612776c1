#include "roomlink/WindowSearch.h"

#include "text/AnsiText.h"
#include "text/Occurs.h"

namespace quorvel {

WindowHandle FindTopLevel(Desktop& desktop, const std::optional<std::string>& className,
                          const std::optional<std::string>& title) {
  return desktop.FindMatching(kNoWindow, kNoWindow, className, title);
}

WindowHandle FindChild(Desktop& desktop, WindowHandle parent, WindowHandle after,
                       const std::optional<std::string>& className, const std::optional<std::string>& title) {
  return parent == kNoWindow ? kNoWindow : desktop.FindMatching(parent, after, className, title);
}

WindowHandle FirstChild(Desktop& desktop, WindowHandle parent) {
  // The first child in z order is the first match of no class and no title.
  return parent == kNoWindow ? kNoWindow : desktop.FindMatching(parent, kNoWindow, std::nullopt, std::nullopt);
}

WindowHandle FindNthDescendant(Desktop& desktop, WindowHandle parent, const std::string& className, int n) {
  if (parent == kNoWindow) return kNoWindow;
  int counter = 1;
  for (WindowHandle window : desktop.Descendants(parent)) {
    if (!EqualsNoCase(desktop.ClassName(window), className)) continue;
    if (counter == n) return window;
    ++counter;
  }
  return kNoWindow;
}

WindowHandle FindRoomPane(Desktop& desktop, const std::string& roomClass, const std::string& roomTitle,
                          const std::string& paneClass, int n) {
  const WindowHandle room = FindTopLevel(desktop, roomClass, roomTitle);
  return room == kNoWindow ? kNoWindow : FindNthDescendant(desktop, room, paneClass, n);
}

WindowHandle FindWindowByTitlePart(Desktop& desktop, const std::string& text) {
  for (WindowHandle window : desktop.TopLevelWindows())
    if (OccursNoCase(desktop.Title(window), text)) return window;
  return kNoWindow;
}

}  // namespace quorvel
