// The "An/Res" tab: the styles of sent messages, the responder and the announcer.
#include "panel/AnResTab.h"
#include "panel/PanelControlRows.h"

namespace quorvel::rows {
namespace {

using S = BotSettings;
using AM = BotSettings::AnnounceModes;

// The three "A" boxes hold one size at most; clearing the ticked one leaves
// none, which the group reads as 0.
int ChosenSize(const S& s) { return s.Style.StyleSize.value_or(0); }
void ChooseSize(S& s, int points) {
  if (points) return SetSizeBox(s.Style, points, true);
  if (s.Style.StyleSize) SetSizeBox(s.Style, *s.Style.StyleSize, false);
}

PanelControl StyleSize() {
  PanelControl sizes = Options("StyleSize", ChosenSize, ChooseSize,
                               {Option("8", 8), Option("10", 10), Option("12", 12), Option("none", 0)});
  sizes.Unticked = "none";
  return sizes;
}

PanelControl AnnounceList() {
  PanelControl list =
      ListBox("AnnounceList", PanelListId::AnnounceList, Setting<&S::Announcer, &S::AnnouncerSettings::AnnounceList>);
  list.OneSelection = true;
  // A click on an announcement also puts its text into the buffer.
  list.Picked = [](Bot& b, const std::vector<size_t>& entries) {
    BotSettings& s = b.settings;
    if (entries.empty()) return s.Announcer.AnnounceList.Selected.clear();
    PickAnnouncement(b, entries.back());
  };
  return list;
}

}  // namespace

std::vector<PanelControl> AnResControls() {
  std::vector<PanelControl> rows = {
      // "Fader Options"
      Swatch("MessageFadeColorA", Setting<&S::Style, &TextStyle::MessageFadeColorA>),
      Swatch("MessageFadeColorB", Setting<&S::Style, &TextStyle::MessageFadeColorB>),
      // "Options"
      CheckBox("StyleUnderline", Setting<&S::Style, &TextStyle::StyleUnderline>),
      CheckBox("StyleItalic", Setting<&S::Style, &TextStyle::StyleItalic>),
      CheckBox("StyleFade", Setting<&S::Style, &TextStyle::StyleFade>),
      Swatch("StyleColor", Setting<&S::Style, &TextStyle::StyleColor>),
      StyleSize(),
      CheckBox("StyleBold", Setting<&S::Style, &TextStyle::StyleBold>),
      // "Responder"
      ListBox("ResponderTriggers", PanelListId::ResponderTriggers,
              Setting<&S::Responder, &S::ResponderSettings::ResponderTriggers>),
      ListBox("ResponderReplies", PanelListId::ResponderReplies,
              Setting<&S::Responder, &S::ResponderSettings::ResponderReplies>),
      TextBox("ResponderMessageBox", PanelBox::ResponderMessageBox,
              Setting<&S::Panel, &S::PanelState::ResponderMessageBox>),
      TextBox("ResponderResponseBox", PanelBox::ResponderResponseBox,
              Setting<&S::Panel, &S::PanelState::ResponderResponseBox>),
      Button("Responder.Add", ResponderAdd),
      Button("Responder.Delete", ResponderDelete),
      Button("Responder.Save", ResponderSave),
      Button("Responder.Clear", ResponderClear),
      // "Anouncer"
      AnnounceList(),
      TextBox("AnnounceInputBox", PanelBox::AnnounceInputBox, Setting<&S::Panel, &S::PanelState::AnnounceInputBox>),
      Button("Anouncer.Add", AnnouncerAdd),
      Button("Anouncer.Delete", AnnouncerDelete),
      Button("Anouncer.Clear", AnnouncerClear),
      TextBox("AnnounceInterval", PanelBox::AnnounceInterval,
              Setting<&S::Announcer, &S::AnnouncerSettings::AnnounceInterval>),
      Options("AnnounceMode", Setting<&S::Announcer, &S::AnnouncerSettings::AnnounceMode>,
              {Option("Multi", AM::Multi), Option("Singl", AM::Single), Option("Rand", AM::Rand)}),
  };
  Append(rows, StartStopButtons<Feature::Responder>("Responder"));
  Append(rows, StartStopButtons<Feature::Announcer>("Anouncer"));
  return rows;
}

}  // namespace quorvel::rows
