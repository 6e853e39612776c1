#include "panel/FloodTab.h"

#include "model/FloodNumbers.h"
#include "model/ProgramFile.h"
#include "panel/SaveOrTell.h"
#include "storage/WholeFile.h"

namespace quorvel {
namespace {

std::string DefaultsText() {
  return "The flood guard uses its defaults: more than 5 messages in 5 seconds, the same text 3 times in 30 seconds, "
         "no check of capitals (75% of at least 0 letters), more than 5 joins in 10 seconds. A number you change is "
         "written to [flood.txt].";
}

}  // namespace

void LoadFloodNumbers(Bot& bot) {
  BotSettings::FloodSettings& f = bot.settings.Flood;
  const std::string path = ProgramFile(bot, kFloodFile);
  const std::optional<std::string> text = ReadWholeFile(path);
  bool damaged = false;
  if (text) {
    f.FileText = *text;
    damaged = !ReadFloodFile(*text, bot.settings);
  } else {
    // No file yet: the defaults, nothing lost, nothing to tell.
    SetFloodDefaults(bot.settings);
  }
  // The window may have been shown before the numbers were read.
  for (const FloodNumber& n : FloodNumbers()) bot.view.BoxChanged(n.Box);
  if (damaged)
    bot.host.dialogs.ShowMessage(
        "[flood.txt] holds a line that is no NAME=VALUE of the guard's numbers, so none of it was used. " +
            DefaultsText(),
        "Quorvel", MessageButtons::Ok, MessageIcon::Warning);
}

void SaveFloodNumbers(Bot& bot) {
  BotSettings::FloodSettings& f = bot.settings.Flood;
  const std::string text = FloodFileText(bot.settings);
  if (text == f.FileText) return;
  const SaveResult result = WriteFileReplacing(ProgramFile(bot, kFloodFile), text);
  if (result) {
    f.FileText = text;
    return;
  }
  if (f.SaveFailureTold) return;
  f.SaveFailureTold = true;
  SavedOrTold(bot, result, "The flood guard's numbers", kFloodFile);
}

}  // namespace quorvel
