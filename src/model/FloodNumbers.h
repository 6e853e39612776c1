#pragma once
// The flood guard's numbers: their names (the boxes', and the keys of
// "flood.txt", one NAME=VALUE a line), their defaults and how they read.
#include <optional>
#include <string>
#include <vector>

#include "model/PanelView.h"

namespace quorvel {

struct BotSettings;

inline constexpr const char* kFloodFile = "flood.txt";

struct FloodNumber {
  const char* Name;
  std::string& (*Text)(BotSettings&);
  const std::string& (*ReadText)(const BotSettings&);
  long Default;
  PanelBox Box;  // what the view is told when the model sets it
};

// FloodMessages, FloodSeconds, RepeatTimes, RepeatSeconds, CapsLetters,
// CapsPercent, JoinFloodJoins, JoinFloodSeconds, in that order.
const std::vector<FloodNumber>& FloodNumbers();

// A box's whole number; the default while it holds none (blank, letters, a
// sign or more than a million).
long FloodValue(const std::string& text, long fallback);
long FloodValue(const BotSettings& settings, const FloodNumber& number);

// The file's text for the numbers the boxes hold now; a box that holds no
// whole number is written with its default.
std::string FloodFileText(const BotSettings& settings);
// Sets the boxes from the file's text; false, with every box at its default,
// when a line is no NAME=VALUE of a known name and a whole number.
bool ReadFloodFile(const std::string& text, BotSettings& settings);
void SetFloodDefaults(BotSettings& settings);

}  // namespace quorvel
