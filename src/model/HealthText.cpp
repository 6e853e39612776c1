#include "model/HealthText.h"

#include "roomlink/ClientLayout.h"

namespace quorvel {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Ordinal(int n) {
  const int lastTwo = n % 100, last = n % 10;
  const char* suffix = (lastTwo >= 11 && lastTwo <= 13) ? "th"
                       : last == 1                      ? "st"
                       : last == 2                      ? "nd"
                       : last == 3                      ? "rd"
                                                        : "th";
  return std::to_string(n) + suffix;
}

std::string RoomTip(const WindowHealth& h) {
  return "A top-level window of class " +
         Quoted(h.Profile.RoomWindowClass.empty() ? std::string(kRoomWindowClass) : h.Profile.RoomWindowClass) +
         " titled " + Quoted(h.RoomTitle);
}

std::string PaneEditTip(const WindowHealth& h, int ordinal) {
  return "The " + Ordinal(ordinal) + " " + Quoted(kRichEditClass) + " below the 4th " + Quoted(kSplitterClass) +
         " of the room window " + Quoted(h.RoomTitle) + " (client version code " + std::to_string(h.ClientVersionCode) +
         ")";
}

std::string NickListTip(const WindowHealth& h) {
  return std::string("A ") + Quoted(kListViewClass) + " after the header in the 2nd " + Quoted(kPaneContainerClass) +
         " of the 6th nested " + Quoted(kSplitterClass) + " of the room window " + Quoted(h.RoomTitle);
}

HealthPart WindowPart(const std::string& name, WindowPresence presence, std::string tip) {
  switch (presence) {
    case WindowPresence::Found:
      return {name + " found", "", false};
    case WindowPresence::Missing:
      return {name + " missing", std::move(tip), true};
    case WindowPresence::NotLooked:
      break;
  }
  return {name + " not looked for yet", "", false};
}

}  // namespace

std::vector<HealthPart> HealthParts(const BotSettings& settings) {
  if (!settings.PollTimer) return {{"Stopped", "", false}};
  if (settings.Room.SelectedRoomTitle.empty()) return {{"No room selected", "", false}};
  const WindowHealth& h = settings.Room.Health;
  if (h.Room == WindowPresence::NotLooked) return {{"Waiting for the first tick", "", false}};
  std::vector<HealthPart> parts = {
      WindowPart("Room", h.Room, RoomTip(h)),
      WindowPart("Transcript", h.Transcript, PaneEditTip(h, h.Profile.TranscriptIndex)),
      WindowPart("Send box", h.SendBox, PaneEditTip(h, h.Profile.SendBoxIndex)),
      WindowPart("Nick list", h.NickList, NickListTip(h)),
  };
  if (h.MemoryUnreadable)
    parts.push_back({"Client memory unreadable",
                     "The client's process did not tell whether it runs 32- or 64-bit code, so nothing was read from "
                     "its memory",
                     true});
  else if (h.ClientBits != 0)
    parts.push_back({std::to_string(h.ClientBits) + "-bit client", "", false});
  return parts;
}

std::string HealthLine(const std::vector<HealthPart>& parts) {
  std::string line;
  for (const auto& part : parts) line += (line.empty() ? "" : " | ") + part.Text;
  return line;
}

}  // namespace quorvel
