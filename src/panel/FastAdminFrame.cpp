#include "panel/FastAdminFrame.h"

#include "panel/ListSaving.h"
#include "roomlink/FastAdminJoin.h"

namespace quorvel {

void FastAdminOpenEntry(Bot& bot) {
  BotSettings& s = bot.settings;
  if (s.FastAdminEntryOpen) return;
  s.FastAdminEntryOpen = true;
  s.FastAdminNick.clear();
  s.FastAdminCode.clear();
  bot.view.BotWindowOpened(kFastAdminEntryCaption);
}

void FastAdminEntryAdd(Bot& bot) {
  BotSettings& s = bot.settings;
  if (!s.FastAdminEntryOpen) return;
  s.FastAdminNicks.Items.push_back(s.FastAdminNick);  // empty texts are accepted
  s.FastAdminCodes.Items.push_back(s.FastAdminCode);
  s.FastAdminEntryOpen = false;
  bot.view.BotWindowClosed(kFastAdminEntryCaption);
  bot.view.ListChanged(PanelListId::FastAdminNicks);
}

void FastAdminDelete(Bot& bot) {
  BotSettings& s = bot.settings;
  s.FastAdminNicks.RemoveSelectedWith(s.FastAdminCodes);
  bot.view.ListChanged(PanelListId::FastAdminNicks);
}

void FastAdminSave(Bot& bot) {
  SavePairOrTell(bot, {"nicks.txt", bot.settings.FastAdminNicks}, {"codes.txt", bot.settings.FastAdminCodes});
}

void FastAdminJoin(Bot& bot) {
  BotSettings& s = bot.settings;
  AdminJoinRequest request;
  const int selected = s.FastAdminNicks.SelectedIndex();
  if (selected >= 0) request.Name = s.FastAdminNicks.Items[static_cast<size_t>(selected)];
  for (auto it = s.FastAdminNicks.Selected.rbegin(); it != s.FastAdminNicks.Selected.rend(); ++it)
    request.Codes.push_back(*it < s.FastAdminCodes.Items.size() ? s.FastAdminCodes.Items[*it] : std::string());
  JoinAsAdmin(bot.desktop, bot.host.clock, bot.host.pump, request, {s.DialogRoomList, s.DialogRoomIndex});
}

}  // namespace quorvel
