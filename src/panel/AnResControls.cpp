// The "An/Res" tab: the styles of sent messages, the responder and the announcer.
#include "panel/AnResTab.h"
#include "panel/FeatureSwitch.h"
#include "panel/PanelControlRows.h"

namespace quorvel::rows {
namespace {

using S = BotSettings;
using AM = BotSettings::AnnounceModes;

// The three "A" boxes hold one size at most; clearing the ticked one leaves none.
PanelControl StyleSize() {
  PanelControl sizes = Options(
      "StyleSize",
      {{"8", "8", [](const S& s) { return s.Style.StyleSize == 8; }, [](S& s) { SetSizeBox(s.Style, 8, true); }},
       {"10", "10", [](const S& s) { return s.Style.StyleSize == 10; }, [](S& s) { SetSizeBox(s.Style, 10, true); }},
       {"12", "12", [](const S& s) { return s.Style.StyleSize == 12; }, [](S& s) { SetSizeBox(s.Style, 12, true); }},
       {"none", "none", [](const S& s) { return !s.Style.StyleSize; },
        [](S& s) {
          if (s.Style.StyleSize) SetSizeBox(s.Style, *s.Style.StyleSize, false);
        }}});
  sizes.Unticked = "none";
  return sizes;
}

PanelControl AnnounceList() {
  PanelControl list =
      ListBox("AnnounceList", PanelListId::AnnounceList, [](S& s) -> PanelList& { return s.Announcer.AnnounceList; });
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
  return {
      // "Fader Options"
      Swatch("MessageFadeColorA", [](S& s) -> std::uint32_t& { return s.Style.MessageFadeColorA; }),
      Swatch("MessageFadeColorB", [](S& s) -> std::uint32_t& { return s.Style.MessageFadeColorB; }),
      // "Options"
      CheckBox("StyleUnderline", [](S& s) -> bool& { return s.Style.StyleUnderline; }),
      CheckBox("StyleItalic", [](S& s) -> bool& { return s.Style.StyleItalic; }),
      CheckBox("StyleFade", [](S& s) -> bool& { return s.Style.StyleFade; }),
      Swatch("StyleColor", [](S& s) -> std::uint32_t& { return s.Style.StyleColor; }),
      StyleSize(),
      CheckBox("StyleBold", [](S& s) -> bool& { return s.Style.StyleBold; }),
      // "Responder"
      ListBox("ResponderTriggers", PanelListId::ResponderTriggers,
              [](S& s) -> PanelList& { return s.Responder.ResponderTriggers; }),
      ListBox("ResponderReplies", PanelListId::ResponderReplies,
              [](S& s) -> PanelList& { return s.Responder.ResponderReplies; }),
      TextBox("ResponderMessageBox", PanelBox::ResponderMessageBox,
              [](S& s) -> std::string& { return s.Panel.ResponderMessageBox; }),
      TextBox("ResponderResponseBox", PanelBox::ResponderResponseBox,
              [](S& s) -> std::string& { return s.Panel.ResponderResponseBox; }),
      Button("Responder.Add", ResponderAdd),
      Button("Responder.Delete", ResponderDelete),
      Button("Responder.Save", ResponderSave),
      Button("Responder.Start", [](Bot& b) { StartFeature(b, Feature::Responder); }),
      Button("Responder.Stop", [](Bot& b) { StopFeature(b, Feature::Responder); }),
      Button("Responder.Clear", ResponderClear),
      // "Anouncer"
      AnnounceList(),
      TextBox("AnnounceInputBox", PanelBox::AnnounceInputBox,
              [](S& s) -> std::string& { return s.Panel.AnnounceInputBox; }),
      Button("Anouncer.Add", AnnouncerAdd),
      Button("Anouncer.Delete", AnnouncerDelete),
      Button("Anouncer.Clear", AnnouncerClear),
      Button("Anouncer.Start", [](Bot& b) { StartFeature(b, Feature::Anouncer); }),
      Button("Anouncer.Stop", [](Bot& b) { StopFeature(b, Feature::Anouncer); }),
      TextBox("AnnounceInterval", PanelBox::AnnounceInterval,
              [](S& s) -> std::string& { return s.Announcer.AnnounceInterval; }),
      Options("AnnounceMode", {{"Multi", "Multi", [](const S& s) { return s.Announcer.AnnounceMode == AM::Multi; },
                                [](S& s) { s.Announcer.AnnounceMode = AM::Multi; }},
                               {"Singl", "Singl", [](const S& s) { return s.Announcer.AnnounceMode == AM::Singl; },
                                [](S& s) { s.Announcer.AnnounceMode = AM::Singl; }},
                               {"Rand", "Rand", [](const S& s) { return s.Announcer.AnnounceMode == AM::Rand; },
                                [](S& s) { s.Announcer.AnnounceMode = AM::Rand; }}}),
  };
}

}  // namespace quorvel::rows
