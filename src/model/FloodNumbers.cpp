#include "model/FloodNumbers.h"

#include "model/BotSettings.h"
#include "text/AnsiText.h"

namespace quorvel {
namespace {

constexpr long kMostAllowed = 1000000;

template <std::string BotSettings::FloodSettings::*Member>
std::string& Box(BotSettings& s) {
  return s.Flood.*Member;
}
template <std::string BotSettings::FloodSettings::*Member>
const std::string& ShownBox(const BotSettings& s) {
  return s.Flood.*Member;
}

template <std::string BotSettings::FloodSettings::*Member>
FloodNumber Number(const char* name, long fallback, PanelBox box) {
  return {name, &Box<Member>, &ShownBox<Member>, fallback, box};
}

std::optional<long> WholeNumber(const std::string& text) {
  const std::string digits = TrimBlanks(text);
  if (digits.empty() || digits.size() > 7) return std::nullopt;
  long value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value <= kMostAllowed ? std::optional<long>(value) : std::nullopt;
}

}  // namespace

const std::vector<FloodNumber>& FloodNumbers() {
  using F = BotSettings::FloodSettings;
  static const std::vector<FloodNumber> numbers = {
      Number<&F::FloodMessages>("FloodMessages", 5, PanelBox::FloodMessages),
      Number<&F::FloodSeconds>("FloodSeconds", 5, PanelBox::FloodSeconds),
      Number<&F::RepeatTimes>("RepeatTimes", 3, PanelBox::RepeatTimes),
      Number<&F::RepeatSeconds>("RepeatSeconds", 30, PanelBox::RepeatSeconds),
      Number<&F::CapsLetters>("CapsLetters", 0, PanelBox::CapsLetters),
      Number<&F::CapsPercent>("CapsPercent", 75, PanelBox::CapsPercent),
      Number<&F::JoinFloodJoins>("JoinFloodJoins", 5, PanelBox::JoinFloodJoins),
      Number<&F::JoinFloodSeconds>("JoinFloodSeconds", 10, PanelBox::JoinFloodSeconds),
  };
  return numbers;
}

long FloodValue(const std::string& text, long fallback) { return WholeNumber(text).value_or(fallback); }

long FloodValue(const BotSettings& settings, const FloodNumber& number) {
  return FloodValue(number.ReadText(settings), number.Default);
}

std::string FloodFileText(const BotSettings& settings) {
  std::string text;
  for (const FloodNumber& n : FloodNumbers())
    text += std::string(n.Name) + "=" + std::to_string(FloodValue(settings, n)) + "\r\n";
  return text;
}

void SetFloodDefaults(BotSettings& settings) {
  for (const FloodNumber& n : FloodNumbers()) n.Text(settings) = std::to_string(n.Default);
}

bool ReadFloodFile(const std::string& text, BotSettings& settings) {
  SetFloodDefaults(settings);
  const std::vector<FloodNumber>& numbers = FloodNumbers();
  std::vector<std::optional<long>> read(numbers.size());
  for (const std::string& line : SplitAt(RemoveChar(text, '\r'), '\n')) {
    if (TrimBlanks(line).empty()) continue;
    const size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    const std::string name = TrimBlanks(line.substr(0, equals));
    size_t k = 0;
    while (k < numbers.size() && name != numbers[k].Name) ++k;
    if (k == numbers.size() || !(read[k] = WholeNumber(line.substr(equals + 1)))) return false;
  }
  // A number the file leaves out keeps its default.
  for (size_t k = 0; k < numbers.size(); ++k)
    if (read[k]) numbers[k].Text(settings) = std::to_string(*read[k]);
  return true;
}

}  // namespace quorvel
