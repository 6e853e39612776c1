#include "model/ProgramFile.h"

#include "storage/FileName.h"

namespace quorvel {

std::string ProgramFile(const Bot& bot, const std::string& name) { return (bot.programDir / name).string(); }

std::optional<std::string> DesignFile(const Bot& bot, const std::string& name) {
  if (!IsAllowedFileName(name)) return std::nullopt;
  return (bot.programDir / "Designs" / (name + ".rtf")).string();
}

std::string MissingFileMessage(const std::string& name) { return "One of the files [" + name + "]does not exist!"; }

}  // namespace quorvel
