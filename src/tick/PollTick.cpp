#include "tick/PollTick.h"

#include "commands/ArgumentExtractor.h"
#include "commands/ChatCommands.h"
#include "commands/RoomRecorder.h"
#include "commands/VisitorStats.h"
#include "engine/Announcer.h"
#include "engine/AutoModeration.h"
#include "engine/Greeter.h"
#include "engine/LineClassifier.h"
#include "engine/Responder.h"
#include "engine/SwearMonitor.h"
#include "roomlink/ClientLayout.h"
#include "roomlink/NickList.h"
#include "roomlink/TickFinds.h"
#include "roomlink/TranscriptReader.h"
#include "roomlink/WindowSearch.h"

namespace quorvel {
namespace {

class TickGuard {
 public:
  explicit TickGuard(bool& running) : running_(running), owner_(!running) { running_ = true; }
  ~TickGuard() {
    if (owner_) running_ = false;
  }
  TickGuard(const TickGuard&) = delete;
  TickGuard& operator=(const TickGuard&) = delete;
  bool Owner() const { return owner_; }

 private:
  bool& running_;
  bool owner_;
};

void UpdateUserCount(Bot& bot) {
  SetShown(bot.view, PanelLabel::UserCount, bot.settings.Panel.UserCountLabel,
           UserCountText(bot.desktop, bot.settings.Room));
}

// What the panel shows of the current line; the view hears of a change once,
// at the end of the tick.
bool SameShownLine(const ChatLine& a, const ChatLine& b) {
  return a.RawLine == b.RawLine && a.Sender == b.Sender && a.Text == b.Text && a.JoinedNick == b.JoinedNick;
}

void ReadAndClassify(Bot& bot) {
  BotSettings& s = bot.settings;
  ChatLine& line = s.Line;
  // The stamp has minutes: the clock label changes once a minute.
  SetShown(bot.view, PanelLabel::Clock, s.Panel.ClockLabel, TimeStamp(bot.host.clock));
  RoomLink link = bot.Link();
  RecheckTranscript(link);
  GetLastLine(bot.desktop, s.Room.TranscriptHandle, line.RawLine);
  ClassifyText(line);
  ExtractNormalPathArguments(line.Text, s.Args);
  ClassifyJoin(line);
  ClassifySender(line);
  ExtractResponderArgument(line.Text, s.Args);
  UpdateUserCount(bot);
  ClassifyMarker(line);
  if (line.MarkerLine == kWhisperEndMarker) {
    // The whisper's text stands three lines above the newest one.
    GetLineBeforeLast(bot.desktop, s.Room.TranscriptHandle, line.RawLine);
    GetThirdLineBeforeLast(bot.desktop, s.Room.TranscriptHandle, line.RawLine);
    TakeWhisperText(line);
    ExtractWhisperPathArguments(line.Text, s.Args);
    ClassifyJoin(line);
    ExtractResponderArgument(line.Text, s.Args);
    UpdateUserCount(bot);
    line.MarkerLine.clear();
  }
  CleanUpNicks(line);
  NoteTickFinds(bot.desktop, s.Room, s.Panel.UserCountLabel);
}

void RunFeatures(Bot& bot) {
  BotSettings& s = bot.settings;
  RecordLine(bot);
  if (s.Features.AutoBounceOn) AutoBounce(bot);
  if (s.Features.AutoRedotOn) AutoRedot(bot);
  if (!s.Line.JoinedNick.empty()) CountVisit(bot);
  if (!s.Line.JoinedNick.empty())
    SetShown(bot.view, PanelBox::LastVisitorBox, s.Panel.LastVisitorBox, s.Line.JoinedNick);
  if (s.Features.GreeterOn && !s.Line.JoinedNick.empty()) GreetNewcomer(bot);
  if (s.Features.SwearbotOn) ScanForSwearing(bot);
  if (s.Features.ResponderOn) Respond(bot);
  if (s.Features.AnnouncerOn) Announce(bot);
  RunChatCommands(bot);
}

void CloseNotice(Bot& bot) {
  const WindowHandle notice = FindTopLevel(bot.desktop, std::nullopt, std::string(kNoticeTitle));
  if (notice != kNoWindow) bot.desktop.PostClose(notice);
}

}  // namespace

void PollTick(Bot& bot) {
  TickGuard guard(bot.settings.TickRunning);
  if (!guard.Owner()) return;
  TickScope clientCalls(bot.desktop);
  // A send inside the tick may rediscover the rooms; the view hears of it.
  const auto roomsBefore = bot.settings.Room.RoomList;
  const auto captionBefore = bot.settings.Room.Caption;
  const ChatLine lineBefore = bot.settings.Line;
  ReadAndClassify(bot);
  RunFeatures(bot);
  CloseNotice(bot);
  if (bot.settings.Room.RoomList != roomsBefore) bot.view.RoomListChanged();
  if (bot.settings.Room.Caption != captionBefore) bot.view.CaptionChanged();
  if (!SameShownLine(bot.settings.Line, lineBefore)) bot.view.LabelChanged(PanelLabel::Line);
  // Compared with what the view was last told, so that a send between ticks
  // (which looks for the send box) is shown by the next tick.
  RoomLinkState& room = bot.settings.Room;
  if (room.Health != room.HealthShown) {
    room.HealthShown = room.Health;
    bot.view.HealthChanged();
  }
}

void PollTimerFired(Bot& bot) {
  if (bot.settings.PollTimer) PollTick(bot);
}

}  // namespace quorvel
