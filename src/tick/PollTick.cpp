#include "tick/PollTick.h"

#include "commands/ArgumentExtractor.h"
#include "commands/ChatCommands.h"
#include "commands/RoomRecorder.h"
#include "commands/VisitorStats.h"
#include "engine/Announcer.h"
#include "engine/AutoModeration.h"
#include "engine/FloodGuard.h"
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
  NoteTickFinds(bot.desktop, bot.settings.Room, bot.settings.Panel.UserCountLabel);
}

// What the panel shows of the current line; the view hears of a change once,
// at the end of the tick.
bool SameShownLine(const ChatLine& a, const ChatLine& b) {
  return a.RawLine == b.RawLine && a.Sender == b.Sender && a.Text == b.Text && a.JoinedNick == b.JoinedNick;
}

// A message under the bot's own nick that repeats what the bot just said is
// its own, read back: it commands nothing. The operator typing a command
// under the same nick still commands.
bool IsOwnEcho(Bot& bot) {
  const BotSettings& s = bot.settings;
  if (!s.BotNick.empty() && s.Line.Sender != s.BotNick) return false;
  const size_t colon = s.Line.RawLine.find(": ");
  return IsOwnMessage(s.OwnSaid, s.Line.RawLine.substr(colon + 2), bot.host.clock.MonotonicSeconds());
}

// The message `index` of the batch, and whether it is the tick's newest: the
// newest goes through the whole tick in its order, the older ones through
// the steps that belong to a message only.
struct MessageAt {
  const MessageBatch& Batch;
  size_t Index;
  bool Newest() const { return Index + 1 == Batch.New.size(); }
  // The message `reach` places above this one, where it is known.
  std::string Above(size_t reach) const {
    const size_t place = Batch.Earlier.size() + Index;
    if (place < reach) return {};
    const size_t at = place - reach;
    return at < Batch.Earlier.size() ? Batch.Earlier[at] : Batch.New[at - Batch.Earlier.size()];
  }
};

void RunJoinSteps(Bot& bot) {
  BotSettings& s = bot.settings;
  if (s.Features.AutoBounceOn) AutoBounce(bot);
  if (s.Features.AutoRedotOn) AutoRedot(bot);
  if (!s.Line.JoinedNick.empty()) CountVisit(bot);
  if (!s.Line.JoinedNick.empty())
    SetShown(bot.view, PanelBox::LastVisitorBox, s.Panel.LastVisitorBox, s.Line.JoinedNick);
  if (s.Features.FloodGuardOn) NoteJoinForFlood(bot);
  if (!s.Features.GreeterOn || s.Line.JoinedNick.empty()) return;
  // A join flood pauses the greeter: the join is taken, and not greeted.
  if (GreeterPausedByFlood(s))
    s.Line.JoinedNick.clear();
  else
    GreetNewcomer(bot);
}

// One message through its steps. Its argument slots are filled from it alone
// and emptied with it, so nothing it leaves decides for the next message.
void RunMessage(Bot& bot, const MessageAt& at) {
  BotSettings& s = bot.settings;
  ChatLine& line = s.Line;
  s.Args = {};
  const MessageRoles roles = ClassifyMessage(line, at.Batch.New[at.Index]);
  if (roles.Chat) {
    ExtractNormalPathArguments(line.Text, s.Args);
    ExtractResponderArgument(line.Text, s.Args);
  }
  if (at.Newest()) UpdateUserCount(bot);
  if (roles.WhisperEnd) ShowWhisperLine(line, at.Above(kWhisperReach));
  if (roles.Chat) RecordMessage(bot);
  if (at.Newest()) CountTowardsFlush(bot);
  if (roles.Join) RunJoinSteps(bot);
  const bool swore = roles.Chat && s.Features.SwearbotOn && ScanForSwearing(bot);
  if (roles.Chat && s.Features.ResponderOn) Respond(bot);
  if (roles.Chat && s.Features.FloodGuardOn) WatchForFlood(bot, swore);
  if (at.Newest() && s.Features.AnnouncerOn) Announce(bot);
  if (roles.Chat && !IsOwnEcho(bot)) RunChatCommands(bot);
  s.Args = {};
}

// A tick without a new message: the steps that belong to the tick alone.
void RunIdleTick(Bot& bot) {
  UpdateUserCount(bot);
  CountTowardsFlush(bot);
  if (bot.settings.Features.AnnouncerOn) Announce(bot);
}

void CloseNotice(Bot& bot) {
  const WindowHandle notice = FindTopLevel(bot.desktop, std::nullopt, std::string(kNoticeTitle));
  if (notice != kNoWindow) bot.desktop.PostClose(notice);
}

void TellTheView(Bot& bot, const std::vector<std::string>& roomsBefore, const std::string& captionBefore,
                 const ChatLine& lineBefore) {
  BotSettings& s = bot.settings;
  if (s.Room.RoomList != roomsBefore) bot.view.RoomListChanged();
  if (s.Room.Caption != captionBefore) bot.view.CaptionChanged();
  if (!SameShownLine(s.Line, lineBefore)) bot.view.LabelChanged(PanelLabel::Line);
  // Compared with what the view was last told, so that a send between ticks
  // (which looks for the send box) is shown by the next tick.
  RoomLinkState& room = s.Room;
  FloodWatch& flood = s.Flood.Watch;
  const bool paused = GreeterPausedByFlood(s);
  if (room.Health != room.HealthShown || paused != flood.PauseShown) {
    room.HealthShown = room.Health;
    flood.PauseShown = paused;
    bot.view.HealthChanged();
  }
}

}  // namespace

void PollTick(Bot& bot) {
  TickGuard guard(bot.settings.TickRunning);
  if (!guard.Owner()) return;
  TickScope clientCalls(bot.desktop);
  BotSettings& s = bot.settings;
  // A send inside the tick may rediscover the rooms; the view hears of it.
  const auto roomsBefore = s.Room.RoomList;
  const auto captionBefore = s.Room.Caption;
  const ChatLine lineBefore = s.Line;
  // The stamp has minutes: the clock label changes once a minute.
  SetShown(bot.view, PanelLabel::Clock, s.Panel.ClockLabel, TimeStamp(bot.host.clock));
  RoomLink link = bot.Link();
  RecheckTranscript(link);
  StartFloodTick(bot);
  const MessageBatch batch = ReadNewMessages(bot.desktop, s.Room.TranscriptHandle, s.Room.Cursor);
  for (size_t i = 0; i < batch.New.size(); ++i) RunMessage(bot, MessageAt{batch, i});
  if (batch.New.empty()) RunIdleTick(bot);
  CloseNotice(bot);
  TellTheView(bot, roomsBefore, captionBefore, lineBefore);
}

void PollTimerFired(Bot& bot) {
  if (bot.settings.PollTimer) PollTick(bot);
}

}  // namespace quorvel
