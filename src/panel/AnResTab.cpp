#include "panel/AnResTab.h"

#include "panel/ListSaving.h"

namespace quorvel {

void ResponderAdd(Bot& bot) {
  BotSettings& s = bot.settings;
  s.ResponderTriggers.Items.push_back(s.ResponderMessageBox);
  s.ResponderReplies.Items.push_back(s.ResponderResponseBox);
  bot.view.ListChanged(PanelListId::ResponderTriggers);
  bot.view.ListChanged(PanelListId::ResponderReplies);
}

void ResponderDelete(Bot& bot) {
  BotSettings& s = bot.settings;
  s.ResponderTriggers.RemoveSelectedWith(s.ResponderReplies);
  bot.view.ListChanged(PanelListId::ResponderTriggers);
  bot.view.ListChanged(PanelListId::ResponderReplies);
}

void ResponderSave(Bot& bot) {
  SavePairOrTell(bot, {"mes.txt", bot.settings.ResponderTriggers}, {"ans.txt", bot.settings.ResponderReplies});
}

void ResponderClear(Bot& bot) {
  SetShown(bot.view, PanelBox::ResponderMessageBox, bot.settings.ResponderMessageBox, "");
  SetShown(bot.view, PanelBox::ResponderResponseBox, bot.settings.ResponderResponseBox, "");
}

void AnnouncerAdd(Bot& bot) {
  bot.settings.AnnounceList.Items.push_back(bot.settings.AnnounceInputBox);
  bot.view.ListChanged(PanelListId::AnnounceList);
  SaveListOrTell(bot, "ans3.txt", bot.settings.AnnounceList, false);
}

void AnnouncerDelete(Bot& bot) {
  if (!bot.settings.AnnounceList.RemoveSelected().empty()) bot.view.ListChanged(PanelListId::AnnounceList);
}

void AnnouncerClear(Bot& bot) { SetShown(bot.view, PanelBox::AnnounceInputBox, bot.settings.AnnounceInputBox, ""); }

void PickAnnouncement(Bot& bot, size_t entry) {
  BotSettings& s = bot.settings;
  if (entry >= s.AnnounceList.Items.size()) return;
  s.AnnounceList.SelectOnly(static_cast<int>(entry));
  s.AnnounceBuffer.SetPlainText(s.AnnounceList.Items[entry]);
  bot.view.ListChanged(PanelListId::AnnounceList);
}

}  // namespace quorvel
