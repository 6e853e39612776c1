#include "engine/ModerationActions.h"

#include "engine/Greeter.h"
#include "roomlink/ClientLayout.h"
#include "roomlink/Moderation.h"
#include "roomlink/NickList.h"
#include "roomlink/TextSender.h"
#include "text/AnsiText.h"

namespace quorvel {
namespace {

struct Action {
  int Command;
  bool LowerCaseMatch;
  const RichText* Notice;  // none for the quiet actions
  RichText* NoticeBuffer;
};

void Run(Bot& bot, const Action& action, std::string& targetField) {
  BotSettings& s = bot.settings;
  const std::string target = targetField;
  NickGet(bot.desktop, s.Room.SelectedRoomTitle, s.RoomNickList);
  bot.host.pump.PumpOnce();
  bool found = false;
  for (size_t i = 0; i < s.RoomNickList.size(); ++i) {
    const std::string entry = action.LowerCaseMatch ? AnsiLower(s.RoomNickList[i]) : s.RoomNickList[i];
    if (entry == target) {
      s.NickListIndex = std::to_string(i);  // with several matches the last counts
      found = true;
    }
  }
  bot.host.pump.PumpOnce();
  if (found) {
    RoomLink link = bot.Link();
    SelectNickInClient(bot.desktop, FindNickListView(bot.desktop, s.Room.SelectedRoomTitle),
                       std::stoi(s.NickListIndex));
    PostRoomCommand(link, action.Command);
    if (action.Command == kCommandBounce) StartBounceHelper(bot.host.shell, bot.programDir.string());
    if (action.Notice) {
      action.NoticeBuffer->SetRtf(PersonaliseNotice(*action.Notice, target, s.Line.Sender));
      TxtSendPal(link, action.NoticeBuffer->ToRtf());
    }
  }
  targetField.clear();
  s.RoomNickList.clear();
}

}  // namespace

std::string PersonaliseNotice(const RichText& messageTemplate, const std::string& target, const std::string& admin) {
  return ReplacePlaceholder(ReplacePlaceholder(messageTemplate.ToRtf(), "sn%", target), "ad%", admin);
}

void BounceNick(Bot& bot) { Run(bot, {kCommandBounce, false, nullptr, nullptr}, bot.settings.Line.JoinedNick); }

void RedDotNick(Bot& bot) { Run(bot, {kCommandRedDot, false, nullptr, nullptr}, bot.settings.Line.JoinedNick); }

void BounceNickWithMessage(Bot& bot) {
  BotSettings& s = bot.settings;
  Run(bot, {kCommandBounce, true, &s.BounceMessage, &s.BounceBuffer}, s.Args.BounceArg);
}

void RedDotNickWithMessage(Bot& bot) {
  BotSettings& s = bot.settings;
  Run(bot, {kCommandRedDot, true, &s.RedDotMessage, &s.RedDotBuffer}, s.Args.RedotArg);
}

}  // namespace quorvel
