#pragma once
// Where a monitored phrase stands in a line, for the dry run's report: every
// place the bot's own rule finds it, whether a longer word swallows it there,
// and which word. The usual false alarm is a phrase inside a harmless word
// ("hell" in "hello"); the report names those words.
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

struct PhraseOccurrence {
  // The part of the text it covers: a word entry's blank that stands for the
  // text's start or end is not part of it.
  size_t At = 0;
  size_t Length = 0;
  // A letter or digit touches it on a side where the phrase itself begins or
  // ends with one.
  bool InsideWord = false;
  // When inside a word: the occurrence widened to the left and right over
  // letters and digits (every byte above 0x7F counts as a letter, which holds
  // for the letters of every ANSI code page the client runs in).
  std::string Word;
};

// Whether the phrase begins, and whether it ends, with a letter or digit:
// the sides on which a longer word can swallow it.
struct WordEdges {
  bool Begins = false;
  bool Ends = false;
};
WordEdges PhraseWordEdges(std::string_view phrase);

// Every occurrence in order, overlapping ones too, by the rule of a phrase
// list's entries (EntryOccurs), so a word entry is found at the text's start
// and end. In a double-byte code page only those that start on a character
// count, as the bot matches; there a two-byte character counts as a letter.
// An empty phrase stands once, on its own, at the start of a non-empty text;
// nothing occurs in an empty text.
std::vector<PhraseOccurrence> PhraseOccurrences(std::string_view text, std::string_view phrase);

// Whether the phrase occurs and every occurrence is inside a longer word.
bool OnlyInsideWords(std::string_view text, std::string_view phrase);

}  // namespace quorvel
