#pragma once
// Window searches shared by every room-link operation. Class and title
// comparisons ignore case, as the system's own FindWindow does.
#include <optional>
#include <string>

#include "roomlink/Desktop.h"

namespace quorvel {

// FindWindowA: the first top-level window matching the class and/or title
// (a missing one matches anything).
WindowHandle FindTopLevel(Desktop& desktop, const std::optional<std::string>& className,
                          const std::optional<std::string>& title);

// FindWindowExA: the first direct child of parent after `after` (kNoWindow: from
// the first) matching the class and/or title.
WindowHandle FindChild(Desktop& desktop, WindowHandle parent, WindowHandle after,
                       const std::optional<std::string>& className, const std::optional<std::string>& title);

// GetWindow GW_CHILD.
WindowHandle FirstChild(Desktop& desktop, WindowHandle parent);

// The n-th (1-based) descendant of the class, depth first; none when there is
// no such window.
WindowHandle FindNthDescendant(Desktop& desktop, WindowHandle parent, const std::string& className, int n);

// The n-th pane-class descendant of the first top-level window whose class and
// whole title equal the given ones.
WindowHandle FindRoomPane(Desktop& desktop, const std::string& roomClass, const std::string& roomTitle,
                          const std::string& paneClass, int n);

// The first top-level window whose title contains the text.
WindowHandle FindWindowByTitlePart(Desktop& desktop, const std::string& text);

}  // namespace quorvel
