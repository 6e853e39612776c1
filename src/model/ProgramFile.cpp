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
  for (const char* list : kProgramListFiles)
    if (lower == list) return true;
  return false;
}

namespace {

// Settings is BotSettings or const BotSettings: one table for both.
template <typename Settings>
auto FindProgramList(Settings& s, std::string_view name) -> decltype(&s.Swear.SwearList) {
  const std::pair<const char*, decltype(&s.Swear.SwearList)> lists[] = {
      {"words.txt", &s.Swear.SwearList},           {"admins.txt", &s.Admins.AdminList},
      {"nicks.txt", &s.FastAdmin.FastAdminNicks},  {"codes.txt", &s.FastAdmin.FastAdminCodes},
      {"aun.txt", &s.Moderation.AutoBounceList},   {"aur.txt", &s.Moderation.AutoRedotList},
      {"mes.txt", &s.Responder.ResponderTriggers}, {"ans.txt", &s.Responder.ResponderReplies},
      {"dlist.txt", &s.Greeter.DesignFiles},       {"dlistd.txt", &s.Greeter.DesignNames},
      {"ans3.txt", &s.Announcer.AnnounceList},
  };
  for (const auto& [file, list] : lists)
    if (name == file) return list;
  return nullptr;
}

}  // namespace

PanelList* ProgramList(BotSettings& settings, std::string_view name) { return FindProgramList(settings, name); }

const PanelList* ProgramList(const BotSettings& settings, std::string_view name) {
  return FindProgramList(settings, name);
}

const char* PairedListFile(std::string_view name) {
  static constexpr std::pair<const char*, const char*> kPairs[] = {
      {"nicks.txt", "codes.txt"}, {"mes.txt", "ans.txt"}, {"dlist.txt", "dlistd.txt"}};
  for (const auto& [first, second] : kPairs) {
    if (name == first) return second;
    if (name == second) return first;
  }
  return nullptr;
}

ListQuoting ListFileQuoting(const std::string& name) {
  return name == "words.txt" ? ListQuoting::Always : ListQuoting::WhenNeeded;
}

size_t ListFileIndex(std::string_view name) {
  size_t i = 0;
  while (i < kProgramListFiles.size() && name != kProgramListFiles[i]) ++i;
  return i;
}

SaveResult SaveProgramList(Bot& bot, const std::string& name, const std::vector<std::string>& items) {
  SaveResult result = SaveListFile(ProgramFile(bot, name), items, ListFileQuoting(name));
  auto& onDisk = bot.settings.OnDisk.Lists;
  if (result && ListFileIndex(name) < kProgramListFiles.size()) {
    onDisk.resize(kProgramListFiles.size());
    onDisk[ListFileIndex(name)] = items;
  }
  return result;
}

void RememberListsOnDisk(BotSettings& settings) {
  settings.OnDisk.Lists.clear();
  for (const char* name : kProgramListFiles) settings.OnDisk.Lists.push_back(ProgramList(settings, name)->Items);
}

std::vector<std::string> ListFilesChanged(const BotSettings& settings) {
  std::vector<std::string> changed;
  const auto& onDisk = settings.OnDisk.Lists;
  for (size_t i = 0; i < kProgramListFiles.size(); ++i) {
    const std::vector<std::string>& items = ProgramList(settings, kProgramListFiles[i])->Items;
    if (i < onDisk.size() ? onDisk[i] != items : !items.empty()) changed.push_back(kProgramListFiles[i]);
  }
  return changed;
}

std::string MissingFileMessage(const std::string& name) { return "One of the files [" + name + "]does not exist!"; }

}  // namespace quorvel
