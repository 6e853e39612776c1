#pragma once
// Visitor statistics: visits counted on joining, last-seen answers, and the
// operator's Save, Load and Clear Stats.
#include "model/Bot.h"

namespace quorvel {

inline constexpr const char* kStatsSaveFilter = "Text Files (*.txt)|*.txt";
inline constexpr const char* kStatsLoadFilter = "Text Files (*.txt)|*.txt|Word Doc (*.doc)|*.doc";

void CountVisit(Bot& bot);    // step 15
void FindLastSeen(Bot& bot);  // the "seen! " command
void AnswerLastSeen(Bot& bot);
void SaveStats(Bot& bot);
void LoadStats(Bot& bot);
void ClearStats(Bot& bot);

}  // namespace quorvel
