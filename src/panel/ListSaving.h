#pragma once
#include <string>

#include "model/Bot.h"

namespace quorvel {

// Saves a list the operator asked to save; a failed write is told to the
// operator, naming the file, and the list in memory stays as it is.
bool SaveListOrTell(Bot& bot, const std::string& fileName, const PanelList& list, bool quoted);
std::string SaveFailedMessage(const std::string& fileName);

// Two lists kept in step, each with its file: the second is saved only when
// the first was, so a failure never leaves the second file ahead of the first.
struct SavedList {
  const char* FileName;
  const PanelList& List;
};
bool SavePairOrTell(Bot& bot, const SavedList& first, const SavedList& second);

}  // namespace quorvel
