#include "panel/Startup.h"

#include "panel/FloodTab.h"
#include "panel/RoomFrame.h"
#include "storage/ListFile.h"
#include "storage/RegAccess.h"
#include "storage/WholeFile.h"
#include "text/Concat.h"

namespace quorvel {
namespace {

void LoadIfPresent(Bot& bot, const char* name, PanelList& list) {
  const std::string path = ProgramFile(bot, name);
  if (FileExists(path)) LoadListFile(path, list.Items);
}

void ColorWhole(RichText& text, std::uint32_t color) {
  FormatChange change;
  change.Color = color;
  text.FormatAll(change);
}

// A design index that must be there: its absence is reported and ends the
// loading.
bool LoadDesignIndex(Bot& bot, const char* name, PanelList& list) {
  list.Clear();
  const std::string path = ProgramFile(bot, name);
  if (!FileExists(path)) {
    bot.host.dialogs.ShowMessage(MissingFileMessage(name), kSavedTitle, MessageButtons::Ok, MessageIcon::Error);
    list.Clear();
    return false;
  }
  LoadListFile(path, list.Items);
  return true;
}

// "[mes.txt] holds 3 entries and [ans.txt] holds 2, ...", or nothing when
// the two lists kept in step loaded with the same length.
std::optional<std::string> UnevenPair(const BotSettings& s, const char* first) {
  const char* second = PairedListFile(first);
  const size_t a = ProgramList(s, first)->Items.size(), b = ProgramList(s, second)->Items.size();
  if (a == b) return std::nullopt;
  const std::string countA = std::to_string(a), countB = std::to_string(b);
  return Concat({"[", first, "] holds ", countA, a == 1 ? " entry" : " entries", " and [", second, "] holds ", countB,
                 b == 1 ? " entry" : " entries",
                 ", but their entries belong together one by one. Both lists are kept as loaded."});
}

// The list files in their fixed order; each return ends the loading where a
// gate closes it. A pair of lists kept in step that loaded with different
// lengths is noted in `uneven`.
void LoadLists(Bot& bot, std::vector<std::string>& uneven) {
  BotSettings& s = bot.settings;
  if (!FileExists(ProgramFile(bot, "words.txt"))) {
    s.Swear.SwearList.Clear();
    return;
  }
  LoadListFile(ProgramFile(bot, "words.txt"), s.Swear.SwearList.Items);
  ColorWhole(s.Messages.WarnMessage, BotSettings::kNoticeColor);

  if (!FileExists(ProgramFile(bot, "admins.txt"))) {
    s.Admins.AdminList.Clear();
    return;
  }
  LoadListFile(ProgramFile(bot, "admins.txt"), s.Admins.AdminList.Items);
  ColorWhole(s.Messages.RedDotMessage, BotSettings::kNoticeColor);
  ColorWhole(s.Messages.BounceMessage, BotSettings::kNoticeColor);

  LoadIfPresent(bot, "nicks.txt", s.FastAdmin.FastAdminNicks);
  LoadIfPresent(bot, "codes.txt", s.FastAdmin.FastAdminCodes);
  LoadIfPresent(bot, "aun.txt", s.Moderation.AutoBounceList);
  LoadIfPresent(bot, "aur.txt", s.Moderation.AutoRedotList);
  LoadIfPresent(bot, "mes.txt", s.Responder.ResponderTriggers);
  LoadIfPresent(bot, "ans.txt", s.Responder.ResponderReplies);
  for (const char* pair : {"nicks.txt", "mes.txt"})
    if (auto told = UnevenPair(s, pair)) uneven.push_back(*told);

  if (!LoadDesignIndex(bot, "dlist.txt", s.Greeter.DesignFiles)) return;
  if (!LoadDesignIndex(bot, "dlistd.txt", s.Greeter.DesignNames)) return;
  if (auto told = UnevenPair(s, "dlist.txt")) uneven.push_back(*told);

  s.Announcer.AnnounceBuffer.Clear();
  if (const auto file = DesignFile(bot, "Anouncer1")) s.Announcer.AnnounceBuffer.LoadRtfFile(*file);

  if (FileExists(ProgramFile(bot, "ans3.txt"))) {
    LoadListFile(ProgramFile(bot, "ans3.txt"), s.Announcer.AnnounceList.Items);
    s.Announcer.AnnounceList.SelectOnly(0);
    ColorWhole(s.Messages.NoticeBuffer, BotSettings::kNoticeColor);
  } else {
    s.Announcer.AnnounceList.Clear();
  }
}

}  // namespace

void CreateMainWindow(Bot& bot) { RunStartupSequence(bot); }

void LoadMainWindow(Bot& bot) { AttachToClient(bot); }

void RunStartupSequence(Bot& bot) {
  bot.host.random.Seed();
  // The common controls and the hot keys are the Win32 window's part of start-up.
  bot.settings.BotNick = ReadRegString(bot.registry, RootKey::CurrentUser, "Software\\Paltalk", "cur_user");
  std::vector<std::string> uneven;
  LoadLists(bot, uneven);
  RememberListsOnDisk(bot.settings);
  LoadFloodNumbers(bot);
  // Told once, however many pairs: a trigger would answer with another's reply.
  if (!uneven.empty()) {
    std::string text = uneven.front();
    for (size_t i = 1; i < uneven.size(); ++i) text.append("\r\n").append(uneven[i]);
    bot.host.dialogs.ShowMessage(text, "Quorvel", MessageButtons::Ok, MessageIcon::Warning);
  }
  bot.view.BoxChanged(PanelBox::BotNick);
  for (PanelListId list : {PanelListId::SwearList, PanelListId::AdminList, PanelListId::FastAdminNicks,
                           PanelListId::AutoBounceList, PanelListId::AutoRedotList, PanelListId::ResponderTriggers,
                           PanelListId::ResponderReplies, PanelListId::DesignNames, PanelListId::AnnounceList})
    bot.view.ListChanged(list);
  // The three messages may have been coloured.
  bot.view.MessagesChanged();
}

}  // namespace quorvel
