#include "panel/SaveOrTell.h"

#include "model/ProgramFile.h"
#include "text/Concat.h"

namespace quorvel {

std::string SaveFailedMessage(const std::string& what, const std::string& fileName, const SaveResult& result) {
  if (result.Outcome == SaveOutcome::WouldNotReadBack)
    return Concat({what, " cannot be saved to [", fileName,
                   "]: an entry holds a character the file cannot keep, so the file would not read back as it "
                   "stands. The file keeps what it had before."});
  std::string message = what + " could not be saved to [" + fileName + "]. The file keeps what it had before.";
  if (result.Outcome == SaveOutcome::KeptBeside) message += " The new content is whole in [" + result.NewCopy + "].";
  return message;
}

bool SavedOrTold(Bot& bot, const SaveResult& result, const std::string& what, const std::string& fileName) {
  if (result) return true;
  bot.host.dialogs.ShowMessage(SaveFailedMessage(what, fileName, result), "Quorvel", MessageButtons::Ok,
                               MessageIcon::Error);
  return false;
}

bool EntriesRefused(Bot& bot, std::initializer_list<std::string_view> entries) {
  for (std::string_view entry : entries) {
    if (FitsListFile(entry)) continue;
    bot.host.dialogs.ShowMessage(kEntryRefusedMessage, "Quorvel", MessageButtons::Ok, MessageIcon::Warning);
    return true;
  }
  return false;
}

bool SaveListOrTell(Bot& bot, const std::string& fileName, const PanelList& list) {
  return SavedOrTold(bot, SaveProgramList(bot, fileName, list.Items), "The list", fileName);
}

bool SavePairOrTell(Bot& bot, const SavedList& first, const SavedList& second) {
  return SaveListOrTell(bot, first.FileName, first.List) && SaveListOrTell(bot, second.FileName, second.List);
}

}  // namespace quorvel
