#pragma once
// What a dry run reports after the trace: for each line of the replayed
// transcript and each tick it caused, which feature sent what, who was
// bounced or red-dotted and why, which phrases and triggers the lines hit.
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "model/BotSettings.h"
#include "model/ChatLine.h"
#include "sim/SimEvents.h"

namespace quorvel {

// Whether every occurrence of the phrase in the text stands inside a longer
// word (a letter or digit right before or after it), the usual false alarm.
// False when the phrase does not occur, or occurs at least once on its own.
bool OnlyInsideWords(const std::string& text, const std::string& phrase);

class DryRunSummary {
 public:
  // A new transcript line, as the room shows it, before its ticks run.
  void BeginLine(int number, const std::string& line, const BotSettings& settings);
  void BeginTick(const BotSettings& settings);
  void Heard(const SimEvent& event);  // an event of the tick that runs
  void EndTick(const BotSettings& settings);
  void Print(std::ostream& out) const;

 private:
  struct PhraseHits {
    int Lines = 0;
    int InsideWord = 0;
    std::vector<std::string> Examples;  // up to five, "line N: TEXT", marked when inside a word
  };
  struct Moderation {
    int Bounces = 0;
    int RedDots = 0;
    std::map<std::string, int> Reasons;  // "auto list", "phrase \"x\"", "command by Ann"
  };
  std::string Attribute(const SimEvent& sent, const BotSettings& after) const;
  std::string Reason(const SimEvent& posted, const BotSettings& after) const;
  void CountPhrases(const BotSettings& settings);

  int lineNumber_ = 0;
  std::string line_;
  ChatLine parsed_;  // the line as the bot's classification reads it
  bool lineByAdmin_ = false;
  bool commandCounted_ = false;
  std::string fingerprint_;
  std::vector<SimEvent> tickEvents_;

  int lines_ = 0;
  std::map<std::string, int> perFeature_;
  std::map<std::string, Moderation> moderation_;
  std::map<std::string, PhraseHits> phrases_;
  std::vector<std::string> phraseOrder_;
  std::map<std::string, int> triggers_;
  std::vector<std::string> triggerOrder_;
  std::vector<std::string> greeted_;
  std::vector<std::string> commands_;  // "line N, NICK: TEXT"
  std::map<std::string, int> announcements_;
  std::vector<std::string> announcementOrder_;
};

}  // namespace quorvel
