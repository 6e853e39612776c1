#include "panel/AnResTab.h"

#include "panel/ListSaving.h"

namespace quorvel {

void ResponderAdd(Bot& bot) {
  BotSettings& s = bot.settings;
  s.ResponderTriggers.Items.push_back(s.ResponderMessageBox);
  s.ResponderReplies.Items.push_back(s.ResponderResponseBox);
  bot.view.ListsChanged();
}

void ResponderDelete(Bot& bot) {
  BotSettings& s = bot.settings;
  for (size_t i : s.ResponderTriggers.RemoveSelected())
    if (i < s.ResponderReplies.Items.size())
      s.ResponderReplies.Items.erase(s.ResponderReplies.Items.begin() + static_cast<long>(i));
  s.ResponderReplies.Selected.clear();
  bot.view.ListsChanged();
}

void ResponderSave(Bot& bot) {
  if (SaveListOrTell(bot, "mes.txt", bot.settings.ResponderTriggers, false))
    SaveListOrTell(bot, "ans.txt", bot.settings.ResponderReplies, false);
}

void ResponderClear(Bot& bot) {
  bot.settings.ResponderMessageBox.clear();
  bot.settings.ResponderResponseBox.clear();
}

void AnnouncerAdd(Bot& bot) {
  bot.settings.AnnounceList.Items.push_back(bot.settings.AnnounceInputBox);
  bot.view.ListsChanged();
  SaveListOrTell(bot, "ans3.txt", bot.settings.AnnounceList, false);
}

void AnnouncerDelete(Bot& bot) {
  bot.settings.AnnounceList.RemoveSelected();
  bot.view.ListsChanged();
}

void AnnouncerClear(Bot& bot) { bot.settings.AnnounceInputBox.clear(); }

void PickAnnouncement(Bot& bot, size_t entry) {
  BotSettings& s = bot.settings;
  if (entry >= s.AnnounceList.Items.size()) return;
  s.AnnounceList.SelectOnly(static_cast<int>(entry));
  s.AnnounceBuffer.SetPlainText(s.AnnounceList.Items[entry]);
  bot.view.ListsChanged();
}

}  // namespace quorvel
