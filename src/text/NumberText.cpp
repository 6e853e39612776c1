#include "text/NumberText.h"

#include <cmath>
#include <limits>

namespace quorvel {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<NumberText> ReadNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const size_t digitsStart = i;
  double value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) value = value * 10 + (text[i] - '0');
  const size_t integerDigits = i - digitsStart;
  size_t fractionDigits = 0;
  const bool point = i < text.size() && text[i] == '.';
  if (point) {
    double scale = 0.1;
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++fractionDigits, scale /= 10) value += (text[i] - '0') * scale;
  }
  if (integerDigits == 0 && fractionDigits == 0) return std::nullopt;
  size_t rest = i;
  while (rest < text.size() && text[rest] == ' ') ++rest;
  NumberText number;
  number.Value = negative ? -value : value;
  number.Whole = integerDigits > 0 && !point && rest == text.size();
  return number;
}

std::optional<int> ReadIndex(std::string_view text) {
  const auto number = ReadNumber(text);
  if (!number || number->Value < 0 || number->Value >= std::numeric_limits<int>::max()) return std::nullopt;
  // A position is a whole number; a fraction rounds as the classic CInt does.
  return static_cast<int>(std::nearbyint(number->Value));
}

std::optional<std::string> CountedUp(std::string_view text) {
  const auto number = ReadNumber(text);
  // Beyond 2^53 a double no longer counts in ones.
  if (!number || !number->Whole || std::fabs(number->Value) >= 9007199254740992.0) return std::nullopt;
  return std::to_string(static_cast<long long>(number->Value) + 1);
}

}  // namespace quorvel
