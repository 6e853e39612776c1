// The main window's left column, its room list, its menus and its hot keys.
#include "model/SetFeature.h"
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
      Label("RawLine", PanelLabel::Line, Setting<&BotSettings::Line, &ChatLine::RawLine>),
      Button("RoomList.DropDown", RoomListDropDown),
      Button("About", ShowAbout),
      Button("Help", OpenHelp),
      Button("Contact", ShowContact),
      Button("Contact.Link", OpenMakerPage),
      Button("F7", HotKeyBounce),
      Button("F8", HotKeyRedDot),
  };
}

}  // namespace quorvel::rows
