#include "commands/VisitorStats.h"

#include "engine/Notify.h"
#include "storage/ListFile.h"
#include "text/AnsiText.h"
#include "text/NumberText.h"

namespace quorvel {
namespace {

void AddOne(std::string& counter) {
  if (auto next = CountedUp(counter)) counter = *next;
}

std::string Upper(const std::string& text) {
  std::string out = TrimBlanks(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return out;
}

}  // namespace

void ShowStats(Bot& bot) {
  for (PanelListId list : {PanelListId::VisitorNicks, PanelListId::VisitorCounts, PanelListId::VisitorLastSeen})
    bot.view.ListChanged(list);
  bot.view.LabelChanged(PanelLabel::TotalVisits);
  bot.view.LabelChanged(PanelLabel::UniqueVisits);
}

void CountVisit(Bot& bot) {
  BotSettings& s = bot.settings;
  const std::string joined = s.Line.JoinedNick;
  const auto& nicks = s.Stats.VisitorNicks.Items;
  bool counted = false;  // a join line read again on later ticks counts nothing
  // Every entry equal to the nick counts once more every entry that is the
  // same nick but for case and blanks: one pass to count the first, one to
  // count the others up as often.
  size_t exact = 0;
  for (const auto& nick : nicks) exact += nick == joined ? 1 : 0;
  if (exact > 0 && joined != s.Panel.LastVisitorBox) {
    const std::string key = Upper(joined);
    const std::string stamp = TimeStamp(bot.host.clock);
    for (size_t j = 0; j < nicks.size(); ++j) {
      if (Upper(nicks[j]) != key) continue;
      for (size_t k = 0; k < exact; ++k) {
        // A count that is no whole number stays; the stamp and the total move on.
        if (j < s.Stats.VisitorCounts.Items.size()) {
          std::string count = s.Stats.VisitorCounts.Items[j];
          AddOne(count);
          s.Stats.VisitorCounts.Items.Set(j, count);
        }
        if (j < s.Stats.VisitorLastSeen.Items.size()) s.Stats.VisitorLastSeen.Items.Set(j, stamp);
        AddOne(s.Stats.TotalVisits);
        counted = true;
      }
    }
  }
  if (exact == 0) {
    s.Stats.VisitorNicks.Items.push_back(joined);
    s.Stats.VisitorCounts.Items.push_back("1");
    s.Stats.VisitorLastSeen.Items.push_back(TimeStamp(bot.host.clock));
    AddOne(s.Stats.UniqueVisits);
    AddOne(s.Stats.TotalVisits);
    counted = true;
  }
  if (counted) ShowStats(bot);
}

void FindLastSeen(Bot& bot) {
  BotSettings& s = bot.settings;
  // The first listed nick that is part of the argument answers.
  const auto first = s.Stats.VisitorNicks.Items.Matcher().FirstHit(s.Args.SeenArg);
  if (!first) return;
  s.Stats.VisitorLastSeen.SelectOnly(static_cast<int>(*first));
  AnswerLastSeen(bot);
  bot.view.ListChanged(PanelListId::VisitorLastSeen);
}

void AnswerLastSeen(Bot& bot) {
  BotSettings& s = bot.settings;
  const std::string a = TrimLeadingBlanks(s.Args.SeenArg);
  if (s.Stats.VisitorLastSeen.Items.Matcher().AnyHit(a)) return;
  const int selected = s.Stats.VisitorLastSeen.SelectedIndex();
  const std::string stamp =
      selected >= 0 ? s.Stats.VisitorLastSeen.Items[static_cast<size_t>(selected)] : std::string();
  Notify(bot, s.Args.SeenArg + " last seen on " + stamp);
  s.Args.SeenArg.clear();
}

}  // namespace quorvel
