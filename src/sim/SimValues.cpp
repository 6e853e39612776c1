// The names scenarios read with `expect value` and `expect list`.
#include <functional>
#include <map>

#include "sim/ScenarioRunner.h"

namespace quorvel {
namespace {

using Getter = std::function<std::string(const BotSettings&)>;

std::string OnOff(bool b) { return b ? "on" : "off"; }

const std::map<std::string, Getter>& ValueGetters() {
  static const std::map<std::string, Getter> getters = {
      {"RawLine", [](const BotSettings& s) { return s.Line.RawLine; }},
      {"Text", [](const BotSettings& s) { return s.Line.Text; }},
      {"Sender", [](const BotSettings& s) { return s.Line.Sender; }},
      {"JoinedNick", [](const BotSettings& s) { return s.Line.JoinedNick; }},
      {"MarkerLine", [](const BotSettings& s) { return s.Line.MarkerLine; }},
      {"GreeterOn", [](const BotSettings& s) { return OnOff(s.GreeterOn); }},
      {"SwearbotOn", [](const BotSettings& s) { return OnOff(s.SwearbotOn); }},
      {"AnnouncerOn", [](const BotSettings& s) { return OnOff(s.AnnouncerOn); }},
      {"ResponderOn", [](const BotSettings& s) { return OnOff(s.ResponderOn); }},
      {"AutoBounceOn", [](const BotSettings& s) { return OnOff(s.AutoBounceOn); }},
      {"AutoRedotOn", [](const BotSettings& s) { return OnOff(s.AutoRedotOn); }},
      {"PollTimer", [](const BotSettings& s) { return OnOff(s.PollTimer); }},
      {"GreeterLabel", [](const BotSettings& s) { return s.GreeterLabel; }},
      {"SwearbotLabel", [](const BotSettings& s) { return s.SwearbotLabel; }},
      {"AnouncerLabel", [](const BotSettings& s) { return s.AnouncerLabel; }},
      {"AutobounceLabel", [](const BotSettings& s) { return s.AutobounceLabel; }},
      {"AutoRedotLabel", [](const BotSettings& s) { return s.AutoRedotLabel; }},
      {"ResponderLabel", [](const BotSettings& s) { return s.ResponderLabel; }},
      {"ClockLabel", [](const BotSettings& s) { return s.ClockLabel; }},
      {"UserCountLabel", [](const BotSettings& s) { return s.UserCountLabel; }},
      {"LastVisitorBox", [](const BotSettings& s) { return s.LastVisitorBox; }},
      {"BotNick", [](const BotSettings& s) { return s.BotNick; }},
      {"SelectedRoomTitle", [](const BotSettings& s) { return s.Room.SelectedRoomTitle; }},
      {"ClientVersionCode", [](const BotSettings& s) { return std::to_string(s.Room.ClientVersionCode); }},
      {"RoomWindowClass", [](const BotSettings& s) { return s.Room.Profile.RoomWindowClass; }},
      {"TranscriptIndex", [](const BotSettings& s) { return std::to_string(s.Room.Profile.TranscriptIndex); }},
      {"SendBoxIndex", [](const BotSettings& s) { return std::to_string(s.Room.Profile.SendBoxIndex); }},
      {"Caption", [](const BotSettings& s) { return s.Room.Caption; }},
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
  };
  return getters;
}

}  // namespace

std::optional<std::string> ReadSimValue(const BotSettings& settings, const std::string& name) {
  const auto& getters = ValueGetters();
  auto it = getters.find(name);
  if (it == getters.end()) return std::nullopt;
  return it->second(settings);
}

std::optional<std::vector<std::string>> ReadSimList(const BotSettings& settings, const std::string& name) {
  if (name == "RoomList") return settings.Room.RoomList;
  return std::nullopt;
}

}  // namespace quorvel
