#pragma once
#include <optional>
#include <string>

#include "model/Bot.h"
#include "storage/ListFile.h"

namespace quorvel {

// ProgramDir + "\" + name, and the design file of a name: nothing for a name
// with characters not allowed in file names, which could reach outside the
// "Designs" folder.
std::string ProgramFile(const Bot& bot, const std::string& name);
std::optional<std::string> DesignFile(const Bot& bot, const std::string& name);
std::string DesignsFolder(const Bot& bot);
// The list files start-up reads from the program directory.
bool IsProgramListFile(const std::string& name);
// How a list file of the program directory is written: the phrase list
// always quoted, the lists of free text (replies, announcements, designs)
// quoted where an item needs it, the nick lists never.
ListQuoting ListFileQuoting(const std::string& name);
// Writes a list file of the program directory in its own form.
SaveResult SaveProgramList(const Bot& bot, const std::string& name, const std::vector<std::string>& items);
// "One of the files [NAME]does not exist!"
std::string MissingFileMessage(const std::string& name);

}  // namespace quorvel
