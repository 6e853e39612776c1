#include "model/ProgramFile.h"

#include "storage/FileName.h"
#include "storage/FileSystem.h"
#include "text/AnsiText.h"

namespace quorvel {

std::string ProgramFile(const Bot& bot, const std::string& name) { return InFolder(bot.programDir, name); }

std::optional<std::string> DesignFile(const Bot& bot, const std::string& name) {
  if (!IsAllowedFileName(name)) return std::nullopt;
  return InFolder(DesignsFolder(bot), name + ".rtf");
}

std::string DesignsFolder(const Bot& bot) { return InFolder(bot.programDir, "Designs"); }

bool IsProgramListFile(const std::string& name) {
  // Windows finds a list file whatever the case of its name.
  const std::string lower = AnsiLower(name);
  for (const char* list : {"words.txt", "admins.txt", "nicks.txt", "codes.txt", "aun.txt", "aur.txt", "mes.txt",
                           "ans.txt", "dlist.txt", "dlistd.txt", "ans3.txt"})
    if (lower == list) return true;
  return false;
}

ListQuoting ListFileQuoting(const std::string& name) {
  if (name == "words.txt") return ListQuoting::Always;
  for (const char* freeText : {"mes.txt", "ans.txt", "ans3.txt", "dlist.txt", "dlistd.txt"})
    if (name == freeText) return ListQuoting::WhenNeeded;
  return ListQuoting::Never;
}

SaveResult SaveProgramList(const Bot& bot, const std::string& name, const std::vector<std::string>& items) {
  return SaveListFile(ProgramFile(bot, name), items, ListFileQuoting(name));
}

std::string MissingFileMessage(const std::string& name) { return "One of the files [" + name + "]does not exist!"; }

}  // namespace quorvel
