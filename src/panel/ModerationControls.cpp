// The "SwearBot" and "Bc/Dot" tabs: the swear monitor and the moderation by hand and by list.
#include "panel/FeatureSwitch.h"
#include "panel/ModerationPanel.h"
#include "panel/PanelControlRows.h"

namespace quorvel::rows {
namespace {

using S = BotSettings;
using SM = BotSettings::SwearModes;
using WF = BotSettings::WarnFirstChoice;

std::vector<PanelControl> SwearBotTab() {
  return {
      // "Monitor Phrases"
      ListBox("SwearList", PanelListId::SwearList, [](S& s) -> PanelList& { return s.Swear.SwearList; }),
      TextBox("PhraseBox", PanelBox::PhraseBox, [](S& s) -> std::string& { return s.Panel.PhraseBox; }),
      Button("Phrases.Add", PhrasesAdd),
      Button("Phrases.Delete", PhrasesDelete),
      Button("Phrases.Save", PhrasesSave),
      // "Options"
      Options("SwearMode", {{"Bounce", "Bounce", [](const S& s) { return s.Swear.SwearMode == SM::Bounce; },
                             [](S& s) { s.Swear.SwearMode = SM::Bounce; }},
                            {"RedDot", "Red Dot", [](const S& s) { return s.Swear.SwearMode == SM::RedDot; },
                             [](S& s) { s.Swear.SwearMode = SM::RedDot; }},
                            {"Warning", "Warning", [](const S& s) { return s.Swear.SwearMode == SM::Warning; },
                             [](S& s) { s.Swear.SwearMode = SM::Warning; }}}),
      // "Warning": neither option may be selected, which counts as "No".
      Options("WarnFirst", {{"Yes", "Yes", [](const S& s) { return s.Swear.WarnFirst == WF::Yes; },
                             [](S& s) { s.Swear.WarnFirst = WF::Yes; }},
                            {"No", "No", [](const S& s) { return s.Swear.WarnFirst == WF::No; },
                             [](S& s) { s.Swear.WarnFirst = WF::No; }},
                            {"none", "none", [](const S& s) { return s.Swear.WarnFirst == WF::Neither; },
                             [](S& s) { s.Swear.WarnFirst = WF::Neither; }}}),
      Button("Swearbot.Start", [](Bot& b) { StartFeature(b, Feature::Swearbot); }),
      Button("Swearbot.Stop", [](Bot& b) { StopFeature(b, Feature::Swearbot); }),
      // "Users Warned"
      ListBox("WarnedUsers", PanelListId::WarnedUsers, [](S& s) -> PanelList& { return s.Swear.WarnedUsers; }),
      Button("WarnedUsers.Remove", WarnedUsersRemove),
      // "Warn Messege"
      Message("WarnMessage", [](S& s) -> RichText& { return s.Messages.WarnMessage; }),
  };
}

std::vector<PanelControl> BcDotTab() {
  return {
      // "Manual"
      Button("Manual.Bounce", ManualBounce),
      Button("Manual.RedDot", ManualRedDot),
      CheckBox("LogModeration", [](S& s) -> bool& { return s.Moderation.LogModeration; }),
      // "RedDot Message", "Bounce Message"
      Message("RedDotMessage", [](S& s) -> RichText& { return s.Messages.RedDotMessage; }),
      Message("BounceMessage", [](S& s) -> RichText& { return s.Messages.BounceMessage; }),
      // "AutoBounce"
      ListBox("AutoBounceList", PanelListId::AutoBounceList,
              [](S& s) -> PanelList& { return s.Moderation.AutoBounceList; }),
      TextBox("AutobounceBox", PanelBox::AutobounceBox, [](S& s) -> std::string& { return s.Panel.AutobounceBox; }),
      Button("Autobounce.Add", AutobounceAdd),
      Button("Autobounce.S", AutobounceSave),
      Button("Autobounce.D", AutobounceDelete),
      Button("Autobounce.Start", [](Bot& b) { StartFeature(b, Feature::Autobounce); }),
      Button("Autobounce.Stop", [](Bot& b) { StopFeature(b, Feature::Autobounce); }),
      // "AutoRedot"
      ListBox("AutoRedotList", PanelListId::AutoRedotList,
              [](S& s) -> PanelList& { return s.Moderation.AutoRedotList; }),
      TextBox("AutoRedotBox", PanelBox::AutoRedotBox, [](S& s) -> std::string& { return s.Panel.AutoRedotBox; }),
      Button("AutoRedot.Add", AutoRedotAdd),
      Button("AutoRedot.S", AutoRedotSave),
      Button("AutoRedot.D", AutoRedotDelete),
      Button("AutoRedot.Start", [](Bot& b) { StartFeature(b, Feature::AutoRedot); }),
      Button("AutoRedot.Stop", [](Bot& b) { StopFeature(b, Feature::AutoRedot); }),
  };
}

}  // namespace

std::vector<PanelControl> ModerationControls() {
  std::vector<PanelControl> controls = SwearBotTab();
  for (PanelControl& c : BcDotTab()) controls.push_back(std::move(c));
  return controls;
}

}  // namespace quorvel::rows
