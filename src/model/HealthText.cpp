#include "model/HealthText.h"

#include "roomlink/LookedFor.h"

namespace quorvel {
namespace {

// How the advice on a window the bot cannot find ends: the operator cannot
// fix a changed client, but can hand on what the bot sees of it.
constexpr const char* kChangedWindow =
    " Your Paltalk version may have changed its window. Click Client report... to save what Quorvel sees, for "
    "whoever updates it.";

constexpr const char* kRoomAdvice =
    "Quorvel cannot find this room's window, so it can neither read the room nor write in it. If the room was "
    "closed, open it again in Paltalk: Quorvel takes it up again by its title. If it is open, your Paltalk version "
    "may have changed its window. Click Client report... to save what Quorvel sees, for whoever updates it.";
constexpr const char* kTranscriptMeaning =
    "Quorvel cannot find this room's transcript, so it cannot read what is said in the room: it greets, answers, "
    "moderates and takes commands from no one.";
constexpr const char* kSendBoxMeaning =
    "Quorvel cannot find this room's send box, so it cannot write in the room: no greeting, answer, announcement or "
    "notice goes out.";
constexpr const char* kNickListMeaning =
    "Quorvel cannot find this room's nick list, so it cannot see who is in the room or bounce anyone.";
constexpr const char* kMemoryAdvice =
    "Quorvel cannot read the client's memory, so it sees no nick in the nick list and no line of the transcript. Run "
    "Quorvel as the same user as Paltalk, and not from a restricted account. Click Client report... to save what "
    "Quorvel sees, for whoever updates it.";

HealthPart WindowPart(const std::string& name, WindowPresence presence, std::string advice,
                      const std::string& lookedFor) {
  switch (presence) {
    case WindowPresence::Found:
      return {name + " found", "", "", false};
    case WindowPresence::Missing:
      return {name + " missing", std::move(advice), "Looked for: " + lookedFor, true};
    case WindowPresence::NotLooked:
      break;
  }
  return {name + " not looked for yet", "", "", false};
}

}  // namespace

std::vector<HealthPart> HealthParts(const BotSettings& settings) {
  if (!settings.PollTimer) return {{"Stopped", "", "", false}};
  if (settings.Room.SelectedRoomTitle.empty()) return {{"No room selected", "", "", false}};
  const WindowHealth& h = settings.Room.Health;
  if (h.Room == WindowPresence::NotLooked) return {{"Waiting for the first tick", "", "", false}};
  std::vector<HealthPart> parts = {
      WindowPart("Room", h.Room, kRoomAdvice, RoomLookedFor(h.Profile, h.RoomTitle)),
      WindowPart("Transcript", h.Transcript, kTranscriptMeaning + std::string(kChangedWindow),
                 PaneEditLookedFor(h.RoomTitle, h.ClientVersionCode, h.Profile.TranscriptIndex)),
      WindowPart("Send box", h.SendBox, kSendBoxMeaning + std::string(kChangedWindow),
                 PaneEditLookedFor(h.RoomTitle, h.ClientVersionCode, h.Profile.SendBoxIndex)),
      WindowPart("Nick list", h.NickList, kNickListMeaning + std::string(kChangedWindow),
                 NickListLookedFor(h.RoomTitle)),
  };
  if (h.MemoryUnreadable)
    parts.push_back({"Client memory unreadable", kMemoryAdvice,
                     "The client's process did not tell whether it runs 32- or 64-bit code, so nothing was read from "
                     "its memory",
                     true});
  else if (h.ClientBits != 0)
    parts.push_back({std::to_string(h.ClientBits) + "-bit client", "", "", false});
  return parts;
}

std::string HealthLine(const std::vector<HealthPart>& parts) {
  std::string line;
  for (const auto& part : parts) line += (line.empty() ? "" : " | ") + part.Text;
  return line;
}

}  // namespace quorvel
