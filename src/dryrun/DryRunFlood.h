#pragma once
// The dry run's "Flood guard" section: the guard's reactions as its
// moderation records told them, counted per check and per nick, and the
// times a join flood paused the greeter. The text summary and the web page
// both word it with the functions here.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "model/ModerationRecord.h"

namespace quorvel {

struct StepCounts {
  int Warnings = 0;
  int Bounces = 0;
  int RedDots = 0;
};

struct FloodReaction {
  int Line = 0;  // the transcript line whose ticks carried it out
  ModerationStep Step = ModerationStep::Warning;
  std::string Cause;  // as the trace and the moderation log tell it
};

struct FloodNick {
  StepCounts Steps;
  std::vector<FloodReaction> Shown;  // the first kFloodReactionsShown
};

struct GreeterPause {
  int Line = 0;  // the line whose join began it
  int JoinsNotGreeted = 0;
};

// The checks in the order the guard tries them, each with the number that
// switches it off at 0.
struct FloodCheck {
  const char* Name;
  const char* SwitchName;
};
inline constexpr std::array<FloodCheck, 3> kFloodChecks = {
    {{"flood", "FloodMessages"}, {"repeat", "RepeatTimes"}, {"capitals", "CapsLetters"}}};

struct FloodFigures {
  bool On = false;                                  // for at least one tick
  std::array<bool, kFloodChecks.size()> Checked{};  // a check's number was above 0 while the guard was on
  std::array<StepCounts, kFloodChecks.size()> PerCheck{};
  std::map<std::string, FloodNick> PerNick;
  std::vector<GreeterPause> Pauses;
};

// How many reactions the section lists under a nick; the rest are counted.
inline constexpr size_t kFloodReactionsShown = 5;

void CountFloodReaction(FloodFigures& figures, const ModerationRecord& record, int line);

// "flood: 3 (2 warnings, 1 bounce)", "repeat: none", "capitals: off (CapsLetters 0)"
std::string FloodCheckLine(const FloodFigures& figures, size_t check);
// "Bob: 2 (1 warning, 1 bounce)"
std::string FloodNickLine(const std::string& nick, const FloodNick& reactions);
// "line 6: warning, flood: 6 messages in 5 s (warned first)"
std::string FloodReactionLine(const FloodReaction& reaction);
// "and 3 more"; empty when every reaction is listed.
std::string FloodMoreLine(const FloodNick& reactions);
// "Greeter paused by a join flood: 2 times"
std::string GreeterPausesLine(const FloodFigures& figures);
// "line 14: 7 joins not greeted"
std::string GreeterPauseLine(const GreeterPause& pause);

}  // namespace quorvel
