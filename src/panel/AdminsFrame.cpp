#include "panel/AdminsFrame.h"

#include "panel/ListSaving.h"

namespace quorvel {

void AdminsAdd(Bot& bot) {
  bot.settings.AdminList.Items.push_back(bot.settings.AdminBox);
  bot.view.ListsChanged();
}

void AdminsDelete(Bot& bot) {
  bot.settings.AdminList.RemoveSelected();
  bot.view.ListsChanged();
}

void AdminsSave(Bot& bot) { SaveListOrTell(bot, "admins.txt", bot.settings.AdminList, false); }

}  // namespace quorvel
