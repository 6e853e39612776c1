#include "panel/FastAdminFrame.h"

#include "panel/SaveOrTell.h"
#include "roomlink/FastAdminJoin.h"

namespace quorvel {

void FastAdminOpenEntry(Bot& bot) {
  BotSettings& s = bot.settings;
  if (s.Panel.FastAdminEntryOpen) return;
  s.Panel.FastAdminEntryOpen = true;
  s.Panel.FastAdminNick.clear();
  s.Panel.FastAdminCode.clear();
  bot.view.BotWindowOpened(kFastAdminEntryCaption);
}

void FastAdminEntryAdd(Bot& bot) {
  BotSettings& s = bot.settings;
  // A refused entry keeps the window open, its boxes as typed.
  if (!s.Panel.FastAdminEntryOpen || EntriesRefused(bot, {s.Panel.FastAdminNick, s.Panel.FastAdminCode})) return;
  s.FastAdmin.FastAdminNicks.Items.push_back(s.Panel.FastAdminNick);  // empty texts are accepted
  s.FastAdmin.FastAdminCodes.Items.push_back(s.Panel.FastAdminCode);
  s.Panel.FastAdminEntryOpen = false;
  bot.view.BotWindowClosed(kFastAdminEntryCaption);
  bot.view.ListChanged(PanelListId::FastAdminNicks);
}

void FastAdminDelete(Bot& bot) {
  BotSettings& s = bot.settings;
  s.FastAdmin.FastAdminNicks.RemoveSelectedWith(s.FastAdmin.FastAdminCodes);
  bot.view.ListChanged(PanelListId::FastAdminNicks);
}

void FastAdminSave(Bot& bot) {
  SavePairOrTell(bot, {"nicks.txt", bot.settings.FastAdmin.FastAdminNicks},
                 {"codes.txt", bot.settings.FastAdmin.FastAdminCodes});
}

void FastAdminJoin(Bot& bot) {
  BotSettings& s = bot.settings;
  AdminJoinRequest request;
  const int selected = s.FastAdmin.FastAdminNicks.SelectedIndex();
  if (selected >= 0) request.Name = s.FastAdmin.FastAdminNicks.Items[static_cast<size_t>(selected)];
  for (auto it = s.FastAdmin.FastAdminNicks.Selected.rbegin(); it != s.FastAdmin.FastAdminNicks.Selected.rend(); ++it)
    request.Codes.push_back(*it < s.FastAdmin.FastAdminCodes.Items.size() ? s.FastAdmin.FastAdminCodes.Items[*it]
                                                                          : std::string());
  JoinAsAdmin(bot.desktop, bot.host.clock, bot.host.pump, request,
              {s.FastAdmin.DialogRoomList, s.FastAdmin.DialogRoomIndex});
}

}  // namespace quorvel
