#include "roomlink/Moderation.h"

#include "roomlink/ClientLayout.h"
#include "roomlink/WindowSearch.h"
#include "storage/FileSystem.h"

namespace quorvel {

void PostRoomCommand(RoomLink& link, int commandId) {
  const WindowHandle room = FindTopLevel(link.desktop, std::string(kRoomWindowClass), link.state.SelectedRoomTitle);
  if (room != kNoWindow) link.desktop.PostCommand(room, commandId);
}

void SelectNickInClient(Desktop& desktop, WindowHandle listView, int index) {
  if (listView != kNoWindow && index >= 0) desktop.SelectListItem(listView, index);
}

void StartBounceHelper(Shell& shell, const std::string& programDir) {
  shell.StartProgram(InFolder(programDir, kBounceHelper));
}

}  // namespace quorvel
