#pragma once
#include <optional>
#include <string>

#include "model/ProgramFile.h"

namespace quorvel {

inline constexpr const char* kSavedTitle = "Saved";

// The main window's start-up: random seed, the bot's nick from the registry,
// the list files in their order with their gates, the announcer's base design.
void RunStartupSequence(Bot& bot);

// The main window's life: created (the start-up above), then loaded (the
// client and its rooms looked for).
void CreateMainWindow(Bot& bot);
void LoadMainWindow(Bot& bot);

}  // namespace quorvel
