#include "dryrun/DryRunFlood.h"

namespace quorvel {
namespace {

std::string Counted(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "none", "1 warning", "3 (2 warnings, 1 bounce)".
std::string StepsText(const StepCounts& c) {
  std::vector<std::string> parts;
  if (c.Warnings) parts.push_back(Counted(c.Warnings, "warning", "warnings"));
  if (c.Bounces) parts.push_back(Counted(c.Bounces, "bounce", "bounces"));
  if (c.RedDots) parts.push_back(Counted(c.RedDots, "red dot", "red dots"));
  if (parts.empty()) return "none";
  if (parts.size() == 1) return parts.front();
  std::string text = std::to_string(c.Warnings + c.Bounces + c.RedDots) + " (";
  for (size_t i = 0; i < parts.size(); ++i) text += (i ? ", " : "") + parts[i];
  return text + ")";
}

void Count(StepCounts& c, ModerationStep step) {
  ++(step == ModerationStep::Warning ? c.Warnings : step == ModerationStep::Bounce ? c.Bounces : c.RedDots);
}

int Total(const StepCounts& c) { return c.Warnings + c.Bounces + c.RedDots; }

}  // namespace

void CountFloodReaction(FloodFigures& f, const ModerationRecord& r, int line) {
  // The record's figures begin with the check's name: "repeat: 3 times".
  const std::string check = r.Detail.substr(0, r.Detail.find(':'));
  for (size_t i = 0; i < kFloodChecks.size(); ++i)
    if (check == kFloodChecks[i].Name) Count(f.PerCheck[i], r.Step);
  FloodNick& nick = f.PerNick[r.Nick];
  Count(nick.Steps, r.Step);
  if (nick.Shown.size() < kFloodReactionsShown) nick.Shown.push_back({line, r.Step, CauseText(r)});
}

std::string FloodCheckLine(const FloodFigures& f, size_t check) {
  const std::string name = std::string(kFloodChecks[check].Name) + ": ";
  if (!f.Checked[check] && Total(f.PerCheck[check]) == 0)
    return name + "off (" + kFloodChecks[check].SwitchName + " 0)";
  return name + StepsText(f.PerCheck[check]);
}

std::string FloodNickLine(const std::string& nick, const FloodNick& reactions) {
  return nick + ": " + StepsText(reactions.Steps);
}

std::string FloodReactionLine(const FloodReaction& reaction) {
  return "line " + std::to_string(reaction.Line) + ": " + StepName(reaction.Step) + ", " + reaction.Cause;
}

std::string FloodMoreLine(const FloodNick& reactions) {
  const int more = Total(reactions.Steps) - static_cast<int>(reactions.Shown.size());
  return more > 0 ? "and " + std::to_string(more) + " more" : "";
}

std::string GreeterPausesLine(const FloodFigures& f) {
  const auto n = static_cast<int>(f.Pauses.size());
  return "Greeter paused by a join flood: " + (n == 0 ? std::string("never") : Counted(n, "time", "times"));
}

std::string GreeterPauseLine(const GreeterPause& pause) {
  return "line " + std::to_string(pause.Line) + ": " + Counted(pause.JoinsNotGreeted, "join", "joins") + " not greeted";
}

}  // namespace quorvel
