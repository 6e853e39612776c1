#include "panel/ModerationPanel.h"

#include "engine/ModerationReport.h"
#include "panel/SaveOrTell.h"
#include "roomlink/ClientLayout.h"
#include "roomlink/Moderation.h"

namespace quorvel {
namespace {

void Post(Bot& bot, int command) {
  RoomLink link = bot.Link();
  PostRoomCommand(link, command);
}

// The operator's bounce or red dot: it acts on the nick selected in the
// client, which the bot does not know, so the record names the control.
void PostModeration(Bot& bot, int command, const char* control) {
  Post(bot, command);
  ModerationRecord record;
  record.Step = command == kCommandBounce ? ModerationStep::Bounce : ModerationStep::RedDot;
  record.Cause = ModerationCause::Operator;
  record.Detail = control;
  ReportModeration(bot, std::move(record));
}

void AddTo(Bot& bot, PanelList& list, PanelListId shown, const std::string& text) {
  if (EntriesRefused(bot, {text})) return;
  list.Items.push_back(text);  // as typed: no trimming, no duplicate check
  bot.view.ListChanged(shown);
}

void DeleteFrom(Bot& bot, PanelList& list, PanelListId shown) {
  if (!list.RemoveSelected().empty()) bot.view.ListChanged(shown);
}

}  // namespace

void HotKeyBounce(Bot& bot) {
  PostModeration(bot, kCommandBounce, "F7");
  StartBounceHelper(bot.host.shell, bot.programDir);
  bot.view.BringToFront();
}

void HotKeyRedDot(Bot& bot) { PostModeration(bot, kCommandRedDot, "F8"); }

void ManualBounce(Bot& bot) {
  PostModeration(bot, kCommandBounce, "\"Bounce\" button");
  StartBounceHelper(bot.host.shell, bot.programDir);
}

void ManualRedDot(Bot& bot) { PostModeration(bot, kCommandRedDot, "\"Red Dot\" button"); }

void EnableJrm(Bot& bot) { Post(bot, kCommandJrm); }

void HotKeyPressed(Bot& bot, int id) {
  if (id == kHotKeyBounce) HotKeyBounce(bot);
  if (id == kHotKeyRedDot) HotKeyRedDot(bot);
}

void PhrasesAdd(Bot& bot) {
  AddTo(bot, bot.settings.Swear.SwearList, PanelListId::SwearList, bot.settings.Panel.PhraseBox);
}
void PhrasesDelete(Bot& bot) { DeleteFrom(bot, bot.settings.Swear.SwearList, PanelListId::SwearList); }
void PhrasesSave(Bot& bot) { SaveListOrTell(bot, "words.txt", bot.settings.Swear.SwearList); }
void WarnedUsersRemove(Bot& bot) { DeleteFrom(bot, bot.settings.Swear.WarnedUsers, PanelListId::WarnedUsers); }

void AutoBounceAdd(Bot& bot) {
  AddTo(bot, bot.settings.Moderation.AutoBounceList, PanelListId::AutoBounceList, bot.settings.Panel.AutoBounceBox);
}
void AutoBounceDelete(Bot& bot) {
  DeleteFrom(bot, bot.settings.Moderation.AutoBounceList, PanelListId::AutoBounceList);
}
void AutoBounceSave(Bot& bot) { SaveListOrTell(bot, "aun.txt", bot.settings.Moderation.AutoBounceList); }
void AutoRedotAdd(Bot& bot) {
  AddTo(bot, bot.settings.Moderation.AutoRedotList, PanelListId::AutoRedotList, bot.settings.Panel.AutoRedotBox);
}
void AutoRedotDelete(Bot& bot) { DeleteFrom(bot, bot.settings.Moderation.AutoRedotList, PanelListId::AutoRedotList); }
void AutoRedotSave(Bot& bot) { SaveListOrTell(bot, "aur.txt", bot.settings.Moderation.AutoRedotList); }

}  // namespace quorvel
