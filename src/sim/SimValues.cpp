// The names scenarios read with `expect value` and `expect list`.
#include <cstdio>
#include <functional>
#include <map>

#include "sim/ScenarioRunner.h"

namespace quorvel {
namespace {

using Getter = std::function<std::string(const BotSettings&)>;

std::string OnOff(bool b) { return b ? "on" : "off"; }

std::string Hex(std::uint32_t colorRef) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%02X%02X%02X", colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
  return buf;
}

const std::map<std::string, Getter>& ValueGetters() {
  static const std::map<std::string, Getter> getters = {
      {"RawLine", [](const BotSettings& s) { return s.Line.RawLine; }},
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
      {"PollTimer", [](const BotSettings& s) { return OnOff(s.PollTimer); }},
      {"GreeterLabel", [](const BotSettings& s) { return s.Panel.GreeterLabel; }},
      {"SwearbotLabel", [](const BotSettings& s) { return s.Panel.SwearbotLabel; }},
      {"AnouncerLabel", [](const BotSettings& s) { return s.Panel.AnouncerLabel; }},
      {"AutobounceLabel", [](const BotSettings& s) { return s.Panel.AutobounceLabel; }},
      {"AutoRedotLabel", [](const BotSettings& s) { return s.Panel.AutoRedotLabel; }},
      {"ResponderLabel", [](const BotSettings& s) { return s.Panel.ResponderLabel; }},
      {"ClockLabel", [](const BotSettings& s) { return s.Panel.ClockLabel; }},
      {"UserCountLabel", [](const BotSettings& s) { return s.Panel.UserCountLabel; }},
      {"LastVisitorBox", [](const BotSettings& s) { return s.Panel.LastVisitorBox; }},
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
      {"GreetMode",
       [](const BotSettings& s) {
         return std::string(s.Greeter.GreetMode == BotSettings::GreetModes::Whisper ? "Whisper" : "Regular");
       }},
      {"RandomDesign", [](const BotSettings& s) { return std::string(s.Greeter.RandomDesign ? "Yes" : "No"); }},
      {"StyleBold", [](const BotSettings& s) { return OnOff(s.Style.StyleBold); }},
      {"StyleItalic", [](const BotSettings& s) { return OnOff(s.Style.StyleItalic); }},
      {"StyleUnderline", [](const BotSettings& s) { return OnOff(s.Style.StyleUnderline); }},
      {"StyleFade", [](const BotSettings& s) { return OnOff(s.Style.StyleFade); }},
      {"StyleSize",
       [](const BotSettings& s) {
         return s.Style.StyleSize ? std::to_string(*s.Style.StyleSize) : std::string("none");
       }},
      {"StyleColor", [](const BotSettings& s) { return Hex(s.Style.StyleColor); }},
      {"MessageFadeColorA", [](const BotSettings& s) { return Hex(s.Style.MessageFadeColorA); }},
      {"MessageFadeColorB", [](const BotSettings& s) { return Hex(s.Style.MessageFadeColorB); }},
      {"DesignFadeColorA", [](const BotSettings& s) { return Hex(s.Style.DesignFadeColorA); }},
      {"DesignFadeColorB", [](const BotSettings& s) { return Hex(s.Style.DesignFadeColorB); }},
      {"EditorText", [](const BotSettings& s) { return s.Greeter.DesignEditor.PlainText(); }},
      {"WarnMessage", [](const BotSettings& s) { return s.Messages.WarnMessage.PlainText(); }},
      {"BounceMessage", [](const BotSettings& s) { return s.Messages.BounceMessage.PlainText(); }},
      {"RedDotMessage", [](const BotSettings& s) { return s.Messages.RedDotMessage.PlainText(); }},
      {"AnnounceBuffer", [](const BotSettings& s) { return s.Announcer.AnnounceBuffer.PlainText(); }},
      {"AdminBox", [](const BotSettings& s) { return s.Panel.AdminBox; }},
      {"PhraseBox", [](const BotSettings& s) { return s.Panel.PhraseBox; }},
      {"ResponderMessageBox", [](const BotSettings& s) { return s.Panel.ResponderMessageBox; }},
      {"ResponderResponseBox", [](const BotSettings& s) { return s.Panel.ResponderResponseBox; }},
      {"AnnounceInputBox", [](const BotSettings& s) { return s.Panel.AnnounceInputBox; }},
      {"AnnounceInterval", [](const BotSettings& s) { return s.Announcer.AnnounceInterval; }},
      {"AnnounceCounter", [](const BotSettings& s) { return s.Announcer.AnnounceCounter; }},
      {"AnnounceMode",
       [](const BotSettings& s) {
         switch (s.Announcer.AnnounceMode) {
           case BotSettings::AnnounceModes::Multi:
             return std::string("Multi");
           case BotSettings::AnnounceModes::Rand:
             return std::string("Rand");
           case BotSettings::AnnounceModes::Singl:
             break;
         }
         return std::string("Singl");
       }},
      {"LastReply", [](const BotSettings& s) { return s.Responder.LastReply; }},
      {"TotalVisits", [](const BotSettings& s) { return s.Stats.TotalVisits; }},
      {"UniqueVisits", [](const BotSettings& s) { return s.Stats.UniqueVisits; }},
      {"RecordingOn", [](const BotSettings& s) { return OnOff(s.Recorder.RecordingOn); }},
      {"FlushTimerOn", [](const BotSettings& s) { return OnOff(s.Recorder.FlushTimerOn); }},
      {"FlushEvery", [](const BotSettings& s) { return s.Recorder.FlushEvery; }},
      {"FlushCounter", [](const BotSettings& s) { return s.Recorder.FlushCounter; }},
      {"SearchBox", [](const BotSettings& s) { return s.Panel.SearchBox; }},
      {"FastAdminNick", [](const BotSettings& s) { return s.Panel.FastAdminNick; }},
      {"FastAdminCode", [](const BotSettings& s) { return s.Panel.FastAdminCode; }},
      {"DialogRoomIndex", [](const BotSettings& s) { return s.FastAdmin.DialogRoomIndex; }},
      {"SearchLabel", [](const BotSettings& s) { return s.Panel.SearchLabel; }},
      {"AutobounceBox", [](const BotSettings& s) { return s.Panel.AutobounceBox; }},
      {"AutoRedotBox", [](const BotSettings& s) { return s.Panel.AutoRedotBox; }},
      {"NickListIndex", [](const BotSettings& s) { return s.Moderation.NickListIndex; }},
      {"LastPunishedNick", [](const BotSettings& s) { return s.Swear.LastPunishedNick; }},
      {"MatchedPhrase", [](const BotSettings& s) { return s.Swear.MatchedPhrase; }},
      {"SwearMode",
       [](const BotSettings& s) {
         switch (s.Swear.SwearMode) {
           case BotSettings::SwearModes::Bounce:
             return std::string("Bounce");
           case BotSettings::SwearModes::RedDot:
             return std::string("Red Dot");
           case BotSettings::SwearModes::Warning:
             break;
         }
         return std::string("Warning");
       }},
      {"WarnFirst",
       [](const BotSettings& s) {
         switch (s.Swear.WarnFirst) {
           case BotSettings::WarnFirstChoice::Yes:
             return std::string("Yes");
           case BotSettings::WarnFirstChoice::No:
             return std::string("No");
           case BotSettings::WarnFirstChoice::Neither:
             break;
         }
         return std::string("none");
       }},
      {"SaveAsName", [](const BotSettings& s) { return s.Panel.SaveAsName; }},
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

const PanelList* FindSimList(const BotSettings& s, const std::string& name) {
  const std::map<std::string, const PanelList*> lists = {
      {"AdminList", &s.Admins.AdminList},
      {"SwearList", &s.Swear.SwearList},
      {"WarnedUsers", &s.Swear.WarnedUsers},
      {"FastAdminNicks", &s.FastAdmin.FastAdminNicks},
      {"FastAdminCodes", &s.FastAdmin.FastAdminCodes},
      {"AutoBounceList", &s.Moderation.AutoBounceList},
      {"AutoRedotList", &s.Moderation.AutoRedotList},
      {"ResponderTriggers", &s.Responder.ResponderTriggers},
      {"ResponderReplies", &s.Responder.ResponderReplies},
      {"AnnounceList", &s.Announcer.AnnounceList},
      {"DesignFiles", &s.Greeter.DesignFiles},
      {"DesignNames", &s.Greeter.DesignNames},
      {"VisitorNicks", &s.Stats.VisitorNicks},
      {"VisitorCounts", &s.Stats.VisitorCounts},
      {"VisitorLastSeen", &s.Stats.VisitorLastSeen},
      {"RecorderBuffer", &s.Recorder.RecorderBuffer},
      {"SearchResults", &s.Recorder.SearchResults},
  };
  auto it = lists.find(name);
  return it == lists.end() ? nullptr : it->second;
}

std::optional<std::vector<std::string>> ReadSimList(const BotSettings& settings, const std::string& name) {
  if (name == "RoomList") return settings.Room.RoomList;
  if (name == "RoomNickList") return settings.Moderation.RoomNickList;
  if (name == "GrabberList") return settings.Grabber.GrabberList;
  if (const PanelList* list = FindSimList(settings, name)) return list->Items;
  return std::nullopt;
}

}  // namespace quorvel
