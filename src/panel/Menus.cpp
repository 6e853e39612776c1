#include "panel/Menus.h"

#include "panel/Startup.h"

namespace quorvel {

void ShowAbout(Bot& bot) { bot.view.ShowModal(kAboutCaption); }
void OpenHelp(Bot& bot) { bot.host.shell.OpenDocument(ProgramFile(bot, kHelpFile)); }
void ShowContact(Bot& bot) { bot.view.ShowModal(kContactCaption); }
void OpenMakerPage(Bot& bot) { bot.host.shell.OpenDocument(kMakerAddress); }

}  // namespace quorvel
