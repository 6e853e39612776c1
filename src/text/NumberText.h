#pragma once
// Numbers the panel keeps as text (intervals, counters, list positions) are
// read the way the classic Val reads them: leading blanks skipped, then an
// optional sign, digits and an optional fraction; whatever follows is
// ignored. Reading never fails loudly: a text is "not a number at all" only
// when no digit follows the blanks and the sign.
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

struct NumberText {
  double Value = 0;
  // The whole text is a whole number: blanks around it, an optional sign,
  // digits and nothing else. Only such a number may be counted up.
  bool Whole = false;
};

std::optional<NumberText> ReadNumber(std::string_view text);

// Val of the text as a list position: nothing when it is not a number, is
// negative or lies beyond any list.
std::optional<int> ReadIndex(std::string_view text);

// A whole-number text plus one, in plain decimal digits; nothing when the
// text is no whole number (the caller leaves it as it is).
std::optional<std::string> CountedUp(std::string_view text);

}  // namespace quorvel
