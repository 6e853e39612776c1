// The names scenarios read with `expect value` and `expect list`.
#include <cstdio>
#include <functional>
#include <map>

#include "model/HealthText.h"
#include "panel/PanelControl.h"
#include "scenario/ScenarioRunner.h"

namespace quorvel {
namespace {

using Getter = std::function<std::string(const BotSettings&)>;

std::string OnOff(bool b) { return b ? "on" : "off"; }

std::string Hex(std::uint32_t colorRef) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02X%02X%02X", colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
  return buf;
}

// What a control shows, as `expect value` reads it: options by their captions,
// flags as on/off, colours as RRGGBB, rich text as its plain text.
std::optional<std::string> ShownValue(const PanelControl& c, const BotSettings& s) {
  switch (c.Kind) {
    case ControlKind::TextBox:
    case ControlKind::Label:
      return c.Text(s);
    case ControlKind::OptionGroup: {
      const int chosen = ChosenOption(c, s);
      return chosen < 0 ? std::string() : std::string(c.Choices[static_cast<size_t>(chosen)].Caption);
    }
    case ControlKind::CheckBox:
      return OnOff(c.Flag(s));
    case ControlKind::ColorSwatch:
      return Hex(c.Color(s));
    case ControlKind::Message:
    case ControlKind::Editor:
      return c.Rich(s).PlainText();
    case ControlKind::Button:
    case ControlKind::List:
      break;
  }
  return std::nullopt;
}

// The values that no control of the panel shows: the chat line, the flags,
// the room, the argument slots and the features' own state.
const std::map<std::string, Getter>& ValueGetters() {
  static const std::map<std::string, Getter> getters = {
      {"Text", [](const BotSettings& s) { return s.Line.Text; }},
      {"Sender", [](const BotSettings& s) { return s.Line.Sender; }},
      {"JoinedNick", [](const BotSettings& s) { return s.Line.JoinedNick; }},
      {"MarkerLine", [](const BotSettings& s) { return s.Line.MarkerLine; }},
      {"GreeterOn", [](const BotSettings& s) { return OnOff(s.Features.GreeterOn); }},
      {"SwearbotOn", [](const BotSettings& s) { return OnOff(s.Features.SwearbotOn); }},
      {"AnnouncerOn", [](const BotSettings& s) { return OnOff(s.Features.AnnouncerOn); }},
      {"ResponderOn", [](const BotSettings& s) { return OnOff(s.Features.ResponderOn); }},
      {"AutoBounceOn", [](const BotSettings& s) { return OnOff(s.Features.AutoBounceOn); }},
      {"AutoRedotOn", [](const BotSettings& s) { return OnOff(s.Features.AutoRedotOn); }},
      {"FloodGuardOn", [](const BotSettings& s) { return OnOff(s.Features.FloodGuardOn); }},
      {"PollTimer", [](const BotSettings& s) { return OnOff(s.PollTimer); }},
      {"GreeterLabel", [](const BotSettings& s) { return s.Panel.GreeterLabel; }},
      {"SwearbotLabel", [](const BotSettings& s) { return s.Panel.SwearbotLabel; }},
      {"AnouncerLabel", [](const BotSettings& s) { return s.Panel.AnnouncerLabel; }},
      {"AutobounceLabel", [](const BotSettings& s) { return s.Panel.AutoBounceLabel; }},
      {"AutoRedotLabel", [](const BotSettings& s) { return s.Panel.AutoRedotLabel; }},
      {"ResponderLabel", [](const BotSettings& s) { return s.Panel.ResponderLabel; }},
      {"FloodLabel", [](const BotSettings& s) { return s.Panel.FloodLabel; }},
      {"SelectedRoomTitle", [](const BotSettings& s) { return s.Room.SelectedRoomTitle; }},
      {"ClientVersionCode", [](const BotSettings& s) { return std::to_string(s.Room.ClientVersionCode); }},
      {"RoomWindowClass", [](const BotSettings& s) { return s.Room.Profile.RoomWindowClass; }},
      {"TranscriptIndex", [](const BotSettings& s) { return std::to_string(s.Room.Profile.TranscriptIndex); }},
      {"SendBoxIndex", [](const BotSettings& s) { return std::to_string(s.Room.Profile.SendBoxIndex); }},
      {"Caption", [](const BotSettings& s) { return s.Room.Caption; }},
      {"Health", [](const BotSettings& s) { return HealthLine(HealthParts(s)); }},
      {"BounceArg", [](const BotSettings& s) { return s.Args.BounceArg; }},
      {"RedotArg", [](const BotSettings& s) { return s.Args.RedotArg; }},
      {"AnnounceArg", [](const BotSettings& s) { return s.Args.AnnounceArg; }},
      {"IntervalArg", [](const BotSettings& s) { return s.Args.IntervalArg; }},
      {"SeenArg", [](const BotSettings& s) { return s.Args.SeenArg; }},
      {"AdminArg", [](const BotSettings& s) { return s.Args.AdminArg; }},
      {"AutoRedotArg", [](const BotSettings& s) { return s.Args.AutoRedotArg; }},
      {"SwearArg", [](const BotSettings& s) { return s.Args.SwearArg; }},
      {"AutoBounceArg", [](const BotSettings& s) { return s.Args.AutoBounceArg; }},
      {"ResponderArg", [](const BotSettings& s) { return s.Args.ResponderArg; }},
      {"ReplyArg", [](const BotSettings& s) { return s.Args.ReplyArg; }},
      {"AnnounceBuffer", [](const BotSettings& s) { return s.Announcer.AnnounceBuffer.PlainText(); }},
      {"AnnounceCounter", [](const BotSettings& s) { return s.Announcer.AnnounceCounter; }},
      {"LastReply", [](const BotSettings& s) { return s.Responder.LastReply; }},
      {"RecordingOn", [](const BotSettings& s) { return OnOff(s.Recorder.RecordingOn); }},
      {"FlushCounter", [](const BotSettings& s) { return s.Recorder.FlushCounter; }},
      {"DialogRoomIndex", [](const BotSettings& s) { return s.FastAdmin.DialogRoomIndex; }},
      {"NickListIndex", [](const BotSettings& s) { return s.Moderation.NickListIndex; }},
      {"LastPunishedNick", [](const BotSettings& s) { return s.Swear.LastPunishedNick; }},
      {"MatchedPhrase", [](const BotSettings& s) { return s.Swear.MatchedPhrase; }},
  };
  return getters;
}

// The panel list of that name: a shown one, or one that stands beside a shown
// one, kept in step with it, but is never shown. `Settings` is BotSettings,
// const or not.
template <typename Settings>
auto FindList(Settings& s, const std::string& name) -> decltype(&s.Admins.AdminList) {
  const PanelControl* control = FindControl(name);
  if (control && control->List) return &control->List(s);
  if (name == "FastAdminCodes") return &s.FastAdmin.FastAdminCodes;
  if (name == "DesignFiles") return &s.Greeter.DesignFiles;
  return nullptr;
}

}  // namespace

std::optional<std::string> ReadSimValue(const BotSettings& settings, const std::string& name) {
  if (const PanelControl* control = FindControl(name))
    if (auto shown = ShownValue(*control, settings)) return shown;
  const auto& getters = ValueGetters();
  auto it = getters.find(name);
  if (it == getters.end()) return std::nullopt;
  return it->second(settings);
}

PanelList* FindSimList(BotSettings& settings, const std::string& name) { return FindList(settings, name); }

const PanelList* FindSimList(const BotSettings& settings, const std::string& name) { return FindList(settings, name); }

std::optional<std::vector<std::string>> ReadSimList(const BotSettings& settings, const std::string& name) {
  const PanelControl* control = FindControl(name);
  if (control && control->Kind == ControlKind::List) return EntriesOf(*control, settings);
  if (name == "RoomNickList") return settings.Moderation.RoomNickList;
  if (name == "GrabberList") return settings.Grabber.GrabberList;
  if (const PanelList* list = FindSimList(settings, name)) return list->Items;
  return std::nullopt;
}

std::vector<size_t> ReadSimSelection(const BotSettings& settings, const std::string& name) {
  const PanelControl* control = FindControl(name);
  if (control && control->Kind == ControlKind::List) return SelectionOf(*control, settings);
  if (const PanelList* list = FindSimList(settings, name)) return {list->Selected.begin(), list->Selected.end()};
  return {};
}

}  // namespace quorvel
