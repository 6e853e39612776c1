#pragma once
#include <string>
#include <vector>

#include "roomlink/RoomDiscovery.h"

namespace quorvel {

// The room's list view of nicks, by the fixed path from the room window: six
// nested splitters, the second pane container, its first child's first child
// and that one's next sibling.
WindowHandle FindNickListView(Desktop& desktop, const std::string& selectedRoomTitle);

// The same, reusing the list view the last call found while the room window
// of that title is the same one and the list view is still alive and of its
// class; otherwise the path is walked again and the result kept.
WindowHandle FindNickListView(Desktop& desktop, const std::string& selectedRoomTitle, NickListCache& kept);

// The number of users in the room as decimal text ("0" without a list view).
std::string UserCountText(Desktop& desktop, const std::string& selectedRoomTitle);
// The same for the selected room, through the kept list view (the poll tick's).
std::string UserCountText(Desktop& desktop, RoomLinkState& room);

// Every item text of the list view: the main window's version appends them
// with every "@" removed, the grabber's version as the client shows them.
enum class NickTexts { WithoutAdminMark, AsShown };
void GetListviewItem(Desktop& desktop, WindowHandle listView, NickTexts form, std::vector<std::string>& into);

// The main window's ReadRoomNicks: the room's nicks, "@" removed, replacing the list.
void ReadRoomNicks(Desktop& desktop, const std::string& selectedRoomTitle, std::vector<std::string>& roomNickList);
// The grabber's ReadRoomNicks: the item texts as shown, appended.
void AppendGrabberNicks(Desktop& desktop, const std::string& selectedRoomTitle, std::vector<std::string>& grabberList);

}  // namespace quorvel
