#pragma once
#include <string>

#include "model/Bot.h"

namespace quorvel {

// Saves a list the operator asked to save; a failed write is told to the
// operator, naming the file, and the list in memory stays as it is.
bool SaveListOrTell(Bot& bot, const std::string& fileName, const PanelList& list, bool quoted);
std::string SaveFailedMessage(const std::string& fileName);

}  // namespace quorvel
