#include "panel/AdminsFrame.h"

#include "panel/SaveOrTell.h"

namespace quorvel {

void AdminsAdd(Bot& bot) {
  if (EntriesRefused(bot, {bot.settings.Panel.AdminBox})) return;
  bot.settings.Admins.AdminList.Items.push_back(bot.settings.Panel.AdminBox);
  bot.view.ListChanged(PanelListId::AdminList);
}

void AdminsDelete(Bot& bot) {
  if (!bot.settings.Admins.AdminList.RemoveSelected().empty()) bot.view.ListChanged(PanelListId::AdminList);
}

void AdminsSave(Bot& bot) { SaveListOrTell(bot, "admins.txt", bot.settings.Admins.AdminList); }

}  // namespace quorvel
