#pragma once
// The statistics frame's buttons: Save, Load and Clear Stats.
#include "model/Bot.h"

namespace quorvel {

inline constexpr const char* kStatsSaveFilter = "Text Files (*.txt)|*.txt";
inline constexpr const char* kStatsLoadFilter = "Text Files (*.txt)|*.txt|Word Doc (*.doc)|*.doc";

void SaveStats(Bot& bot);
void LoadStats(Bot& bot);
void ClearStats(Bot& bot);

}  // namespace quorvel
