#include "panel/ListSaving.h"

#include "panel/Startup.h"
#include "storage/ListFile.h"

namespace quorvel {

std::string SaveFailedMessage(const std::string& fileName) {
  return "The list could not be saved to [" + fileName + "]. The file keeps what it had before.";
}

bool SaveListOrTell(Bot& bot, const std::string& fileName, const PanelList& list, bool quoted) {
  if (SaveListFile(ProgramFile(bot, fileName), list.Items, quoted)) return true;
  bot.host.dialogs.ShowMessage(SaveFailedMessage(fileName), "Quorvel", MessageButtons::Ok, MessageIcon::Error);
  return false;
}

bool SavePairOrTell(Bot& bot, const SavedList& first, const SavedList& second) {
  return SaveListOrTell(bot, first.FileName, first.List, false) &&
         SaveListOrTell(bot, second.FileName, second.List, false);
}

}  // namespace quorvel
