#include <gtest/gtest.h>

#include <map>
#include <set>
#include <type_traits>
#include <utility>

#include "TestWorld.h"
#include "panel/PanelControl.h"
#include "scenario/ScenarioRunner.h"

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
        // Entries with their selection, or plain texts with one index picked through the row.
        EXPECT_TRUE(c.List || (c.Entries && c.Index && c.Picked && c.OneSelection));
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
        EXPECT_TRUE(c.Chosen && c.Choose);
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
// name, its reading accessor reads that same setting, and no two rows write
// the same setting.
TEST(PanelControlTableTest, EachControlReadsBackWhatItsAccessorWrote) {
  BotSettings s;
  std::map<const void*, std::string> owners;
  auto own = [&](const void* field, const std::string& name) {
    auto [it, fresh] = owners.emplace(field, name);
    EXPECT_TRUE(fresh) << name << " drives the setting of " << it->second;
  };
  const BotSettings& shown = s;
  for (const PanelControl& c : PanelControls()) {
    SCOPED_TRACE(c.Name);
    switch (c.Kind) {
      case ControlKind::TextBox:
      case ControlKind::Label:
        own(&c.Text(s), c.Name);
        EXPECT_EQ(&c.Text(shown), &c.Text(s));
        c.Text(s) = std::string("typed into ") + c.Name;
        EXPECT_EQ(ReadSimValue(s, c.Name), std::string("typed into ") + c.Name);
        break;
      case ControlKind::CheckBox:
        own(&c.Flag(s), c.Name);
        EXPECT_EQ(&c.Flag(shown), &c.Flag(s));
        for (bool on : {true, false}) {
          c.Flag(s) = on;
          EXPECT_EQ(ReadSimValue(s, c.Name), on ? "on" : "off");
        }
        break;
      case ControlKind::ColorSwatch:
        own(&c.Color(s), c.Name);
        EXPECT_EQ(&c.Color(shown), &c.Color(s));
        c.Color(s) = Rgb(0x12, 0x34, 0x56);
        EXPECT_EQ(ReadSimValue(s, c.Name), "123456");
        break;
      case ControlKind::Message:
      case ControlKind::Editor:
        own(&c.Rich(s), c.Name);
        EXPECT_EQ(&c.Rich(shown), &c.Rich(s));
        c.Rich(s).SetPlainText(std::string("written in ") + c.Name);
        EXPECT_EQ(ReadSimValue(s, c.Name), std::string("written in ") + c.Name);
        break;
      case ControlKind::OptionGroup:
        for (size_t i = c.Choices.size(); i-- > 0;) {
          ChooseOption(c, i, s);
          EXPECT_EQ(ChosenOption(c, s), static_cast<int>(i)) << c.Choices[i].Name;
          EXPECT_EQ(ReadSimValue(s, c.Name), c.Choices[i].Caption);
        }
        break;
      case ControlKind::List:
        if (!c.List) {
          own(&c.Entries(s), c.Name);
          EXPECT_EQ(&c.Entries(shown), &c.Entries(s));
          EXPECT_EQ(&c.Index(shown), &c.Index(s));
          c.Entries(s) = {std::string("listed in ") + c.Name};
          EXPECT_EQ(ReadSimList(s, c.Name), c.Entries(s));
          break;
        }
        own(&c.List(s), c.Name);
        EXPECT_EQ(&c.List(shown), &c.List(s));
        EXPECT_EQ(FindSimList(s, c.Name), &c.List(s));
        EXPECT_EQ(FindSimList(shown, c.Name), &c.List(s));
        break;
      case ControlKind::Button:
        break;
    }
  }
}

// The "Room:" list is a row like the other lists: it shows the rooms found,
// and a pick through it picks a room.
TEST(PanelControlTableTest, TheRoomListIsAListRow) {
  testing::TestWorld w;
  w.settings.Room.RoomList = {"Lobby Room", "Other Room"};
  const PanelControl* rooms = FindControl("RoomList");
  ASSERT_TRUE(rooms);
  EXPECT_EQ(rooms->Kind, ControlKind::List);
  EXPECT_TRUE(rooms->OneSelection);
  EXPECT_EQ(EntriesOf(*rooms, w.settings), w.settings.Room.RoomList);
  EXPECT_TRUE(SelectionOf(*rooms, w.settings).empty());
  rooms->Picked(w.bot, {1});
  EXPECT_EQ(w.settings.Room.RoomListIndex, 1);
  EXPECT_EQ(w.settings.Room.SelectedRoomTitle, "Other Room");
  EXPECT_EQ(SelectionOf(*rooms, w.settings), std::vector<size_t>{1});
  EXPECT_EQ(ReadSimSelection(w.settings, "RoomList"), std::vector<size_t>{1});
  rooms->Picked(w.bot, {});
  EXPECT_EQ(w.settings.Room.RoomListIndex, -1);
}

// Each feature's "Start" and "Stop" switch that feature and no other.
TEST(PanelControlTableTest, EachStartAndStopSwitchesItsOwnFeature) {
  const std::pair<const char*, Feature> kSwitches[] = {
      {"Greeter", Feature::Greeter},    {"Swearbot", Feature::Swearbot},     {"Responder", Feature::Responder},
      {"Anouncer", Feature::Announcer}, {"Autobounce", Feature::AutoBounce}, {"AutoRedot", Feature::AutoRedot}};
  for (const auto& [name, feature] : kSwitches) {
    SCOPED_TRACE(name);
    testing::TestWorld w;
    const PanelControl* start = FindControl(std::string(name) + ".Start");
    const PanelControl* stop = FindControl(std::string(name) + ".Stop");
    ASSERT_TRUE(start && stop);
    start->Press(w.bot);
    for (Feature f : kAllFeatures) EXPECT_EQ(FeatureFlag(w.settings, f), f == feature) << FeatureName(f);
    stop->Press(w.bot);
    for (Feature f : kAllFeatures) EXPECT_FALSE(FeatureFlag(w.settings, f)) << FeatureName(f);
  }
}

// An option group's choices are the values of its setting: choosing one by
// name sets that value, and the group reads it back as that option.
TEST(PanelControlTableTest, OptionsStandForTheValuesOfTheirSetting) {
  BotSettings s;
  auto choose = [&](const char* group, const char* option) {
    const PanelControl& c = *FindControl(group);
    const int i = OptionNamed(c, option);
    ASSERT_GE(i, 0) << option;
    ChooseOption(c, static_cast<size_t>(i), s);
  };
  choose("GreetMode", "Whisper");
  EXPECT_EQ(s.Greeter.GreetMode, BotSettings::GreetModes::Whisper);
  choose("RandomDesign", "Yes");
  EXPECT_TRUE(s.Greeter.RandomDesign);
  s.Swear.SwearMode = BotSettings::SwearModes::RedDot;
  EXPECT_EQ(ReadSimValue(s, "SwearMode"), "Red Dot");
  s.Swear.WarnFirst = BotSettings::WarnFirstChoice::Neither;
  EXPECT_EQ(ReadSimValue(s, "WarnFirst"), "none");
  // The size boxes: clearing the ticked one leaves no size.
  choose("StyleSize", "12");
  EXPECT_EQ(s.Style.StyleSize, 12);
  choose("StyleSize", "none");
  EXPECT_FALSE(s.Style.StyleSize);
  EXPECT_EQ(ReadSimValue(s, "StyleSize"), "none");
}

}  // namespace
}  // namespace quorvel
