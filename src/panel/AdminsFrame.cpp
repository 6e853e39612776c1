#include "panel/AdminsFrame.h"

#include "panel/ListSaving.h"

namespace quorvel {

void AdminsAdd(Bot& bot) {
  bot.settings.AdminList.Items.push_back(bot.settings.AdminBox);
  bot.view.ListChanged(PanelListId::AdminList);
}

void AdminsDelete(Bot& bot) {
  if (!bot.settings.AdminList.RemoveSelected().empty()) bot.view.ListChanged(PanelListId::AdminList);
}

void AdminsSave(Bot& bot) { SaveListOrTell(bot, "admins.txt", bot.settings.AdminList, false); }

}  // namespace quorvel
