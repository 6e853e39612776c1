#pragma once
// The characters of an RTF document's text turned into the system code page:
// \'hh bytes and plain 8-bit bytes are characters of the current font's
// character set (else of the document's \ansicpg), a lead and a trail byte
// making one character in the double-byte code pages; \uN is Unicode, a
// surrogate pair making one character. What the system code page cannot hold
// becomes "?"; zero-width characters are dropped.
#include <string>

namespace quorvel {

// The code page of a font whose \fcharset is the symbol set: its bytes are
// glyph numbers, not letters.
inline constexpr int kSymbolCodePage = -2;

class RtfCharDecoder {
 public:
  // One byte of text in codePage; appends what it completes to out.
  void Byte(unsigned char byte, int codePage, std::string& out);
  // The value of \uN, negative values as RTF writes those above 32767.
  void Unicode(int value, std::string& out);
  // A character in Unicode, as the reader's named characters (\emdash ...) give it.
  static void AppendUnicode(char32_t codePoint, std::string& out);
  // Drops half a character: a lead byte or a high surrogate waiting for its
  // other half when something else comes.
  void Reset();

 private:
  int pendingLead_ = -1;
  int pendingLeadCodePage_ = 0;
  char32_t pendingHighSurrogate_ = 0;
};

}  // namespace quorvel
