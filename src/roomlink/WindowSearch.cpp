#include "roomlink/WindowSearch.h"

#include "text/AnsiText.h"
#include "text/Occurs.h"

namespace quorvel {
namespace {

bool Matches(Desktop& desktop, WindowHandle window, const std::optional<std::string>& className,
             const std::optional<std::string>& title) {
  if (className && !EqualsNoCase(desktop.ClassName(window), *className)) return false;
  if (title && !EqualsNoCase(desktop.Title(window), *title)) return false;
  return true;
}

}  // namespace

WindowHandle FindTopLevel(Desktop& desktop, const std::optional<std::string>& className,
                          const std::optional<std::string>& title) {
  for (WindowHandle window : desktop.TopLevelWindows())
    if (Matches(desktop, window, className, title)) return window;
  return kNoWindow;
}

WindowHandle FindChild(Desktop& desktop, WindowHandle parent, WindowHandle after,
                       const std::optional<std::string>& className, const std::optional<std::string>& title) {
  if (parent == kNoWindow) return kNoWindow;
  bool searching = after == kNoWindow;
  for (WindowHandle child : desktop.Children(parent)) {
    if (!searching) {
      searching = child == after;
      continue;
    }
    if (Matches(desktop, child, className, title)) return child;
  }
  return kNoWindow;
}

WindowHandle FirstChild(Desktop& desktop, WindowHandle parent) {
  if (parent == kNoWindow) return kNoWindow;
  const auto children = desktop.Children(parent);
  return children.empty() ? kNoWindow : children.front();
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
