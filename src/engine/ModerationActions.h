#pragma once
#include <functional>
#include <string>

#include "model/Bot.h"
#include "model/ModerationRecord.h"

namespace quorvel {

// One way of punishing a nick: the rule by which a nick-list entry matches
// the target, the room command fired on it, and what is said once it fired.
struct ModerationAction {
  int Command = 0;
  bool LowerCaseMatch = false;                                  // compare the entry lower-cased (command arguments are)
  std::function<void(Bot&, const std::string& target)> Notice;  // none for the quiet actions
  // Why: the record a fired command leaves (its nick and step are the action's).
  ModerationCause Cause = ModerationCause::Operator;
  std::string Detail;
  bool ByWarnedList = false;
};

// Reads the room's nicks, lets messages run, finds the target (the last match
// counts and its position goes to NickListIndex), lets messages run again,
// then makes sure the target still stands there (the client's list may have
// moved meanwhile: the item there is read again and, when it is someone else,
// the list once more), selects it alone in the client, fires the command
// (starting the companion after a bounce) and sends the notice. Nothing is
// fired or said when the target is not in the room, or has left it by then.
// A fired command is reported (ReportModeration) with the action's cause.
// RoomNickList is empty afterwards; the caller empties its own target field.
// Bounce and red dot by join, by command and by the swear monitor all go
// through here.
void RunModerationAction(Bot& bot, const std::string& target, const ModerationAction& action);

// The four named actions. The first two act on JoinedNick and compare
// exactly (the auto lists' actions, recorded as such); the message ones act on the "bc! "/"rd! " argument, compare
// lower-cased and send the personalised notice. Each empties its target field.
void BounceNick(Bot& bot);
void RedDotNick(Bot& bot);
void BounceNickWithMessage(Bot& bot);
void RedDotNickWithMessage(Bot& bot);

// A feature's punishment of an offence, by its mode: a bounce, followed by
// the nick and `bounceNotice` in the room, or a red dot, which says nothing.
// The nick must match exactly. byWarnedList: a repeat offence in warn-first mode.
void PunishOffence(Bot& bot, const std::string& nick, bool bounce, const char* bounceNotice, ModerationCause cause,
                   const std::string& detail, bool byWarnedList);

// Records a warning a feature has just sent (no room command fires for one).
// byWarnedList: a first offence in warn-first mode, warned instead of punished.
void ReportWarning(Bot& bot, const std::string& nick, ModerationCause cause, const std::string& detail,
                   bool byWarnedList);

// The template's RTF with "sn%" and "ad%" filled in (values made safe for RTF).
std::string PersonaliseNotice(const RichText& messageTemplate, const std::string& target, const std::string& admin);

}  // namespace quorvel
