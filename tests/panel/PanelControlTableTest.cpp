#include <gtest/gtest.h>

#include <map>
#include <set>
#include <type_traits>

#include "panel/PanelControl.h"
#include "sim/ScenarioRunner.h"

namespace quorvel {
namespace {

TEST(PanelControlTableTest, EveryControlHasOneNameAndWhatItsKindDrives) {
  std::set<std::string> names;
  for (const PanelControl& c : PanelControls()) {
    SCOPED_TRACE(c.Name);
    EXPECT_TRUE(names.insert(c.Name).second) << "named twice";
    EXPECT_EQ(FindControl(c.Name), &c);
    switch (c.Kind) {
      case ControlKind::Button:
        EXPECT_TRUE(c.Press || (c.PressEntry && c.Entries));
        break;
      case ControlKind::TextBox:
      case ControlKind::Label:
        EXPECT_TRUE(c.Text);
        break;
      case ControlKind::List:
        EXPECT_TRUE(c.List);
        break;
      case ControlKind::CheckBox:
        EXPECT_TRUE(c.Flag);
        break;
      case ControlKind::ColorSwatch:
        EXPECT_TRUE(c.Color);
        break;
      case ControlKind::Message:
      case ControlKind::Editor:
        EXPECT_TRUE(c.Rich);
        break;
      case ControlKind::OptionGroup: {
        EXPECT_GE(c.Choices.size(), 2u);
        std::set<std::string> choices;
        for (const OptionChoice& o : c.Choices) EXPECT_TRUE(choices.insert(o.Name).second) << o.Name;
        if (c.Unticked) {
          EXPECT_GE(OptionNamed(c, c.Unticked), 0);
        }
        break;
      }
    }
  }
}

TEST(PanelControlTableTest, EveryNotificationIsAnsweredByExactlyOneControl) {
  auto count = [](auto notice) {
    int n = 0;
    for (const PanelControl& c : PanelControls()) {
      if constexpr (std::is_same_v<decltype(notice), PanelListId>) n += c.ListNotice == notice;
      if constexpr (std::is_same_v<decltype(notice), PanelBox>) n += c.BoxNotice == notice;
      if constexpr (std::is_same_v<decltype(notice), PanelLabel>) n += c.LabelNotice == notice;
    }
    return n;
  };
  for (int i = 0; i < kPanelListCount; ++i) EXPECT_EQ(count(static_cast<PanelListId>(i)), 1) << "list " << i;
  for (int i = 0; i < kPanelBoxCount; ++i) EXPECT_EQ(count(static_cast<PanelBox>(i)), 1) << "box " << i;
  for (int i = 0; i < kPanelLabelCount; ++i) EXPECT_EQ(count(static_cast<PanelLabel>(i)), 1) << "label " << i;
}

TEST(PanelControlTableTest, EveryActionOfTheScenarioLanguageIsAButton) {
  const char* const kActions[] = {"Start",
                                  "Stop",
                                  "EnableAll",
                                  "DisableAll",
                                  "About",
                                  "Help",
                                  "Contact",
                                  "Contact.Link",
                                  "F7",
                                  "F8",
                                  "RoomList.DropDown",
                                  "Greeter.Start",
                                  "Greeter.Stop",
                                  "Swearbot.Start",
                                  "Swearbot.Stop",
                                  "Responder.Start",
                                  "Responder.Stop",
                                  "Anouncer.Start",
                                  "Anouncer.Stop",
                                  "Autobounce.Start",
                                  "Autobounce.Stop",
                                  "AutoRedot.Start",
                                  "AutoRedot.Stop",
                                  "Admins.Add",
                                  "Admins.Delete",
                                  "Admins.Save",
                                  "Admins.AFN",
                                  "Phrases.Add",
                                  "Phrases.Delete",
                                  "Phrases.Save",
                                  "WarnedUsers.Remove",
                                  "Autobounce.Add",
                                  "Autobounce.D",
                                  "Autobounce.S",
                                  "AutoRedot.Add",
                                  "AutoRedot.D",
                                  "AutoRedot.S",
                                  "Responder.Add",
                                  "Responder.Delete",
                                  "Responder.Save",
                                  "Responder.Clear",
                                  "Anouncer.Add",
                                  "Anouncer.Delete",
                                  "Anouncer.Clear",
                                  "FastAdmin.Add",
                                  "FastAdminEntry.Add",
                                  "FastAdmin.Delete",
                                  "FastAdmin.Save",
                                  "FastAdmin.Join",
                                  "Greeter.Bold",
                                  "Greeter.Size8",
                                  "Greeter.Size10",
                                  "Greeter.Size11",
                                  "Greeter.Color",
                                  "Greeter.Clear",
                                  "Greeter.Fade",
                                  "Greeter.SaveToList",
                                  "SaveAs.Save",
                                  "Greeter.Delete",
                                  "JRM.Enable",
                                  "Manual.Bounce",
                                  "Manual.RedDot",
                                  "Stats.Clear",
                                  "Stats.Save",
                                  "Stats.Load",
                                  "Grabber.Refresh",
                                  "Grabber.AddAll",
                                  "Grabber.Add",
                                  "Recorder.Open",
                                  "Recorder.Start",
                                  "Recorder.Stop",
                                  "Recorder.Save",
                                  "Recorder.Search"};
  for (const char* action : kActions) {
    const PanelControl* c = FindControl(action);
    ASSERT_TRUE(c) << action;
    EXPECT_EQ(c->Kind, ControlKind::Button) << action;
  }
}

// What a row's accessor writes is what `expect value` reads under the row's
// name, and no two rows write the same setting.
TEST(PanelControlTableTest, EachControlReadsBackWhatItsAccessorWrote) {
  BotSettings s;
  std::map<const void*, std::string> owners;
  auto own = [&](const void* field, const char* name) {
    auto [it, fresh] = owners.emplace(field, name);
    EXPECT_TRUE(fresh) << name << " drives the setting of " << it->second;
  };
  for (const PanelControl& c : PanelControls()) {
    SCOPED_TRACE(c.Name);
    switch (c.Kind) {
      case ControlKind::TextBox:
      case ControlKind::Label:
        own(&c.Text(s), c.Name);
        c.Text(s) = std::string("typed into ") + c.Name;
        EXPECT_EQ(ReadSimValue(s, c.Name), std::string("typed into ") + c.Name);
        break;
      case ControlKind::CheckBox:
        own(&c.Flag(s), c.Name);
        for (bool on : {true, false}) {
          c.Flag(s) = on;
          EXPECT_EQ(ReadSimValue(s, c.Name), on ? "on" : "off");
        }
        break;
      case ControlKind::ColorSwatch:
        own(&c.Color(s), c.Name);
        c.Color(s) = Rgb(0x12, 0x34, 0x56);
        EXPECT_EQ(ReadSimValue(s, c.Name), "123456");
        break;
      case ControlKind::Message:
      case ControlKind::Editor:
        own(&c.Rich(s), c.Name);
        c.Rich(s).SetPlainText(std::string("written in ") + c.Name);
        EXPECT_EQ(ReadSimValue(s, c.Name), std::string("written in ") + c.Name);
        break;
      case ControlKind::OptionGroup:
        for (size_t i = c.Choices.size(); i-- > 0;) {
          c.Choices[i].Choose(s);
          EXPECT_EQ(ChosenOption(c, s), static_cast<int>(i)) << c.Choices[i].Name;
          EXPECT_EQ(ReadSimValue(s, c.Name), c.Choices[i].Caption);
        }
        break;
      case ControlKind::List:
        own(&c.List(s), c.Name);
        EXPECT_EQ(FindSimList(s, c.Name), &c.List(s));
        break;
      case ControlKind::Button:
        break;
    }
  }
}

}  // namespace
}  // namespace quorvel
