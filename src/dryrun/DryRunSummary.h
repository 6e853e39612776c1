#pragma once
// What a dry run reports after the trace: for each line of the replayed
// transcript and each tick it caused, which feature sent what, who was
// bounced or red-dotted and why, which phrases and triggers the lines hit.
#include <iosfwd>
#include <string>
#include <vector>

#include "dryrun/DryRunFigures.h"
#include "model/BotSettings.h"
#include "model/ChatLine.h"
#include "model/ModerationRecord.h"
#include "sim/SimEvents.h"

namespace quorvel {

class DryRunSummary {
 public:
  // A new transcript line, as the room shows it, before its ticks run.
  void BeginLine(int number, const std::string& line, const BotSettings& settings);
  void BeginTick(const BotSettings& settings);
  void Heard(const SimEvent& event);  // an event of the tick that runs
  // A bounce, red dot or warning of the tick that runs, as the engine recorded it.
  void Recorded(const ModerationRecord& record);
  void EndTick(const BotSettings& settings);

  const DryRunFigures& Figures() const { return figures_; }
  void Print(std::ostream& out) const;

 private:
  std::string Attribute(const SimEvent& sent, const BotSettings& after) const;
  void CountPhrases(const BotSettings& settings);
  void CountPhrase(const std::string& phrase);
  void NoteFlood(const BotSettings& after);

  int lineNumber_ = 0;
  ChatLine parsed_;  // the line as the bot's classification reads it
  bool lineByAdmin_ = false;
  bool commandCounted_ = false;
  int ticksOfLine_ = 0;
  bool greeterPaused_ = false;  // by a join flood, when the tick began
  std::string fingerprint_;
  std::vector<SimEvent> tickEvents_;
  std::vector<ModerationRecord> tickRecords_;
  DryRunFigures figures_;
};

}  // namespace quorvel
