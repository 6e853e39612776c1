// The main window's left column, its room list, its menus, its hot keys and
// its status bar.
#include "model/SetFeature.h"
#include "panel/ClientReportFile.h"
#include "panel/Menus.h"
#include "panel/ModerationPanel.h"
#include "panel/PanelControlRows.h"
#include "panel/RoomFrame.h"

namespace quorvel::rows {
namespace {

using S = BotSettings;

// The "Room:" list: the rooms the client shows, one of them picked.
PanelControl RoomList() {
  PanelControl rooms{"RoomList", ControlKind::List};
  rooms.Entries = Setting<&S::Room, &RoomLinkState::RoomList>;
  rooms.Index = Setting<&S::Room, &RoomLinkState::RoomListIndex>;
  rooms.OneSelection = true;
  rooms.Picked = RoomListPicked;
  rooms.Press = RoomListDropDown;  // dropped down, it looks for the client's rooms again
  return rooms;
}

}  // namespace

std::vector<PanelControl> MainColumnControls() {
  return {
      Button("EnableAll", EnableAll),
      Button("DisableAll", DisableAll),
      Button("Start", StartPolling),
      Button("Stop", StopPolling),
      // The current chat line as the tick read it.
      Label("RawLine", PanelLabel::Line, Setting<&S::Line, &ChatLine::RawLine>),
      RoomList(),
      // What dropping the list down does, as a scenario asks for it.
      Button("RoomList.DropDown", RoomListDropDown),
      Button("About", ShowAbout),
      Button("Help", OpenHelp),
      Button("Contact", ShowContact),
      Button("Contact.Link", OpenMakerPage),
      Button("F7", HotKeyBounce),
      Button("F8", HotKeyRedDot),
      // The status bar's action.
      Button(kClientReportRow, WriteClientReport),
  };
}

}  // namespace quorvel::rows
