#include "engine/SwearMonitor.h"

#include "engine/Greeter.h"
#include "engine/ModerationActions.h"
#include "engine/RoomSend.h"
#include "roomlink/ClientLayout.h"

namespace quorvel {
namespace {

using SwearModes = BotSettings::SwearModes;

// byWarnedList: a first offence in warn-first mode, warned instead of punished.
void Warn(Bot& bot, bool byWarnedList) {
  BotSettings& s = bot.settings;
  std::string rtf = ReplacePlaceholder(s.Messages.WarnMessage.ToRtf(), "sn%", s.Line.Sender);
  rtf = ReplacePlaceholder(rtf, "sw%", s.Swear.MatchedPhrase);
  s.Messages.WarnBuffer.SetRtf(rtf);
  SendToRoom(bot, rtf);
  ReportWarning(bot, s.Line.Sender, ModerationCause::Phrase, s.Swear.MatchedPhrase, byWarnedList);
}

// byWarnedList: a repeat offence in warn-first mode.
void Punish(Bot& bot, const std::string& nick, bool byWarnedList) {
  const BotSettings::SwearSettings& s = bot.settings.Swear;
  PunishOffence(bot, nick, s.SwearMode == SwearModes::Bounce, kSwearBounceNotice, ModerationCause::Phrase,
                s.MatchedPhrase, byWarnedList);
}

}  // namespace

void PunishOrWarn(Bot& bot) {
  BotSettings& s = bot.settings;
  const std::string sender = s.Line.Sender;
  auto& warned = s.Swear.WarnedUsers.Items;
  if (s.Swear.SwearMode == SwearModes::Warning) {
    Warn(bot, false);
    if (!warned.Contains(sender)) {
      warned.push_back(sender);
      bot.view.ListChanged(PanelListId::WarnedUsers);
    }
    return;
  }
  if (s.Swear.WarnFirst != BotSettings::WarnFirstChoice::Yes) {
    Punish(bot, sender, false);
    return;
  }
  bool wasWarned = false;
  const size_t count = warned.size();  // taken at the start, as the walk goes
  for (size_t i = 0, seen = 0; seen < count && i < warned.size(); ++seen) {
    if (warned[i] != sender) {
      ++i;
      continue;
    }
    wasWarned = true;  // the second offence
    Punish(bot, sender, true);
    warned.erase(warned.begin() + static_cast<long>(i));
    s.Swear.WarnedUsers.Selected.clear();
    s.Swear.LastPunishedNick = sender;
  }
  // A first offence, or the first since a punishment: warned. Each message
  // is judged once, so nothing here needs to guard against the same one.
  if (!wasWarned) {
    warned.push_back(sender);
    Warn(bot, true);
  }
  if (warned.size() != count) bot.view.ListChanged(PanelListId::WarnedUsers);
}

bool ScanForSwearing(Bot& bot) {
  BotSettings& s = bot.settings;
  if (s.Line.Sender == s.BotNick) return false;
  // One reaction per message, for the first phrase of the list it holds.
  const auto first = s.Swear.SwearList.Items.EntryMatcher().FirstHit(s.Line.Text);
  if (!first) return false;
  s.Swear.MatchedPhrase = s.Swear.SwearList.Items[*first];
  PunishOrWarn(bot);
  return true;
}

}  // namespace quorvel
