#include "dryrun/PhraseOccurrences.h"

#include <algorithm>

#include "text/CodePage.h"
#include "text/Occurs.h"

namespace quorvel {
namespace {

bool WordByte(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u >= 0x80;
}

// Where the characters of a text start: at every byte in a single-byte code
// page; in a double-byte one not on the trail byte after a lead byte, found
// from the start of the text as the bot's matcher finds them.
class Characters {
 public:
  explicit Characters(std::string_view text) {
    const int codePage = SystemCodePage();
    if (!IsDoubleByteCodePage(codePage)) return;
    starts_.assign(text.size() + 1, true);
    for (size_t i = 0; i + 1 < text.size(); ++i)
      if (IsLeadByte(codePage, static_cast<unsigned char>(text[i]))) starts_[++i] = false;
  }
  bool StartsAt(size_t i) const { return starts_.empty() || starts_[i]; }
  // The start of the character that ends right before i (i > 0).
  size_t Before(size_t i) const {
    do --i;
    while (!StartsAt(i));
    return i;
  }

 private:
  std::vector<bool> starts_;
};

// A character is a letter when its first byte is: a lead byte always is.
std::string WordAround(std::string_view text, const Characters& chars, size_t at, size_t end) {
  size_t start = at;
  while (start > 0) {
    const size_t before = chars.Before(start);
    if (!WordByte(text[before])) break;
    start = before;
  }
  size_t stop = end;
  while (stop < text.size() && (!chars.StartsAt(stop) || WordByte(text[stop]))) ++stop;
  return std::string(text.substr(start, stop - start));
}

}  // namespace

WordEdges PhraseWordEdges(std::string_view phrase) {
  if (phrase.empty()) return {};
  return {WordByte(phrase.front()), WordByte(phrase[Characters(phrase).Before(phrase.size())])};
}

std::vector<PhraseOccurrence> PhraseOccurrences(std::string_view message, std::string_view phrase) {
  std::vector<PhraseOccurrence> found;
  if (message.empty()) return found;
  if (phrase.empty()) return {PhraseOccurrence{}};
  // A word entry is looked for with a blank before and after the message, as
  // the bot looks for it; places are then counted in the message itself.
  const bool padded = IsWordEntry(phrase);
  const std::string text = padded ? WithWordEnds(message) : std::string(message);
  const size_t shift = padded ? 1 : 0;
  const Characters chars(text);
  const WordEdges edges = PhraseWordEdges(phrase);
  for (size_t at = text.find(phrase); at != std::string::npos; at = text.find(phrase, at + 1)) {
    if (!chars.StartsAt(at)) continue;  // on a trail byte: the bot never sees a phrase there
    const size_t end = at + phrase.size();
    const bool joinedBefore = edges.Begins && at > 0 && WordByte(text[chars.Before(at)]);
    const bool joinedAfter = edges.Ends && end < text.size() && (!chars.StartsAt(end) || WordByte(text[end]));
    const size_t first = std::max(at, shift) - shift;
    const size_t last = std::min(end - shift, message.size());
    PhraseOccurrence o{first, last - first, joinedBefore || joinedAfter, {}};
    if (o.InsideWord) o.Word = WordAround(text, chars, at, end);
    found.push_back(std::move(o));
  }
  return found;
}

bool OnlyInsideWords(std::string_view text, std::string_view phrase) {
  const auto found = PhraseOccurrences(text, phrase);
  for (const auto& o : found)
    if (!o.InsideWord) return false;
  return !found.empty();
}

}  // namespace quorvel
