#include "engine/FloodGuard.h"

#include <algorithm>
#include <optional>

#include "engine/Greeter.h"
#include "engine/ModerationActions.h"
#include "engine/RoomSend.h"
#include "model/FloodNumbers.h"
#include "roomlink/ClientLayout.h"
#include "text/AnsiText.h"

namespace quorvel {
namespace {

using Activity = FloodWatch::NickActivity;
using Modes = BotSettings::FloodModes;

// How often the records of silent nicks are swept, in the tick's seconds.
constexpr double kSweepSeconds = 5;

// The numbers, as the boxes hold them now; 0 switches a check off.
struct Limits {
  long Messages, Seconds, Repeats, RepeatSeconds, CapsLetters, CapsPercent, Joins, JoinSeconds;
};

Limits LimitsOf(const BotSettings& s) {
  const auto& n = FloodNumbers();
  auto v = [&](size_t i) { return FloodValue(s, n[i]); };
  return {v(0), v(1), v(2), v(3), v(4), v(5), v(6), v(7)};
}

bool IsExempt(const BotSettings& s, const std::string& nick) {
  if (!s.BotNick.empty() && nick == s.BotNick) return true;
  return s.Admins.AdminList.Items.Contains(nick);
}

// Texts compare lower-cased (Text already is), with runs of blanks as one.
std::string Compared(const std::string& text) {
  std::string out;
  for (char c : TrimBlanks(text))
    if (c != ' ' || out.empty() || out.back() != ' ') out.push_back(c);
  return out;
}

template <typename T, typename Time>
void DropOlder(std::deque<T>& items, double now, long seconds, Time timeOf) {
  while (!items.empty() && now - timeOf(items.front()) >= static_cast<double>(seconds)) items.pop_front();
}

// The message's words as typed: the piece after the last ": ", case kept.
std::string TypedText(const std::string& rawLine) {
  const size_t last = rawLine.rfind(": ");
  return last == std::string::npos ? std::string() : TrimLeadingBlanks(rawLine.substr(last + 2));
}

std::optional<std::string> CapitalsOffence(const std::string& typed, const Limits& l) {
  if (l.CapsLetters <= 0) return std::nullopt;
  // A letter is what has two cases in the system code page; a capital, its upper one.
  const std::string lower = AnsiLower(typed), upper = AnsiUpper(typed);
  long letters = 0, capitals = 0;
  for (size_t i = 0; i < typed.size(); ++i) {
    if (lower[i] == upper[i]) continue;
    ++letters;
    capitals += typed[i] == upper[i];
  }
  if (letters < l.CapsLetters || capitals * 100 <= l.CapsPercent * letters) return std::nullopt;
  return "capitals: " + std::to_string(capitals * 100 / letters) + "% of " + std::to_string(letters) + " letters";
}

// Counts the message and names the first check it breaks: too many, the same
// again, in capitals.
std::optional<std::string> Offence(Activity& a, const ChatLine& line, const Limits& l, double now) {
  a.LastSeen = now;
  a.Messages.push_back(now);
  DropOlder(a.Messages, now, l.Seconds, [](double t) { return t; });
  a.Texts.emplace_back(now, Compared(line.Text));
  DropOlder(a.Texts, now, l.RepeatSeconds, [](const auto& t) { return t.first; });
  if (l.Messages > 0 && static_cast<long>(a.Messages.size()) > l.Messages)
    return "flood: " + std::to_string(a.Messages.size()) + " messages in " + std::to_string(l.Seconds) + " s";
  const auto same =
      std::count_if(a.Texts.begin(), a.Texts.end(), [&](const auto& t) { return t.second == a.Texts.back().second; });
  if (l.Repeats > 0 && same >= l.Repeats) return "repeat: " + std::to_string(same) + " times";
  return CapitalsOffence(TypedText(line.RawLine), l);
}

void Warn(Bot& bot, const std::string& nick, const std::string& cause, bool byWarnFirst) {
  BotSettings& s = bot.settings;
  const std::string rtf = ReplacePlaceholder(s.Flood.FloodWarnMessage.ToRtf(), "sn%", nick);
  s.Flood.FloodWarnBuffer.SetRtf(rtf);
  SendToRoom(bot, rtf);
  ReportWarning(bot, nick, ModerationCause::Flood, cause, byWarnFirst);
}

void Punish(Bot& bot, const std::string& nick, const std::string& cause, bool byWarnFirst) {
  PunishOffence(bot, nick, bot.settings.Flood.FloodMode == Modes::Bounce, kFloodBounceNotice, ModerationCause::Flood,
                cause, byWarnFirst);
}

// One reaction: a warning, or with warn-first an offence within a minute of
// the nick's warning punished; the nick's counts start afresh either way.
void React(Bot& bot, const std::string& nick, Activity& a, const std::string& cause) {
  const BotSettings::FloodSettings& f = bot.settings.Flood;
  const double now = f.Watch.Now;
  a.Messages.clear();
  a.Texts.clear();
  bool punish = f.FloodMode != Modes::Warning;
  const bool warnFirst = punish && f.FloodWarnFirst;
  if (warnFirst) {
    punish = a.WarnedAt >= 0 && now - a.WarnedAt <= kFloodWarningSeconds;
    a.WarnedAt = punish ? -1 : now;
  }
  if (punish)
    Punish(bot, nick, cause, warnFirst);
  else
    Warn(bot, nick, cause, warnFirst);
}

}  // namespace

void StartFloodTick(Bot& bot) {
  FloodWatch& w = bot.settings.Flood.Watch;
  w.Now = bot.host.clock.MonotonicSeconds();
  const Limits l = LimitsOf(bot.settings);
  if (w.GreeterPaused && w.Now - w.LastJoin >= static_cast<double>(l.JoinSeconds)) w.GreeterPaused = false;
  if (w.Now - w.LastSweep < kSweepSeconds) return;
  w.LastSweep = w.Now;
  // A nick silent longer than either window looks back has nothing left to
  // count, unless its warning still counts.
  const double forget = static_cast<double>(std::max(l.Seconds, l.RepeatSeconds));
  for (auto it = w.Nicks.begin(); it != w.Nicks.end();) {
    const Activity& a = it->second;
    const bool warned = a.WarnedAt >= 0 && w.Now - a.WarnedAt <= kFloodWarningSeconds;
    it = w.Now - a.LastSeen > forget && !warned ? w.Nicks.erase(it) : std::next(it);
  }
}

void NoteJoinForFlood(Bot& bot) {
  FloodWatch& w = bot.settings.Flood.Watch;
  const Limits l = LimitsOf(bot.settings);
  w.LastJoin = w.Now;
  w.Joins.push_back(w.Now);
  DropOlder(w.Joins, w.Now, l.JoinSeconds, [](double t) { return t; });
  if (l.Joins > 0 && static_cast<long>(w.Joins.size()) > l.Joins) w.GreeterPaused = true;
}

bool GreeterPausedByFlood(const BotSettings& s) { return s.Features.FloodGuardOn && s.Flood.Watch.GreeterPaused; }

void WatchForFlood(Bot& bot, bool swearMonitorReacted) {
  BotSettings& s = bot.settings;
  const std::string nick = s.Line.Sender;
  if (IsExempt(s, nick)) return;
  Activity& a = s.Flood.Watch.Nicks[nick];
  const auto offence = Offence(a, s.Line, LimitsOf(s), s.Flood.Watch.Now);
  // A message both flooding and holding a monitored phrase has had its one reaction.
  if (offence && !swearMonitorReacted) React(bot, nick, a, *offence);
}

}  // namespace quorvel
