#pragma once
// Visitor statistics: visits counted on joining and last-seen answers. The
// operator's Save, Load and Clear Stats are panel/StatsFrame.
#include "model/Bot.h"

namespace quorvel {

void CountVisit(Bot& bot);    // the tick's visit count, on a join
void FindLastSeen(Bot& bot);  // the "seen! " command
void AnswerLastSeen(Bot& bot);
// Tells the view of the statistics frame: its three lists and its two counters.
void ShowStats(Bot& bot);

}  // namespace quorvel
