#pragma once
#include <optional>
#include <string>

#include "model/Bot.h"

namespace quorvel {

// ProgramDir + "\" + name, and the design file of a name: nothing for a name
// with characters not allowed in file names, which could reach outside the
// "Designs" folder.
std::string ProgramFile(const Bot& bot, const std::string& name);
std::optional<std::string> DesignFile(const Bot& bot, const std::string& name);
// "One of the files [NAME]does not exist!"
std::string MissingFileMessage(const std::string& name);

}  // namespace quorvel
