// The main window's left column, its room list, its menus, its hot keys and
// its status bar.
#include "model/SetFeature.h"
#include "panel/ClientReportFile.h"
#include "panel/Menus.h"
#include "panel/ModerationPanel.h"
#include "panel/PanelControlRows.h"
#include "panel/RoomFrame.h"

namespace quorvel::rows {

std::vector<PanelControl> MainColumnControls() {
  return {
      Button("EnableAll", EnableAll),
      Button("DisableAll", DisableAll),
      Button("Start", StartPolling),
      Button("Stop", StopPolling),
      // The current chat line as the tick read it.
      Label("RawLine", PanelLabel::Line, [](BotSettings& s) -> std::string& { return s.Line.RawLine; }),
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
