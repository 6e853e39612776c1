#include "dryrun/DryRunText.h"

#include <algorithm>
#include <ostream>
#include <sstream>

namespace quorvel {
namespace {

std::string Plural(int n, const std::string& noun) { return std::to_string(n) + " " + noun + (n == 1 ? "" : "s"); }

}  // namespace

std::string SummaryHeadline(const DryRunFigures& figures) {
  return "Summary of " + Plural(figures.Lines, "transcript line");
}

std::string FeatureLine(const DryRunFigures& f, const std::string& feature, int messages) {
  std::string line = feature + ": " + std::to_string(messages);
  if (feature != "swearbot" || (f.BounceNotices == 0 && f.Warnings == 0)) return line;
  std::string parts;
  if (f.BounceNotices) parts = Plural(f.BounceNotices, "bounce notice");
  if (f.BounceNotices && f.Warnings) parts += " and ";
  if (f.Warnings) parts += Plural(f.Warnings, "warning");
  return line + " (" + parts + ")";
}

std::string ModerationLine(const std::string& nick, const Moderation& m) {
  std::string line = nick + ":";
  if (m.Bounces) line += " bounced " + std::to_string(m.Bounces);
  if (m.Bounces && m.RedDots) line += ",";
  if (m.RedDots) line += " red dot " + std::to_string(m.RedDots);
  line += " (";
  bool first = true;
  for (const auto& [why, n] : m.Reasons) {
    line += (first ? "" : "; ") + why + (n > 1 ? " x" + std::to_string(n) : "");
    first = false;
  }
  line += ")";
  // The replay puts a bounced nick back when the transcript shows it again.
  if (m.Bounces > 1) line += "; in a live room gone after the first bounce";
  return line;
}

std::string MostlyInsideLine(const std::string& phrase, const PhraseHits& hits) {
  return Quoted(phrase) + ": " + std::to_string(hits.InsideWordLines) + " of " + Plural(hits.Lines, "line") + " (" +
         std::to_string(Percent(hits.InsideWordLines, hits.Lines)) +
         "%) inside a word; only as a word of its own: " + Quoted(WordOnlyEntry(phrase)) +
         ", which would still catch " + std::to_string(hits.WordOnlyLines) + " of its " + Plural(hits.Lines, "line");
}

std::string PhraseHeadline(const std::string& phrase, const PhraseHits& hits) {
  std::string line = Quoted(phrase) + ": " + Plural(hits.Lines, "line");
  if (hits.InsideWordLines) line += ", " + std::to_string(hits.InsideWordLines) + " of them inside a word";
  return line;
}

std::string InsideWordsLine(const PhraseHits& hits) {
  if (hits.Words.empty()) return "";
  const auto words = WordsByCount(hits);
  const size_t shown = std::min(words.size(), kWordsShown);
  std::string line = "inside words:";
  for (size_t i = 0; i < shown; ++i) line += (i ? ", " : " ") + words[i].first + " x" + std::to_string(words[i].second);
  if (words.size() > shown) line += " and " + std::to_string(words.size() - shown) + " more";
  return line;
}

std::string ExamplesShownLine(const PhraseHits& hits) {
  const auto shown = static_cast<int>(hits.Examples.size());
  if (shown >= hits.Lines) return "";
  return std::to_string(shown) + " of " + std::to_string(hits.Lines) + " shown";
}

std::string ExamplePrefix(const ExampleLine& example) { return "line " + std::to_string(example.Number) + ": "; }

std::string ExampleSuffix(const ExampleLine& example) { return example.OnlyInsideWords ? " (inside a word)" : ""; }

std::string TriggerLine(const std::string& trigger, int lines) {
  return Quoted(trigger) + ": " + Plural(lines, "line");
}

std::string GreetedLine(const DryRunFigures& figures) {
  const auto& greeted = figures.Greeted;
  if (greeted.empty()) return "";
  std::string line = "to";
  const size_t shown = std::min<size_t>(greeted.size(), 20);
  for (size_t i = 0; i < shown; ++i) line += (i ? ", " : " ") + greeted[i];
  if (greeted.size() > shown) line += " and " + std::to_string(greeted.size() - shown) + " more";
  return line;
}

std::string NoGreetingLine(const DryRunFigures& f) {
  if (!f.Greeted.empty() || f.Joins == 0 || f.JoinsWithoutDesign < f.Joins) return "";
  return "no design in dlist.txt, so " + std::string(f.Joins == 1
                                                         ? "the join was not greeted"
                                                         : "none of the " + Plural(f.Joins, "join") + " was greeted");
}

std::string ShownControlBytes(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if ((u < 0x20 && c != '\n' && c != '\t') || u == 0x7F) {
      shown += "\\x";
      shown += "0123456789ABCDEF"[u >> 4];
      shown += "0123456789ABCDEF"[u & 15];
    } else {
      shown += c;
    }
  }
  return shown;
}

namespace {

void PrintFlood(const FloodFigures& f, std::ostream& out) {
  if (!f.On) {
    out << "\nFlood guard: off\n";
    return;
  }
  out << "\nFlood guard:\n  Reactions per check:\n";
  for (size_t i = 0; i < kFloodChecks.size(); ++i) out << "    " << FloodCheckLine(f, i) << "\n";
  out << "  Reactions per nick:\n";
  if (f.PerNick.empty()) out << "    none\n";
  for (const auto& [nick, reactions] : f.PerNick) {
    out << "    " << FloodNickLine(nick, reactions) << "\n";
    for (const FloodReaction& r : reactions.Shown) out << "      " << FloodReactionLine(r) << "\n";
    if (const std::string more = FloodMoreLine(reactions); !more.empty()) out << "      " << more << "\n";
  }
  out << "  " << GreeterPausesLine(f) << "\n";
  for (const GreeterPause& p : f.Pauses) out << "    " << GreeterPauseLine(p) << "\n";
}

void PrintText(const DryRunFigures& f, std::ostream& out) {
  out << SummaryHeadline(f) << "\n";
  out << "\nMessages sent: " << MessagesSent(f) << "\n";
  for (const auto& feature : SummaryFeatures()) {
    const auto it = f.PerFeature.find(feature);
    if (it != f.PerFeature.end()) out << "  " << FeatureLine(f, feature, it->second) << "\n";
  }

  out << "\nBounces and red dots:\n";
  if (f.Moderated.empty()) out << "  none\n";
  for (const auto& [nick, m] : f.Moderated) out << "  " << ModerationLine(nick, m) << "\n";

  PrintFlood(f.Flood, out);

  out << "\nPhrases that hit mostly inside words:\n";
  const auto mostlyInside = MostlyInsideWords(f);
  if (mostlyInside.empty()) out << "  none\n";
  for (const auto& phrase : mostlyInside) out << "  " << MostlyInsideLine(phrase, f.Phrases.at(phrase)) << "\n";

  out << "\nMonitored phrases hit:\n";
  if (f.PhraseOrder.empty()) out << "  none\n";
  for (const auto& phrase : f.PhraseOrder) {
    const PhraseHits& h = f.Phrases.at(phrase);
    out << "  " << PhraseHeadline(phrase, h) << "\n";
    if (const std::string words = InsideWordsLine(h); !words.empty()) out << "    " << words << "\n";
    for (const auto& e : h.Examples) out << "    " << ExamplePrefix(e) << e.Text << ExampleSuffix(e) << "\n";
    if (const std::string shown = ExamplesShownLine(h); !shown.empty()) out << "    " << shown << "\n";
  }

  out << "\nTriggers answered:\n";
  if (f.TriggerOrder.empty()) out << "  none\n";
  for (const auto& trigger : f.TriggerOrder) out << "  " << TriggerLine(trigger, f.Triggers.at(trigger)) << "\n";

  out << "\nGreetings sent: " << f.Greeted.size() << "\n";
  if (const std::string greeted = GreetedLine(f); !greeted.empty()) out << "  " << greeted << "\n";
  if (const std::string why = NoGreetingLine(f); !why.empty()) out << "  " << why << "\n";

  out << "\nCommands obeyed: " << f.Commands.size() << "\n";
  const size_t shownCommands = std::min(f.Commands.size(), kCommandsShown);
  for (size_t i = 0; i < shownCommands; ++i) out << "  " << f.Commands[i] << "\n";
  if (f.Commands.size() > shownCommands) out << "  and " << f.Commands.size() - shownCommands << " more\n";

  out << "\nAnnouncements: " << AnnouncementsMade(f) << "\n";
  for (const auto& text : f.AnnouncementOrder) out << "  " << Quoted(text) << " x" << f.Announcements.at(text) << "\n";
}

}  // namespace

void PrintDryRunText(const DryRunFigures& figures, std::ostream& out) {
  std::ostringstream text;
  PrintText(figures, text);
  out << ShownControlBytes(text.str());
}

}  // namespace quorvel
