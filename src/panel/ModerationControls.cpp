// The "SwearBot" and "Bc/Dot" tabs: the swear monitor and the moderation by hand and by list.
#include "panel/ModerationPanel.h"
#include "panel/PanelControlRows.h"

namespace quorvel::rows {
namespace {

using S = BotSettings;
using SM = BotSettings::SwearModes;
using WF = BotSettings::WarnFirstChoice;

std::vector<PanelControl> SwearBotTab() {
  std::vector<PanelControl> rows = {
      // "Monitor Phrases"
      ListBox("SwearList", PanelListId::SwearList, Setting<&S::Swear, &S::SwearSettings::SwearList>),
      TextBox("PhraseBox", PanelBox::PhraseBox, Setting<&S::Panel, &S::PanelState::PhraseBox>),
      Button("Phrases.Add", PhrasesAdd),
      Button("Phrases.Delete", PhrasesDelete),
      Button("Phrases.Save", PhrasesSave),
      // "Options"
      Options("SwearMode", Setting<&S::Swear, &S::SwearSettings::SwearMode>,
              {Option("Bounce", SM::Bounce), Option("RedDot", "Red Dot", SM::RedDot), Option("Warning", SM::Warning)}),
      // "Warning": neither option may be selected, which counts as "No".
      Options("WarnFirst", Setting<&S::Swear, &S::SwearSettings::WarnFirst>,
              {Option("Yes", WF::Yes), Option("No", WF::No), Option("none", WF::Neither)}),
      // "Users Warned"
      ListBox("WarnedUsers", PanelListId::WarnedUsers, Setting<&S::Swear, &S::SwearSettings::WarnedUsers>),
      Button("WarnedUsers.Remove", WarnedUsersRemove),
      // "Warn Messege"
      Message("WarnMessage", Setting<&S::Messages, &S::MessageSettings::WarnMessage>),
  };
  Append(rows, StartStopButtons<Feature::Swearbot>("Swearbot"));
  return rows;
}

std::vector<PanelControl> BcDotTab() {
  std::vector<PanelControl> rows = {
      // "Manual"
      Button("Manual.Bounce", ManualBounce),
      Button("Manual.RedDot", ManualRedDot),
      CheckBox("LogModeration", Setting<&S::Moderation, &S::ModerationSettings::LogModeration>),
      // "RedDot Message", "Bounce Message"
      Message("RedDotMessage", Setting<&S::Messages, &S::MessageSettings::RedDotMessage>),
      Message("BounceMessage", Setting<&S::Messages, &S::MessageSettings::BounceMessage>),
      // "AutoBounce"
      ListBox("AutoBounceList", PanelListId::AutoBounceList,
              Setting<&S::Moderation, &S::ModerationSettings::AutoBounceList>),
      TextBox("AutobounceBox", PanelBox::AutoBounceBox, Setting<&S::Panel, &S::PanelState::AutoBounceBox>),
      Button("Autobounce.Add", AutoBounceAdd),
      Button("Autobounce.S", AutoBounceSave),
      Button("Autobounce.D", AutoBounceDelete),
      // "AutoRedot"
      ListBox("AutoRedotList", PanelListId::AutoRedotList,
              Setting<&S::Moderation, &S::ModerationSettings::AutoRedotList>),
      TextBox("AutoRedotBox", PanelBox::AutoRedotBox, Setting<&S::Panel, &S::PanelState::AutoRedotBox>),
      Button("AutoRedot.Add", AutoRedotAdd),
      Button("AutoRedot.S", AutoRedotSave),
      Button("AutoRedot.D", AutoRedotDelete),
  };
  Append(rows, StartStopButtons<Feature::AutoBounce>("Autobounce"));
  Append(rows, StartStopButtons<Feature::AutoRedot>("AutoRedot"));
  return rows;
}

}  // namespace

std::vector<PanelControl> ModerationControls() {
  std::vector<PanelControl> controls = SwearBotTab();
  Append(controls, BcDotTab());
  return controls;
}

}  // namespace quorvel::rows
