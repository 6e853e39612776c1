#include "engine/SwearMonitor.h"

#include <algorithm>

#include "commands/Notify.h"
#include "engine/Greeter.h"
#include "roomlink/ClientLayout.h"
#include "roomlink/Moderation.h"
#include "roomlink/NickList.h"
#include "roomlink/TextSender.h"

namespace quorvel {
namespace {

using SwearModes = BotSettings::SwearModes;

void Warn(Bot& bot) {
  BotSettings& s = bot.settings;
  std::string rtf = ReplacePlaceholder(s.WarnMessage.ToRtf(), "sn%", s.Line.Sender);
  rtf = ReplacePlaceholder(rtf, "sw%", s.MatchedPhrase);
  s.WarnBuffer.SetRtf(rtf);
  RoomLink link = bot.Link();
  TxtSendPal(link, rtf);
}

void Punish(Bot& bot, const std::string& nick) {
  BotSettings& s = bot.settings;
  NickGet(bot.desktop, s.Room.SelectedRoomTitle, s.RoomNickList);
  const auto it = std::find(s.RoomNickList.begin(), s.RoomNickList.end(), nick);
  if (it != s.RoomNickList.end()) {
    SelectNickInClient(bot.desktop, FindNickListView(bot.desktop, s.Room.SelectedRoomTitle),
                       static_cast<int>(it - s.RoomNickList.begin()));
    RoomLink link = bot.Link();
    if (s.SwearMode == SwearModes::Bounce) {
      PostRoomCommand(link, kCommandBounce);
      StartBounceHelper(bot.host.shell, bot.programDir.string());
      Notify(bot, nick + kSwearBounceNotice);
    } else {
      PostRoomCommand(link, kCommandRedDot);
    }
  }
  s.RoomNickList.clear();
}

bool Contains(const std::vector<std::string>& list, const std::string& value) {
  return std::find(list.begin(), list.end(), value) != list.end();
}

}  // namespace

void PunishOrWarn(Bot& bot) {
  BotSettings& s = bot.settings;
  const std::string sender = s.Line.Sender;
  auto& warned = s.WarnedUsers.Items;
  if (s.SwearMode == SwearModes::Warning) {
    Warn(bot);
    if (!Contains(warned, sender)) {
      warned.push_back(sender);
      bot.view.ListChanged(PanelListId::WarnedUsers);
    }
    return;
  }
  if (s.WarnFirst != BotSettings::WarnFirstChoice::Yes) {
    Punish(bot, sender);
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
    Punish(bot, sender);
    warned.erase(warned.begin() + static_cast<long>(i));
    s.WarnedUsers.Selected.clear();
    s.LastPunishedNick = sender;
  }
  if (!wasWarned) {
    if (s.LastPunishedNick == sender) {
      // The offending line is usually still the newest one on the next tick.
      s.LastPunishedNick.clear();
    } else {
      warned.push_back(sender);
      Warn(bot);
    }
  }
  if (warned.size() != count) bot.view.ListChanged(PanelListId::WarnedUsers);
}

void ScanForSwearing(Bot& bot) {
  BotSettings& s = bot.settings;
  const std::vector<std::string> phrases = s.SwearList.Items;
  for (const auto& phrase : phrases) {
    if (s.Line.Text.find(phrase) == std::string::npos || s.Line.Sender == s.BotNick) continue;
    s.MatchedPhrase = phrase;
    PunishOrWarn(bot);
  }
}

}  // namespace quorvel
