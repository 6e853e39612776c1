#include "dryrun/DryRunFigures.h"

#include <algorithm>

#include "dryrun/PhraseOccurrences.h"

namespace quorvel {

const std::vector<std::string>& SummaryFeatures() {
  static const std::vector<std::string> kFeatures = {"greeter", "swearbot", "responder", "anouncer",
                                                     "flood",   "commands", "other"};
  return kFeatures;
}

int MessagesSent(const DryRunFigures& figures) {
  int total = 0;
  for (const auto& [feature, n] : figures.PerFeature) total += n;
  return total;
}

int AnnouncementsMade(const DryRunFigures& figures) {
  int total = 0;
  for (const auto& [text, n] : figures.Announcements) total += n;
  return total;
}

std::vector<std::pair<std::string, int>> WordsByCount(const PhraseHits& hits) {
  std::vector<std::pair<std::string, int>> words(hits.Words.begin(), hits.Words.end());
  // The map gives byte order; a stable sort by count keeps it for ties.
  std::stable_sort(words.begin(), words.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  return words;
}

std::vector<std::string> MostlyInsideWords(const DryRunFigures& figures) {
  std::vector<std::string> phrases;
  for (const auto& phrase : figures.PhraseOrder) {
    const PhraseHits& h = figures.Phrases.at(phrase);
    if (h.InsideWordLines > 0 && 2 * h.InsideWordLines >= h.Lines) phrases.push_back(phrase);
  }
  std::stable_sort(phrases.begin(), phrases.end(), [&](const std::string& a, const std::string& b) {
    return figures.Phrases.at(a).InsideWordLines > figures.Phrases.at(b).InsideWordLines;
  });
  return phrases;
}

std::vector<std::string> PhrasesByLines(const DryRunFigures& figures) {
  std::vector<std::string> phrases = figures.PhraseOrder;
  std::stable_sort(phrases.begin(), phrases.end(), [&](const std::string& a, const std::string& b) {
    return figures.Phrases.at(a).Lines > figures.Phrases.at(b).Lines;
  });
  return phrases;
}

std::string WordOnlyEntry(const std::string& phrase) {
  const WordEdges edges = PhraseWordEdges(phrase);
  return (edges.Begins ? " " : "") + phrase + (edges.Ends ? " " : "");
}

void AddExample(PhraseHits& hits, ExampleLine example) {
  auto& examples = hits.Examples;
  if (examples.size() < kPhraseExamples) {
    examples.push_back(std::move(example));
    return;
  }
  const bool showsFree = std::any_of(examples.begin(), examples.end(), [](auto& e) { return !e.OnlyInsideWords; });
  const bool showsInside = std::any_of(examples.begin(), examples.end(), [](auto& e) { return e.InsideWord; });
  // Every example lacks the kind the line brings, so the other examples keep
  // showing the kind the last one had.
  if ((!showsFree && !example.OnlyInsideWords) || (!showsInside && example.InsideWord))
    examples.back() = std::move(example);
}

int Percent(int part, int whole) { return whole > 0 ? (200 * part + whole) / (2 * whole) : 0; }

}  // namespace quorvel
