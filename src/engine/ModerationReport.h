#pragma once
#include "model/Bot.h"
#include "model/ModerationRecord.h"

namespace quorvel {

inline constexpr const char* kModerationLogFile = "moderation log.txt";

// Hands a step just carried out to the view and, with "Log moderation" on,
// appends its line to the log file of the program directory. The record's
// time and room are filled in here. A failed append is told to the operator
// once a run; the bot goes on either way.
void ReportModeration(Bot& bot, ModerationRecord record);

}  // namespace quorvel
