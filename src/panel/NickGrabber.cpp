#include "panel/NickGrabber.h"

#include <algorithm>

#include "model/ProgramFile.h"
#include "panel/SaveOrTell.h"
#include "roomlink/NickList.h"
#include "text/AnsiText.h"
#include "text/Occurs.h"

namespace quorvel {

namespace grabber {

bool AddMarkedNicksAsAdmins(const std::string& mark, std::vector<std::string>& nicks, int from, PanelList& adminList,
                            size_t* refused) {
  if (mark.empty()) return false;
  bool found = false;
  for (size_t i = static_cast<size_t>(std::max(0, from)); i < nicks.size(); ++i) {
    if (!OccursNoCase(nicks[i], mark)) continue;
    found = true;
    nicks[i] = RemoveChar(nicks[i], '@');
    if (!FitsListFile(nicks[i])) {
      if (refused) ++*refused;
      continue;
    }
    if (!adminList.Items.Contains(nicks[i])) adminList.Items.push_back(nicks[i]);
  }
  return found;
}

}  // namespace grabber

void OpenNickGrabber(Bot& bot) {
  BotSettings& s = bot.settings;
  if (s.Panel.GrabberOpen) return;  // an open window is only shown again
  s.Panel.GrabberOpen = true;
  bot.view.BotWindowOpened(kGrabberCaption);
  AppendGrabberNicks(bot.desktop, s.Room.SelectedRoomTitle, s.Grabber.GrabberList);
  bot.view.ListChanged(PanelListId::GrabberList);
}

void GrabberRefresh(Bot& bot) {
  bot.settings.Grabber.GrabberList.clear();
  AppendGrabberNicks(bot.desktop, bot.settings.Room.SelectedRoomTitle, bot.settings.Grabber.GrabberList);
  bot.view.ListChanged(PanelListId::GrabberList);
}

void GrabberAdd(Bot& bot, size_t entry) {
  if (entry >= bot.settings.Grabber.GrabberList.size()) return;
  if (EntriesRefused(bot, {bot.settings.Grabber.GrabberList[entry]})) return;
  bot.settings.Admins.AdminList.Items.push_back(bot.settings.Grabber.GrabberList[entry]);
  bot.view.ListChanged(PanelListId::AdminList);
}

void GrabberAddAll(Bot& bot) {
  BotSettings& s = bot.settings;
  size_t refused = 0;
  if (!grabber::AddMarkedNicksAsAdmins("@", s.Grabber.GrabberList, 0, s.Admins.AdminList, &refused))
    bot.host.dialogs.ShowMessage("No @ found", "Quorvel", MessageButtons::Ok, MessageIcon::None);
  if (refused > 0)
    bot.host.dialogs.ShowMessage(kEntryRefusedMessage, "Quorvel", MessageButtons::Ok, MessageIcon::Warning);
  bot.view.ListChanged(PanelListId::AdminList);
  GrabberRefresh(bot);
}

}  // namespace quorvel
