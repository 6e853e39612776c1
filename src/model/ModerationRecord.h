#pragma once
// One bounce, red dot or warning the bot carried out, with what caused it.
// The engine makes the record where it decides the step; the view, the
// moderation log and the dry run's summary all read the same record.
#include <string>

#include "host/Clock.h"

namespace quorvel {

enum class ModerationStep { Bounce, RedDot, Warning };

enum class ModerationCause {
  AutoBounceList,  // the joining nick is on the auto-bounce list
  AutoRedotList,   // ... on the auto-red-dot list
  Phrase,          // a monitored phrase; Detail is the phrase
  Command,         // an admin's "bc! " or "rd! "; Detail is the admin
  Operator,        // the operator's hot key or button; Detail names which
  Flood,           // the flood guard; Detail names the check and its figures
};

struct ModerationRecord {
  LocalTime Time;
  std::string Room;
  std::string Nick;  // empty for the operator's steps: they act on the client's selection
  ModerationStep Step = ModerationStep::Bounce;
  ModerationCause Cause = ModerationCause::Operator;
  std::string Detail;
  // For a phrase: the warned-users list decided the step (a first offence
  // warned instead of punished, or a repeat offence punished); for the flood
  // guard, its warn-first rule did.
  bool ByWarnedList = false;
};

// "bounce", "red dot", "warning".
const char* StepName(ModerationStep step);
// "auto-bounce list", "phrase \"bad\" (first offence, warned)", "command by Ann", "operator, F7".
std::string CauseText(const ModerationRecord& record);
// One line, the same in the simulator's trace and in the log file:
// "2013-09-17 21:05:03 | room Lobby | Troll | bounce | auto-bounce list";
// control bytes (a line end in a nick) shown as \xNN.
std::string ModerationLine(const ModerationRecord& record);

}  // namespace quorvel
