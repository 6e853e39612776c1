#pragma once
#include <string>

#include "roomlink/RoomDiscovery.h"

namespace quorvel {

// The room's list view of nicks, by the fixed path from the room window: six
// nested splitters, the second pane container, its first child's first child
// and that one's next sibling.
WindowHandle FindNickListView(Desktop& desktop, const std::string& selectedRoomTitle);

// The number of users in the room as decimal text ("0" without a list view).
std::string UserCountText(Desktop& desktop, const std::string& selectedRoomTitle);

}  // namespace quorvel
