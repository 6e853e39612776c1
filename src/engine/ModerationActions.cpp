#include "engine/ModerationActions.h"

#include "engine/Greeter.h"
#include "roomlink/ClientLayout.h"
#include "roomlink/Moderation.h"
#include "roomlink/NickList.h"
#include "roomlink/TextSender.h"
#include "text/AnsiText.h"
#include "text/NumberText.h"

namespace quorvel {
namespace {

ModerationAction WithMessage(int command, const RichText& messageTemplate, RichText& buffer) {
  return {command, true, [&messageTemplate, &buffer](Bot& bot, const std::string& target) {
            buffer.SetRtf(PersonaliseNotice(messageTemplate, target, bot.settings.Line.Sender));
            RoomLink link = bot.Link();
            TxtSendPal(link, buffer.ToRtf());
          }};
}

// Runs the action on the field's nick, then empties the field.
void RunOnField(Bot& bot, std::string& targetField, const ModerationAction& action) {
  const std::string target = targetField;
  RunModerationAction(bot, target, action);
  targetField.clear();
}

}  // namespace

void RunModerationAction(Bot& bot, const std::string& target, const ModerationAction& action) {
  BotSettings& s = bot.settings;
  NickGet(bot.desktop, s.Room.SelectedRoomTitle, s.Moderation.RoomNickList);
  bot.host.pump.PumpOnce();
  bool found = false;
  for (size_t i = 0; i < s.Moderation.RoomNickList.size(); ++i) {
    const std::string& nick = s.Moderation.RoomNickList[i];
    if ((action.LowerCaseMatch ? AnsiLower(nick) : nick) != target) continue;
    s.Moderation.NickListIndex = std::to_string(i);  // with several matches the last counts
    found = true;
  }
  bot.host.pump.PumpOnce();
  // The pump may have run a panel action that changed NickListIndex; the
  // selection follows the field, as the client would.
  if (const auto index = ReadIndex(s.Moderation.NickListIndex); found && index) {
    RoomLink link = bot.Link();
    SelectNickInClient(bot.desktop, FindNickListView(bot.desktop, s.Room.SelectedRoomTitle), *index);
    PostRoomCommand(link, action.Command);
    if (action.Command == kCommandBounce) StartBounceHelper(bot.host.shell, bot.programDir);
    if (action.Notice) action.Notice(bot, target);
  }
  s.Moderation.RoomNickList.clear();
}

std::string PersonaliseNotice(const RichText& messageTemplate, const std::string& target, const std::string& admin) {
  return ReplacePlaceholder(ReplacePlaceholder(messageTemplate.ToRtf(), "sn%", target), "ad%", admin);
}

void BounceNick(Bot& bot) { RunOnField(bot, bot.settings.Line.JoinedNick, {kCommandBounce, false, nullptr}); }

void RedDotNick(Bot& bot) { RunOnField(bot, bot.settings.Line.JoinedNick, {kCommandRedDot, false, nullptr}); }

void BounceNickWithMessage(Bot& bot) {
  BotSettings& s = bot.settings;
  RunOnField(bot, s.Args.BounceArg, WithMessage(kCommandBounce, s.Messages.BounceMessage, s.Messages.BounceBuffer));
}

void RedDotNickWithMessage(Bot& bot) {
  BotSettings& s = bot.settings;
  RunOnField(bot, s.Args.RedotArg, WithMessage(kCommandRedDot, s.Messages.RedDotMessage, s.Messages.RedDotBuffer));
}

}  // namespace quorvel
