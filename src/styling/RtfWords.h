#pragma once
// The lexical side of RTF for the reader: control words with their
// parameters, read with hard caps, and the words that stand for a character.
#include <string>
#include <string_view>

namespace quorvel {

struct RtfControlWord {
  std::string Word;  // at most 32 letters; longer words are cut
  bool HasParam = false;
  int Param = 0;  // clamped to the int range
};

// Reads the control word that starts at in[pos] (after its backslash) with its
// parameter and delimiting blank; pos ends after them.
RtfControlWord ReadControlWord(std::string_view in, size_t& pos);

// The character a word such as \emdash stands for; 0 for any other word.
char32_t NamedCharacter(std::string_view word);

inline bool IsRtfLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
inline bool IsRtfDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsRtfHex(char c) { return IsRtfDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
inline int RtfHexValue(char c) { return IsRtfDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10; }

}  // namespace quorvel
