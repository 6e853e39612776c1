#include "model/HealthText.h"

#include "roomlink/LookedFor.h"

namespace quorvel {
namespace {

// How the advice on a window the bot cannot find ends: the operator cannot
// fix a changed client, but can hand on what the bot sees of it.
constexpr const char* kChangedWindow =
    " Your Paltalk version may have changed its window. Click Client report... to save what Quorvel sees, for "
    "whoever updates it.";

constexpr const char* kRoomMeaning =
    "Quorvel cannot find this room's window, so it can neither read the room nor write in it. If the room was "
    "closed, open it again in Paltalk: Quorvel takes it up again by its title.";
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

// Appends one part, built in place: the panel asks for the parts on every
// change, and a part of three texts built from temporaries costs the program
// more code than its words.
void Add(std::vector<HealthPart>& parts, const char* text) { parts.emplace_back().Text = text; }

void AddWindow(std::vector<HealthPart>& parts, const char* name, WindowPresence presence, const char* meaning,
               const std::string& lookedFor) {
  // Worded in the order of WindowPresence.
  constexpr const char* kState[] = {" not looked for yet", " found", " missing"};
  HealthPart& part = parts.emplace_back();
  part.Text.append(name).append(kState[static_cast<int>(presence)]);
  if (presence != WindowPresence::Missing) return;
  part.Advice.append(meaning).append(kChangedWindow);
  part.Detail.append("Looked for: ").append(lookedFor);
  part.Missing = true;
}

}  // namespace

std::vector<HealthPart> HealthParts(const BotSettings& settings) {
  std::vector<HealthPart> parts;
  const WindowHealth& h = settings.Room.Health;
  if (!settings.PollTimer) {
    Add(parts, "Stopped");
  } else if (settings.Room.SelectedRoomTitle.empty()) {
    Add(parts, "No room selected");
  } else if (h.Room == WindowPresence::NotLooked) {
    Add(parts, "Waiting for the first tick");
  } else {
    AddWindow(parts, "Room", h.Room, kRoomMeaning, RoomLookedFor(h.Profile, h.RoomTitle));
    AddWindow(parts, "Transcript", h.Transcript, kTranscriptMeaning,
              PaneEditLookedFor(h.RoomTitle, h.ClientVersionCode, h.Profile.TranscriptIndex));
    AddWindow(parts, "Send box", h.SendBox, kSendBoxMeaning,
              PaneEditLookedFor(h.RoomTitle, h.ClientVersionCode, h.Profile.SendBoxIndex));
    AddWindow(parts, "Nick list", h.NickList, kNickListMeaning, NickListLookedFor(h.RoomTitle));
    if (h.MemoryUnreadable) {
      HealthPart& part = parts.emplace_back();
      part.Text = "Client memory unreadable";
      part.Advice = kMemoryAdvice;
      part.Detail =
          "The client's process did not tell whether it runs 32- or 64-bit code, so nothing was read from its memory";
      part.Missing = true;
    } else if (h.ClientBits != 0) {
      parts.emplace_back().Text = std::to_string(h.ClientBits) + "-bit client";
    }
    // The greeter holds back while a join flood lasts.
    if (settings.Features.FloodGuardOn && settings.Flood.Watch.GreeterPaused) {
      HealthPart& part = parts.emplace_back();
      part.Text = "Greeter paused: join flood";
      part.Advice =
          "More nicks joined than the flood guard's join limit allows: no greeting goes out until no one has "
          "joined for the join window's seconds.";
    }
    if (h.SkippedMessages > 0) {
      HealthPart& part = parts.emplace_back();
      part.Text = std::to_string(h.SkippedMessages) + (h.SkippedMessages == 1 ? " message" : " messages") + " skipped";
      part.Advice =
          "Messages came faster than Quorvel reads them: a tick acts on the newest 30, and the older ones of the "
          "burst were not acted on. If the count keeps growing, switch the flood guard on: such bursts usually come "
          "from a flood.";
      part.Detail = "Counted since the room was attached.";
    }
  }
  return parts;
}

std::string HealthLine(const std::vector<HealthPart>& parts) {
  std::string line;
  for (const auto& part : parts) line += (line.empty() ? "" : " | ") + part.Text;
  return line;
}

}  // namespace quorvel
