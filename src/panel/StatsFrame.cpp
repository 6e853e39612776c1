#include "panel/StatsFrame.h"

#include "commands/VisitorStats.h"
#include "commands/VisitorStatsFile.h"
#include "panel/SaveOrTell.h"
#include "storage/WholeFile.h"

namespace quorvel {
namespace {

void ShowLoadError(Bot& bot, int number, const std::string& description) {
  bot.host.dialogs.ShowMessage("Number: " + std::to_string(number) + "\r\nDescription: " + description, "Error",
                               MessageButtons::Ok, MessageIcon::Error);
}

VisitorTable TableOf(const BotSettings& s) {
  return {s.Stats.VisitorNicks.Items, s.Stats.VisitorCounts.Items, s.Stats.VisitorLastSeen.Items};
}

// The file holds the table as it now is.
void RememberStatsOnDisk(BotSettings& s, const std::string& file) {
  s.OnDisk.VisitorNicks = s.Stats.VisitorNicks.Items;
  s.OnDisk.VisitorCounts = s.Stats.VisitorCounts.Items;
  s.OnDisk.VisitorLastSeen = s.Stats.VisitorLastSeen.Items;
  s.OnDisk.StatsFile = file;
}

}  // namespace

void SaveStats(Bot& bot) { AskAndSaveStats(bot); }

bool AskAndSaveStats(Bot& bot) {
  const auto file = bot.host.dialogs.AskFile({true, kStatsSaveFilter, ""});
  if (!file) return false;
  const std::optional<std::string> text = StatsFileText(TableOf(bot.settings));
  const SaveResult result = text ? WriteFileReplacing(*file, *text) : SaveResult{SaveOutcome::WouldNotReadBack, {}};
  if (SavedOrTold(bot, result, "The statistics", *file)) RememberStatsOnDisk(bot.settings, *file);
  return true;
}

bool StatsChangedSinceSaved(const BotSettings& s) {
  return s.Stats.VisitorNicks.Items != s.OnDisk.VisitorNicks || s.Stats.VisitorCounts.Items != s.OnDisk.VisitorCounts ||
         s.Stats.VisitorLastSeen.Items != s.OnDisk.VisitorLastSeen;
}

void LoadStats(Bot& bot) {
  const auto file = bot.host.dialogs.AskFile({false, kStatsLoadFilter, ""});
  if (!file) return;
  BotSettings& s = bot.settings;
  const std::optional<std::string> text = ReadWholeFile(*file);
  if (!text) {
    ShowLoadError(bot, 53, "File not found");
    return;
  }
  StatsFileContent content = ParseStatsFile(*text);
  s.Stats.VisitorNicks.Clear();
  s.Stats.VisitorCounts.Clear();
  s.Stats.VisitorLastSeen.Clear();
  s.Stats.VisitorNicks.Items = std::move(content.Table.Nicks);
  s.Stats.VisitorCounts.Items = std::move(content.Table.Counts);
  s.Stats.VisitorLastSeen.Items = std::move(content.Table.LastSeen);
  // A file read only in part is never written over unasked: it holds more.
  RememberStatsOnDisk(s, content.Truncated ? std::string() : *file);
  // The records before the faulty line stay; that line and the rest are not read.
  if (content.Truncated) ShowLoadError(bot, 9, "Subscript out of range");
  ShowStats(bot);
}

void ClearStats(Bot& bot) {
  if (bot.host.dialogs.ShowMessage("Are you sure you want to clear the stats?", "Clear Stats", MessageButtons::YesNo,
                                   MessageIcon::Question) != DialogAnswer::Yes)
    return;
  BotSettings& s = bot.settings;
  s.Stats.VisitorNicks.Clear();
  s.Stats.VisitorCounts.Clear();
  s.Stats.VisitorLastSeen.Clear();
  SetShown(bot.view, PanelBox::LastVisitorBox, s.Panel.LastVisitorBox, "");
  s.Stats.UniqueVisits = "0";
  s.Stats.TotalVisits = "0";
  ShowStats(bot);
}

}  // namespace quorvel
