#include "engine/ModerationActions.h"

#include <optional>

#include "engine/Greeter.h"
#include "engine/ModerationReport.h"
#include "engine/Notify.h"
#include "engine/RoomSend.h"
#include "roomlink/ClientLayout.h"
#include "roomlink/Moderation.h"
#include "roomlink/NickList.h"
#include "text/AnsiText.h"
#include "text/NumberText.h"

namespace quorvel {
namespace {

ModerationAction WithMessage(Bot& bot, int command, const RichText& messageTemplate, RichText& buffer) {
  return {command, true,
          [&messageTemplate, &buffer](Bot& b, const std::string& target) {
            buffer.SetRtf(PersonaliseNotice(messageTemplate, target, b.settings.Line.Sender));
            SendToRoom(b, buffer.ToRtf());
          },
          ModerationCause::Command, bot.settings.Line.Sender};
}

// Runs the action on the field's nick, then empties the field.
void RunOnField(Bot& bot, std::string& targetField, const ModerationAction& action) {
  const std::string target = targetField;
  RunModerationAction(bot, target, action);
  targetField.clear();
}

// An entry of the room's list, "@" already removed, names the target by the action's rule.
bool NamesTarget(const ModerationAction& action, const std::string& nick, const std::string& target) {
  return (action.LowerCaseMatch ? AnsiLower(nick) : nick) == target;
}

// Finds the target in RoomNickList; with several matches the last counts and
// its position goes to NickListIndex.
bool FindTarget(BotSettings::ModerationSettings& m, const std::string& target, const ModerationAction& action) {
  bool found = false;
  for (size_t i = 0; i < m.RoomNickList.size(); ++i) {
    if (!NamesTarget(action, m.RoomNickList[i], target)) continue;
    m.NickListIndex = std::to_string(i);
    found = true;
  }
  return found;
}

// The record of a command just fired on the target, named as the client lists
// it (a command's target is lower-cased).
void Report(Bot& bot, const std::string& target, const ModerationAction& action, int position) {
  const auto& nicks = bot.settings.Moderation.RoomNickList;
  const size_t at = static_cast<size_t>(position);
  ModerationRecord record;
  record.Nick = at < nicks.size() && NamesTarget(action, nicks[at], target) ? nicks[at] : target;
  record.Step = action.Command == kCommandBounce ? ModerationStep::Bounce : ModerationStep::RedDot;
  record.Cause = action.Cause;
  record.Detail = action.Detail;
  record.ByWarnedList = action.ByWarnedList;
  ReportModeration(bot, std::move(record));
}

// Where the target stands in the client's list now. The pumps let the client
// run: a nick that left or joined above the target has moved it. The item at
// the position found before them is read again; when it no longer names the
// target the list is read once more, and a target that has left stands nowhere.
std::optional<int> ConfirmPosition(Bot& bot, WindowHandle listView, int index, const std::string& target,
                                   const ModerationAction& action) {
  if (NamesTarget(action, RemoveChar(bot.desktop.ListItemText(listView, index), '@'), target)) return index;
  BotSettings& s = bot.settings;
  ReadRoomNicks(bot.desktop, s.Room.SelectedRoomTitle, s.Moderation.RoomNickList);
  if (!FindTarget(s.Moderation, target, action)) return std::nullopt;
  return ReadIndex(s.Moderation.NickListIndex);
}

}  // namespace

void RunModerationAction(Bot& bot, const std::string& target, const ModerationAction& action) {
  BotSettings& s = bot.settings;
  ReadRoomNicks(bot.desktop, s.Room.SelectedRoomTitle, s.Moderation.RoomNickList);
  bot.host.pump.PumpOnce();
  const bool found = FindTarget(s.Moderation, target, action);
  bot.host.pump.PumpOnce();
  // The pump may have run a panel action that changed NickListIndex; the
  // selection follows the field, as the client would.
  if (const auto index = ReadIndex(s.Moderation.NickListIndex); found && index) {
    const WindowHandle listView = FindNickListView(bot.desktop, s.Room.SelectedRoomTitle);
    if (const auto position = ConfirmPosition(bot, listView, *index, target, action)) {
      RoomLink link = bot.Link();
      SelectNickInClient(bot.desktop, listView, *position);
      PostRoomCommand(link, action.Command);
      if (action.Command == kCommandBounce) StartBounceHelper(bot.host.shell, bot.programDir);
      Report(bot, target, action, *position);
      if (action.Notice) action.Notice(bot, target);
    }
  }
  s.Moderation.RoomNickList.clear();
}

void PunishOffence(Bot& bot, const std::string& nick, bool bounce, const char* bounceNotice, ModerationCause cause,
                   const std::string& detail, bool byWarnedList) {
  if (bounce)
    RunModerationAction(
        bot, nick,
        {kCommandBounce, false, [bounceNotice](Bot& b, const std::string& target) { Notify(b, target + bounceNotice); },
         cause, detail, byWarnedList});
  else
    RunModerationAction(bot, nick, {kCommandRedDot, false, nullptr, cause, detail, byWarnedList});
}

void ReportWarning(Bot& bot, const std::string& nick, ModerationCause cause, const std::string& detail,
                   bool byWarnedList) {
  ModerationRecord record;
  record.Nick = nick;
  record.Step = ModerationStep::Warning;
  record.Cause = cause;
  record.Detail = detail;
  record.ByWarnedList = byWarnedList;
  ReportModeration(bot, std::move(record));
}

std::string PersonaliseNotice(const RichText& messageTemplate, const std::string& target, const std::string& admin) {
  return ReplacePlaceholder(ReplacePlaceholder(messageTemplate.ToRtf(), "sn%", target), "ad%", admin);
}

void BounceNick(Bot& bot) {
  RunOnField(bot, bot.settings.Line.JoinedNick, {kCommandBounce, false, nullptr, ModerationCause::AutoBounceList});
}

void RedDotNick(Bot& bot) {
  RunOnField(bot, bot.settings.Line.JoinedNick, {kCommandRedDot, false, nullptr, ModerationCause::AutoRedotList});
}

void BounceNickWithMessage(Bot& bot) {
  BotSettings& s = bot.settings;
  RunOnField(bot, s.Args.BounceArg,
             WithMessage(bot, kCommandBounce, s.Messages.BounceMessage, s.Messages.BounceBuffer));
}

void RedDotNickWithMessage(Bot& bot) {
  BotSettings& s = bot.settings;
  RunOnField(bot, s.Args.RedotArg, WithMessage(bot, kCommandRedDot, s.Messages.RedDotMessage, s.Messages.RedDotBuffer));
}

}  // namespace quorvel
