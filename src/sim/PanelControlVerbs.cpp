#include "sim/PanelControlVerbs.h"

#include <initializer_list>
#include <set>
#include <utility>

#include "panel/AdminsFrame.h"
#include "panel/AnResTab.h"
#include "panel/FastAdminFrame.h"
#include "panel/FeatureSwitch.h"
#include "panel/GreeterTab.h"
#include "panel/Menus.h"
#include "panel/ModerationPanel.h"
#include "panel/NickGrabber.h"
#include "panel/Polling.h"
#include "panel/RecorderPanel.h"
#include "panel/StatsFrame.h"
#include "sim/ScenarioRunner.h"
#include "sim/ScenarioWorld.h"

namespace quorvel::scenario {
namespace {

using Action = void (*)(Bot&);

const std::map<std::string, Action>& PanelActions() {
  static const std::map<std::string, Action> kActions = {
      {"Start", StartPolling},
      {"Stop", StopPolling},
      {"RoomList.DropDown", RoomListDropDown},
      {"EnableAll", EnableAll},
      {"DisableAll", DisableAll},
      {"Admins.Add", AdminsAdd},
      {"Admins.Delete", AdminsDelete},
      {"Admins.Save", AdminsSave},
      {"Greeter.Bold", EditorBold},
      {"Greeter.Size8", [](Bot& b) { EditorSize(b, 8); }},
      {"Greeter.Size10", [](Bot& b) { EditorSize(b, 10); }},
      {"Greeter.Size11", [](Bot& b) { EditorSize(b, 11); }},
      {"Greeter.Color", EditorColor},
      {"Greeter.Clear", EditorClear},
      {"Greeter.Fade", EditorFade},
      {"Greeter.SaveToList", OpenSaveAs},
      {"SaveAs.Save", SaveDesign},
      {"Greeter.Delete", DeleteDesigns},
      {"F7", HotKeyBounce},
      {"F8", HotKeyRedDot},
      {"Manual.Bounce", ManualBounce},
      {"Manual.RedDot", ManualRedDot},
      {"JRM.Enable", EnableJrm},
      {"Phrases.Add", PhrasesAdd},
      {"Phrases.Delete", PhrasesDelete},
      {"Phrases.Save", PhrasesSave},
      {"WarnedUsers.Remove", WarnedUsersRemove},
      {"Autobounce.Add", AutobounceAdd},
      {"Autobounce.D", AutobounceDelete},
      {"Autobounce.S", AutobounceSave},
      {"AutoRedot.Add", AutoRedotAdd},
      {"AutoRedot.D", AutoRedotDelete},
      {"AutoRedot.S", AutoRedotSave},
      {"Admins.AFN", OpenNickGrabber},
      {"Grabber.Refresh", GrabberRefresh},
      {"Grabber.AddAll", GrabberAddAll},
      {"Responder.Add", ResponderAdd},
      {"Responder.Delete", ResponderDelete},
      {"Responder.Save", ResponderSave},
      {"Responder.Clear", ResponderClear},
      {"Anouncer.Add", AnnouncerAdd},
      {"Anouncer.Delete", AnnouncerDelete},
      {"Anouncer.Clear", AnnouncerClear},
      {"Stats.Clear", ClearStats},
      {"Stats.Save", SaveStats},
      {"Stats.Load", LoadStats},
      {"Recorder.Open", OpenRecorderPanel},
      {"Recorder.Start", RecorderStart},
      {"Recorder.Stop", RecorderStop},
      {"Recorder.Save", SaveRecording},
      {"Recorder.Search", RecorderSearch},
      {"About", ShowAbout},
      {"Help", OpenHelp},
      {"Contact", ShowContact},
      {"Contact.Link", OpenMakerPage},
      {"FastAdmin.Add", FastAdminOpenEntry},
      {"FastAdminEntry.Add", FastAdminEntryAdd},
      {"FastAdmin.Delete", FastAdminDelete},
      {"FastAdmin.Save", FastAdminSave},
      {"FastAdmin.Join", FastAdminJoin},
  };
  return kActions;
}

void Press(ScenarioWorld& world, VerbCall& call) {
  Bot& bot = world.RequireBot();
  const std::string action = call.Cursor.Rest();
  static const std::pair<const char*, Feature> kFeatures[] = {
      {"Greeter", Feature::Greeter},   {"Swearbot", Feature::Swearbot},     {"Responder", Feature::Responder},
      {"Anouncer", Feature::Anouncer}, {"Autobounce", Feature::Autobounce}, {"AutoRedot", Feature::AutoRedot}};
  for (const auto& [name, feature] : kFeatures) {
    if (action == std::string(name) + ".Start") return StartFeature(bot, feature);
    if (action == std::string(name) + ".Stop") return StopFeature(bot, feature);
  }
  if (action == "FastAdminEntry.Add" && !bot.settings.Panel.FastAdminEntryOpen)
    throw Unrunnable("the fast-admin entry window is not open");
  if (action.rfind("Grabber.", 0) == 0 && !bot.settings.Panel.GrabberOpen) throw Unrunnable("the nick grabber is not open");
  if (action.rfind("Grabber.Add ", 0) == 0) {
    StatementCursor c(action.substr(12));
    const int entry = ParseInt(c.Word(), "grabber entry");
    if (entry < 0 || static_cast<size_t>(entry) >= bot.settings.Grabber.GrabberList.size())
      throw Unrunnable("no entry " + std::to_string(entry) + " in GrabberList");
    return GrabberAdd(bot, static_cast<size_t>(entry));
  }
  const auto& actions = PanelActions();
  auto it = actions.find(action);
  if (it == actions.end()) throw NotYet("press " + action);
  if (action == "SaveAs.Save" && !bot.settings.Panel.SaveAsOpen) throw Unrunnable("\"Save Greeter As:\" is not open");
  it->second(bot);
}

// An input box; the boxes of the small windows take text only while their window is open.
struct TypeBox {
  std::string& (*Text)(BotSettings&);
  bool (*OpenWhile)(const BotSettings&) = nullptr;
  const char* NotOpen = nullptr;
};

void Type(ScenarioWorld& world, VerbCall& call) {
  using S = BotSettings;
  using Str = std::string&;
  static const char* const kNoFastAdmin = "the fast-admin entry window is not open";
  static const auto fastAdminOpen = [](const S& s) { return s.Panel.FastAdminEntryOpen; };
  static const std::map<std::string, TypeBox> kBoxes = {
      {"BotNick", {[](S& s) -> Str { return s.BotNick; }}},
      {"AdminBox", {[](S& s) -> Str { return s.Panel.AdminBox; }}},
      {"PhraseBox", {[](S& s) -> Str { return s.Panel.PhraseBox; }}},
      {"ResponderMessageBox", {[](S& s) -> Str { return s.Panel.ResponderMessageBox; }}},
      {"ResponderResponseBox", {[](S& s) -> Str { return s.Panel.ResponderResponseBox; }}},
      {"AnnounceInputBox", {[](S& s) -> Str { return s.Panel.AnnounceInputBox; }}},
      {"AnnounceInterval", {[](S& s) -> Str { return s.Announcer.AnnounceInterval; }}},
      {"SearchBox", {[](S& s) -> Str { return s.Panel.SearchBox; }}},
      {"FastAdminNick", {[](S& s) -> Str { return s.Panel.FastAdminNick; }, fastAdminOpen, kNoFastAdmin}},
      {"FastAdminCode", {[](S& s) -> Str { return s.Panel.FastAdminCode; }, fastAdminOpen, kNoFastAdmin}},
      {"FlushEvery", {[](S& s) -> Str { return s.Recorder.FlushEvery; }}},
      {"AutobounceBox", {[](S& s) -> Str { return s.Panel.AutobounceBox; }}},
      {"AutoRedotBox", {[](S& s) -> Str { return s.Panel.AutoRedotBox; }}},
      {"SaveAsName", {[](S& s) -> Str { return s.Panel.SaveAsName; }, [](const S& s) { return s.Panel.SaveAsOpen; },
                      "\"Save Greeter As:\" is not open"}},
  };
  BotSettings& settings = world.RequireBot().settings;
  const std::string box = call.Cursor.Word().value_or("");
  const std::string text = UnescapeFreeText(call.Cursor.Rest());
  const auto it = kBoxes.find(box);
  if (it == kBoxes.end()) throw NotYet("type " + box);
  const TypeBox& target = it->second;
  if (target.OpenWhile && !target.OpenWhile(settings)) throw Unrunnable(target.NotOpen);
  target.Text(settings) = text;
}

void OnOff(bool& flag, const std::string& setting, const std::string& value) {
  if (value != "on" && value != "off") throw Unrunnable(setting + " is on or off");
  flag = value == "on";
}

void Color(std::uint32_t& target, const std::string& setting, const std::string& value) {
  const auto rgb = ParseRgb(value);
  if (!rgb) throw Unrunnable(setting + " takes RRGGBB");
  target = *rgb;
}

// An option group: VALUE is one of the captions, or the statement cannot run.
template <typename Option>
void Choose(Option& target, const std::string& value, std::initializer_list<std::pair<const char*, Option>> options,
            const char* error) {
  for (const auto& [caption, option] : options)
    if (value == caption) {
      target = option;
      return;
    }
  throw Unrunnable(error);
}

void SetStyleSize(TextStyle& style, const std::string& value) {
  if (value == "none") {
    if (style.StyleSize) SetSizeBox(style, *style.StyleSize, false);
  } else if (value == "8" || value == "10" || value == "12") {
    SetSizeBox(style, std::stoi(value), true);
  } else {
    throw Unrunnable("StyleSize is 8, 10, 12 or none");
  }
}

using SetHandler = void (*)(BotSettings& s, const std::string& setting, const std::string& value);

const std::map<std::string, SetHandler>& Settings() {
  using S = BotSettings;
  using Str = const std::string&;
  static const std::map<std::string, SetHandler> kSettings = {
      {"GreetMode",
       [](S& s, Str, Str v) {
         Choose(s.Greeter.GreetMode, v, {{"Whisper", S::GreetModes::Whisper}, {"Regular", S::GreetModes::Regular}},
                "GreetMode is Whisper or Regular");
       }},
      {"RandomDesign",
       [](S& s, Str, Str v) {
         Choose(s.Greeter.RandomDesign, v, {{"Yes", true}, {"No", false}}, "RandomDesign is Yes or No");
       }},
      {"StyleBold", [](S& s, Str n, Str v) { OnOff(s.Style.StyleBold, n, v); }},
      {"StyleItalic", [](S& s, Str n, Str v) { OnOff(s.Style.StyleItalic, n, v); }},
      {"StyleUnderline", [](S& s, Str n, Str v) { OnOff(s.Style.StyleUnderline, n, v); }},
      {"StyleFade", [](S& s, Str n, Str v) { OnOff(s.Style.StyleFade, n, v); }},
      {"StyleSize", [](S& s, Str, Str v) { SetStyleSize(s.Style, v); }},
      {"StyleColor", [](S& s, Str n, Str v) { Color(s.Style.StyleColor, n, v); }},
      {"MessageFadeColorA", [](S& s, Str n, Str v) { Color(s.Style.MessageFadeColorA, n, v); }},
      {"MessageFadeColorB", [](S& s, Str n, Str v) { Color(s.Style.MessageFadeColorB, n, v); }},
      {"DesignFadeColorA", [](S& s, Str n, Str v) { Color(s.Style.DesignFadeColorA, n, v); }},
      {"DesignFadeColorB", [](S& s, Str n, Str v) { Color(s.Style.DesignFadeColorB, n, v); }},
      {"WarnMessage", [](S& s, Str, Str v) { s.Messages.WarnMessage.SetPlainText(v); }},
      {"BounceMessage", [](S& s, Str, Str v) { s.Messages.BounceMessage.SetPlainText(v); }},
      {"RedDotMessage", [](S& s, Str, Str v) { s.Messages.RedDotMessage.SetPlainText(v); }},
      {"SwearMode",
       [](S& s, Str, Str v) {
         Choose(s.Swear.SwearMode, v,
                {{"Bounce", S::SwearModes::Bounce},
                 {"RedDot", S::SwearModes::RedDot},
                 {"Warning", S::SwearModes::Warning}},
                "SwearMode is Bounce, RedDot or Warning");
       }},
      {"WarnFirst",
       [](S& s, Str, Str v) {
         Choose(
             s.Swear.WarnFirst, v,
             {{"Yes", S::WarnFirstChoice::Yes}, {"No", S::WarnFirstChoice::No}, {"none", S::WarnFirstChoice::Neither}},
             "WarnFirst is Yes, No or none");
       }},
      {"AnnounceMode",
       [](S& s, Str, Str v) {
         Choose(
             s.Announcer.AnnounceMode, v,
             {{"Multi", S::AnnounceModes::Multi}, {"Singl", S::AnnounceModes::Singl}, {"Rand", S::AnnounceModes::Rand}},
             "AnnounceMode is Multi, Singl or Rand");
       }},
      {"FlushTimerOn", [](S& s, Str n, Str v) { OnOff(s.Recorder.FlushTimerOn, n, v); }},
  };
  return kSettings;
}

void Set(ScenarioWorld& world, VerbCall& call) {
  BotSettings& settings = world.RequireBot().settings;
  const std::string setting = call.Cursor.Word().value_or("");
  const std::string value = UnescapeFreeText(call.Cursor.Rest());
  const auto& handlers = Settings();
  const auto it = handlers.find(setting);
  if (it == handlers.end()) throw Unrunnable("unknown setting " + Quote(setting));
  it->second(settings, setting, value);
}

void Pick(ScenarioWorld& world, VerbCall& call) {
  Bot& bot = world.RequireBot();
  const std::string list = call.Cursor.Word().value_or("");
  std::vector<size_t> entries;
  bool none = false;
  while (auto w = call.Cursor.Word()) {
    if (*w == "none") {
      none = true;
      continue;
    }
    const int i = ParseInt(w, "pick index");
    if (i < 0) throw Unrunnable("pick takes indices from 0");
    entries.push_back(static_cast<size_t>(i));
  }
  if (!none && entries.empty()) throw Unrunnable("pick needs indices or none");
  const bool single = list == "RoomList" || list == "AnnounceList";
  if (single && entries.size() > 1) throw Unrunnable(list + " takes one index");
  if (list == "RoomList") {
    if (none) {
      bot.settings.Room.RoomListIndex = -1;
      return;
    }
    if (entries[0] >= bot.settings.Room.RoomList.size()) throw Unrunnable("no such entry in RoomList");
    return RoomPicked(bot, static_cast<int>(entries[0]));
  }
  const PanelList* found = FindSimList(bot.settings, list);
  if (!found) throw Unrunnable("unknown list " + Quote(list));
  for (size_t e : entries)
    if (e >= found->Items.size()) throw Unrunnable("no entry " + std::to_string(e) + " in " + list);
  if (list == "DesignNames") return PickDesigns(bot, entries);
  if (list == "AnnounceList") {
    if (none) {
      bot.settings.Announcer.AnnounceList.Selected.clear();
      return;
    }
    return PickAnnouncement(bot, entries[0]);
  }
  auto& target = const_cast<PanelList&>(*found);
  target.Selected = std::set<size_t>(entries.begin(), entries.end());
  bot.view.ListsChanged();
}

}  // namespace

const VerbTable& PanelControlVerbs() {
  static const VerbTable kVerbs = {{"press", Press}, {"type", Type}, {"set", Set}, {"pick", Pick}};
  return kVerbs;
}

}  // namespace quorvel::scenario
