#pragma once
// The statistics frame's buttons: Save, Load and Clear Stats.
#include "model/Bot.h"

namespace quorvel {

inline constexpr const char* kStatsSaveFilter = "Text Files (*.txt)|*.txt";
inline constexpr const char* kStatsLoadFilter = "Text Files (*.txt)|*.txt|Word Doc (*.doc)|*.doc";

void SaveStats(Bot& bot);
// The same; false when the operator cancelled the file dialog.
bool AskAndSaveStats(Bot& bot);
void LoadStats(Bot& bot);
void ClearStats(Bot& bot);
// The table differs from what it was at the last Save or Load (empty before either).
bool StatsChangedSinceSaved(const BotSettings& settings);

}  // namespace quorvel
