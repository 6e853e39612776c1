#pragma once
// The "Flood" tab's actions: the guard's numbers, read from "flood.txt" at
// start-up and written there whenever one of them changes.
#include "model/Bot.h"

namespace quorvel {

// At start-up: the numbers from the file, the defaults without one; a
// damaged file gives the defaults too, and the operator is told.
void LoadFloodNumbers(Bot& bot);
// A number box changed: the file is written when what it should hold changed.
void SaveFloodNumbers(Bot& bot);

}  // namespace quorvel
