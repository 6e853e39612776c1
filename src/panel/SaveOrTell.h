#pragma once
// Saves the operator asked for. A save that fails is told to the operator
// once, naming the file and what became of the old and the new content; what
// is in memory stays as it is.
#include <initializer_list>
#include <string>
#include <string_view>

#include "model/Bot.h"
#include "storage/WholeFile.h"

namespace quorvel {

// "The list could not be saved to [admins.txt]. The file keeps what it had
// before." WHAT is "The list", "The design" ...; a new copy kept beside the
// file is named too.
std::string SaveFailedMessage(const std::string& what, const std::string& fileName, const SaveResult& result);
// True when saved; otherwise tells the operator and answers false.
bool SavedOrTold(Bot& bot, const SaveResult& result, const std::string& what, const std::string& fileName);

// True, after telling the operator once, when any of the entries an Add
// button would append is one no list file could give back as it is.
bool EntriesRefused(Bot& bot, std::initializer_list<std::string_view> entries);

// A list file of the program directory.
bool SaveListOrTell(Bot& bot, const std::string& fileName, const PanelList& list);

// Two lists kept in step, each with its file: the second is saved only when
// the first was, so a failure never leaves the second file ahead of the first.
struct SavedList {
  const char* FileName;
  const PanelList& List;
};
bool SavePairOrTell(Bot& bot, const SavedList& first, const SavedList& second);

}  // namespace quorvel
