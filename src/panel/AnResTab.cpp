#include "panel/AnResTab.h"

#include "panel/SaveOrTell.h"

namespace quorvel {

void ResponderAdd(Bot& bot) {
  BotSettings& s = bot.settings;
  if (EntriesRefused(bot, {s.Panel.ResponderMessageBox, s.Panel.ResponderResponseBox})) return;
  s.Responder.ResponderTriggers.Items.push_back(s.Panel.ResponderMessageBox);
  s.Responder.ResponderReplies.Items.push_back(s.Panel.ResponderResponseBox);
  bot.view.ListChanged(PanelListId::ResponderTriggers);
  bot.view.ListChanged(PanelListId::ResponderReplies);
}

void ResponderDelete(Bot& bot) {
  BotSettings& s = bot.settings;
  s.Responder.ResponderTriggers.RemoveSelectedWith(s.Responder.ResponderReplies);
  bot.view.ListChanged(PanelListId::ResponderTriggers);
  bot.view.ListChanged(PanelListId::ResponderReplies);
}

void ResponderSave(Bot& bot) {
  SavePairOrTell(bot, {"mes.txt", bot.settings.Responder.ResponderTriggers},
                 {"ans.txt", bot.settings.Responder.ResponderReplies});
}

void ResponderClear(Bot& bot) {
  SetShown(bot.view, PanelBox::ResponderMessageBox, bot.settings.Panel.ResponderMessageBox, "");
  SetShown(bot.view, PanelBox::ResponderResponseBox, bot.settings.Panel.ResponderResponseBox, "");
}

void AnnouncerAdd(Bot& bot) {
  if (EntriesRefused(bot, {bot.settings.Panel.AnnounceInputBox})) return;
  bot.settings.Announcer.AnnounceList.Items.push_back(bot.settings.Panel.AnnounceInputBox);
  bot.view.ListChanged(PanelListId::AnnounceList);
  SaveListOrTell(bot, "ans3.txt", bot.settings.Announcer.AnnounceList);
}

void AnnouncerDelete(Bot& bot) {
  if (!bot.settings.Announcer.AnnounceList.RemoveSelected().empty()) bot.view.ListChanged(PanelListId::AnnounceList);
}

void AnnouncerClear(Bot& bot) {
  SetShown(bot.view, PanelBox::AnnounceInputBox, bot.settings.Panel.AnnounceInputBox, "");
}

void PickAnnouncement(Bot& bot, size_t entry) {
  BotSettings& s = bot.settings;
  if (entry >= s.Announcer.AnnounceList.Items.size()) return;
  s.Announcer.AnnounceList.SelectOnly(static_cast<int>(entry));
  s.Announcer.AnnounceBuffer.SetPlainText(s.Announcer.AnnounceList.Items[entry]);
  bot.view.ListChanged(PanelListId::AnnounceList);
}

}  // namespace quorvel
