#include "styling/RtfWords.h"

namespace quorvel {
namespace {

constexpr size_t kMaxWord = 32;
constexpr size_t kMaxParamDigits = 10;

struct Named {
  std::string_view Word;
  char32_t Character;
};

constexpr Named kNamed[] = {{"emdash", 0x2014},    {"endash", 0x2013},    {"lquote", 0x2018}, {"rquote", 0x2019},
                            {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"bullet", 0x2022}};

}  // namespace

RtfControlWord ReadControlWord(std::string_view in, size_t& pos) {
  RtfControlWord w;
  while (pos < in.size() && IsRtfLetter(in[pos])) {
    if (w.Word.size() < kMaxWord) w.Word.push_back(in[pos]);
    ++pos;
  }
  bool negative = false;
  if (pos + 1 < in.size() && in[pos] == '-' && IsRtfDigit(in[pos + 1])) {
    negative = true;
    ++pos;
  }
  long long param = 0;
  size_t digits = 0;
  while (pos < in.size() && IsRtfDigit(in[pos])) {
    if (digits < kMaxParamDigits) param = param * 10 + (in[pos] - '0');
    ++digits;
    ++pos;
    w.HasParam = true;
  }
  if (param > 0x7FFFFFFF) param = 0x7FFFFFFF;
  w.Param = static_cast<int>(negative ? -param : param);
  if (pos < in.size() && in[pos] == ' ') ++pos;  // the delimiting blank belongs to the word
  return w;
}

char32_t NamedCharacter(std::string_view word) {
  for (const Named& n : kNamed)
    if (n.Word == word) return n.Character;
  return 0;
}

}  // namespace quorvel
