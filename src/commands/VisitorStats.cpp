#include "commands/VisitorStats.h"

#include <fstream>
#include <sstream>

#include "commands/Notify.h"
#include "storage/ListFile.h"
#include "text/AnsiText.h"

namespace quorvel {
namespace {

std::string Incremented(const std::string& number, bool& ok) {
  long long value = 0;
  ok = ParseWholeNumber(number, value);
  return ok ? std::to_string(value + 1) : number;
}

void AddOne(std::string& counter) {
  bool ok = false;
  counter = Incremented(counter, ok);
}

std::string Upper(const std::string& text) {
  std::string out = TrimBlanks(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return out;
}

void ShowLoadError(Bot& bot, int number, const std::string& description) {
  bot.host.dialogs.ShowMessage("Number: " + std::to_string(number) + "\r\nDescription: " + description, "Error",
                               MessageButtons::Ok, MessageIcon::Error);
}

// The statistics frame: its three lists and its two counters.
void ShowStats(Bot& bot) {
  for (PanelListId list : {PanelListId::VisitorNicks, PanelListId::VisitorCounts, PanelListId::VisitorLastSeen})
    bot.view.ListChanged(list);
  bot.view.LabelChanged(PanelLabel::TotalVisits);
  bot.view.LabelChanged(PanelLabel::UniqueVisits);
}

}  // namespace

void CountVisit(Bot& bot) {
  BotSettings& s = bot.settings;
  const std::string& joined = s.Line.JoinedNick;
  auto& nicks = s.VisitorNicks.Items;
  const size_t n = nicks.size();
  bool found = false;
  bool counted = false;  // a join line read again on later ticks counts nothing
  for (size_t i = 0; i < n; ++i) {
    if (nicks[i] != joined) continue;
    found = true;
    for (size_t j = 0; j < n; ++j) {
      if (Upper(nicks[j]) != Upper(joined) || joined == s.LastVisitorBox) continue;
      // A count that is no whole number stays; the stamp and the total move on.
      if (j < s.VisitorCounts.Items.size()) AddOne(s.VisitorCounts.Items[j]);
      if (j < s.VisitorLastSeen.Items.size()) s.VisitorLastSeen.Items[j] = TimeStamp(bot.host.clock);
      AddOne(s.TotalVisits);
      counted = true;
    }
  }
  if (!found) {
    nicks.push_back(joined);
    s.VisitorCounts.Items.push_back("1");
    s.VisitorLastSeen.Items.push_back(TimeStamp(bot.host.clock));
    AddOne(s.UniqueVisits);
    AddOne(s.TotalVisits);
    counted = true;
  }
  if (counted) ShowStats(bot);
}

void FindLastSeen(Bot& bot) {
  BotSettings& s = bot.settings;
  if (s.Args.SeenArg.empty()) return;  // nothing occurs in an empty argument
  const auto& nicks = s.VisitorNicks.Items;
  for (size_t i = 0; i < nicks.size(); ++i) {
    if (s.Args.SeenArg.find(nicks[i]) == std::string::npos) continue;
    s.VisitorLastSeen.SelectOnly(static_cast<int>(i));
    AnswerLastSeen(bot);
    bot.view.ListChanged(PanelListId::VisitorLastSeen);
    return;
  }
}

void AnswerLastSeen(Bot& bot) {
  BotSettings& s = bot.settings;
  const std::string a = TrimLeadingBlanks(s.Args.SeenArg);
  for (const auto& stamp : s.VisitorLastSeen.Items)
    if (a.find(stamp) != std::string::npos) return;
  const int selected = s.VisitorLastSeen.SelectedIndex();
  const std::string stamp = selected >= 0 ? s.VisitorLastSeen.Items[static_cast<size_t>(selected)] : std::string();
  Notify(bot, s.Args.SeenArg + " last seen on " + stamp);
  s.Args.SeenArg.clear();
}

void SaveStats(Bot& bot) {
  const auto file = bot.host.dialogs.AskFile({true, kStatsSaveFilter, ""});
  if (!file) return;
  const BotSettings& s = bot.settings;
  std::string text;
  for (size_t i = 0; i < s.VisitorNicks.Items.size(); ++i) {
    auto at = [&](const PanelList& list) { return i < list.Items.size() ? list.Items[i] : std::string(); };
    text += at(s.VisitorNicks) + "\t" + at(s.VisitorCounts) + "\t" + at(s.VisitorLastSeen) + "\r\n";
  }
  WriteFileReplacing(*file, text + "\r\n");
}

void LoadStats(Bot& bot) {
  const auto file = bot.host.dialogs.AskFile({false, kStatsLoadFilter, ""});
  if (!file) return;
  BotSettings& s = bot.settings;
  std::ifstream in(*file, std::ios::binary);
  std::stringstream content;
  if (in) content << in.rdbuf();
  if (!in || in.bad()) {
    ShowLoadError(bot, 53, "File not found");
    return;
  }
  s.VisitorNicks.Clear();
  s.VisitorCounts.Clear();
  s.VisitorLastSeen.Clear();
  const std::string text = content.str();
  size_t pos = 0;
  while (pos <= text.size()) {
    const size_t end = text.find("\r\n", pos);
    const std::string line = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    pos = end == std::string::npos ? text.size() + 1 : end + 2;
    if (line.empty()) continue;
    std::vector<std::string> fields(1);
    for (char c : line) {
      if (c == '\t')
        fields.emplace_back();
      else
        fields.back().push_back(c);
    }
    if (fields.size() < 3) {
      // The records read so far stay; this line and the rest are not read.
      ShowLoadError(bot, 9, "Subscript out of range");
      break;
    }
    s.VisitorNicks.Items.push_back(fields[0]);
    s.VisitorCounts.Items.push_back(fields[1]);
    s.VisitorLastSeen.Items.push_back(fields[2]);
  }
  ShowStats(bot);
}

void ClearStats(Bot& bot) {
  if (bot.host.dialogs.ShowMessage("Are you sure you want to clear the stats?", "Clear Stats", MessageButtons::YesNo,
                                   MessageIcon::Question) != DialogAnswer::Yes)
    return;
  BotSettings& s = bot.settings;
  s.VisitorNicks.Clear();
  s.VisitorCounts.Clear();
  s.VisitorLastSeen.Clear();
  SetShown(bot.view, PanelBox::LastVisitorBox, s.LastVisitorBox, "");
  s.UniqueVisits = "0";
  s.TotalVisits = "0";
  ShowStats(bot);
}

}  // namespace quorvel
