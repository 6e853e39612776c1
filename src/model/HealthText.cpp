#include "model/HealthText.h"

#include "roomlink/LookedFor.h"

namespace quorvel {
namespace {

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
      WindowPart("Room", h.Room, RoomLookedFor(h.Profile, h.RoomTitle)),
      WindowPart("Transcript", h.Transcript,
                 PaneEditLookedFor(h.RoomTitle, h.ClientVersionCode, h.Profile.TranscriptIndex)),
      WindowPart("Send box", h.SendBox, PaneEditLookedFor(h.RoomTitle, h.ClientVersionCode, h.Profile.SendBoxIndex)),
      WindowPart("Nick list", h.NickList, NickListLookedFor(h.RoomTitle)),
  };
  if (h.MemoryUnreadable)
    parts.push_back({"Client memory unreadable",
                     "The client's process did not tell whether it runs 32- or 64-bit code, so nothing was read from "
                     "its memory",
                     true});
  else if (h.ClientBits != 0)
    parts.push_back({std::to_string(h.ClientBits) + "-bit client", "", false});
  if (h.SkippedMessages > 0)
    parts.push_back(
        {std::to_string(h.SkippedMessages) + (h.SkippedMessages == 1 ? " message" : " messages") + " skipped",
         "Messages came faster than Quorvel reads them: a tick acts on the newest 30 and skips the "
         "older ones. Counted since the room was attached.",
         true});
  return parts;
}

std::string HealthLine(const std::vector<HealthPart>& parts) {
  std::string line;
  for (const auto& part : parts) line += (line.empty() ? "" : " | ") + part.Text;
  return line;
}

}  // namespace quorvel
