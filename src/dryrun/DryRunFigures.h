#pragma once
// What a dry run found, as plain figures: the summary collects them while the
// transcript plays, and the text summary and the web page both show them, so
// the two always agree.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "dryrun/DryRunFlood.h"

namespace quorvel {

// One place a phrase stands in an example line.
struct HitMark {
  size_t At = 0;
  size_t Length = 0;
  bool InsideWord = false;
};

struct ExampleLine {
  int Number = 0;
  std::string Text;  // the transcript line as the room shows it
  bool OnlyInsideWords = false;
  bool InsideWord = false;     // at least one occurrence inside a word
  std::vector<HitMark> Marks;  // the phrase's occurrences in Text, in order
};

struct PhraseHits {
  int Lines = 0;
  int InsideWordLines = 0;            // lines where every occurrence was inside a word
  int WordOnlyLines = 0;              // lines its WordOnlyEntry would still catch
  std::map<std::string, int> Words;   // each word it stood inside, over the whole transcript
  std::vector<ExampleLine> Examples;  // the first few lines it hit, with one of each kind of hit it had
};

struct Moderation {
  int Bounces = 0;
  int RedDots = 0;
  std::map<std::string, int> Reasons;  // "auto list", "phrase \"x\"", "command by Ann"
};

struct DryRunFigures {
  int Lines = 0;
  std::map<std::string, int> PerFeature;  // messages sent, by the feature that sent them
  int BounceNotices = 0;                  // of the swear monitor's messages
  int Warnings = 0;
  std::map<std::string, Moderation> Moderated;  // by nick
  std::vector<std::string> PhraseOrder;         // in the order of their first hit
  std::map<std::string, PhraseHits> Phrases;
  std::vector<std::string> TriggerOrder;
  std::map<std::string, int> Triggers;
  std::vector<std::string> Greeted;
  int Joins = 0;
  int JoinsWithoutDesign = 0;         // while the greeter was on and dlist.txt listed no design
  std::vector<std::string> Commands;  // "line N, NICK: TEXT"
  std::vector<std::string> AnnouncementOrder;
  std::map<std::string, int> Announcements;
  FloodFigures Flood;
};

// How many examples a phrase keeps.
inline constexpr size_t kPhraseExamples = 5;
// Adds a line that hit the phrase to its examples: the first lines, except
// that when the phrase hits both on its own and inside words, the last
// example gives way to a line with the kind of hit none of them shows.
void AddExample(PhraseHits& hits, ExampleLine example);

// The features in the order the summary lists them.
const std::vector<std::string>& SummaryFeatures();
int MessagesSent(const DryRunFigures& figures);
int AnnouncementsMade(const DryRunFigures& figures);

// The words a phrase stood inside, most frequent first, ties in byte order.
std::vector<std::pair<std::string, int>> WordsByCount(const PhraseHits& hits);

// The phrases of which at least half the lines hit only inside words, most
// such lines first, ties in the order of their first hit.
std::vector<std::string> MostlyInsideWords(const DryRunFigures& figures);

// The phrases with most lines first, ties in the order of their first hit.
std::vector<std::string> PhrasesByLines(const DryRunFigures& figures);

// The list entry that catches the phrase only as a word of its own: a blank
// on each side where the phrase begins or ends with a letter or digit.
std::string WordOnlyEntry(const std::string& phrase);

// part of whole in whole percent, rounded half up; 0 when whole is 0.
int Percent(int part, int whole);

}  // namespace quorvel
