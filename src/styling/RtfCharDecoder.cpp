#include "styling/RtfCharDecoder.h"

#include <optional>

#include "text/CodePage.h"

namespace quorvel {
namespace {

// No double-byte code page has a trail byte below this.
constexpr unsigned char kLowestTrailByte = 0x40;

bool IsZeroWidth(char32_t c) { return c == 0x200B || c == 0x2060 || c == 0xFEFF; }

// The symbol set's bullet, as Word and WordPad write a bulleted item; other
// glyphs have no letter.
char32_t SymbolToUnicode(unsigned char byte) {
  if (byte < 0x80) return byte;
  return byte == 0xB7 ? 0x2022 : U'?';
}

}  // namespace

void RtfCharDecoder::AppendUnicode(char32_t codePoint, std::string& out) {
  if (IsZeroWidth(codePoint)) return;
  out += UnicodeToSystem(codePoint);
}

void RtfCharDecoder::Byte(unsigned char byte, int codePage, std::string& out) {
  pendingHighSurrogate_ = 0;
  const int system = SystemCodePage();
  if (pendingLead_ >= 0) {
    const std::string pair{static_cast<char>(pendingLead_), static_cast<char>(byte)};
    const int pairCodePage = pendingLeadCodePage_;
    pendingLead_ = -1;
    if (byte < kLowestTrailByte) {
      out += '?';  // a lead byte without its trail; the byte after it stands alone
      Byte(byte, codePage, out);
      return;
    }
    if (pairCodePage == system) {
      out += pair;  // already the system's own bytes
      return;
    }
    const std::optional<char32_t> c = CodePageToUnicode(pairCodePage, pair);
    out += c ? UnicodeToSystem(*c) : std::string("?");
    return;
  }
  if (codePage == kSymbolCodePage) {
    AppendUnicode(SymbolToUnicode(byte), out);
    return;
  }
  if (IsLeadByte(codePage, byte)) {
    pendingLead_ = byte;
    pendingLeadCodePage_ = codePage;
    return;
  }
  if (byte < 0x80 || codePage == system) {
    out.push_back(static_cast<char>(byte));
    return;
  }
  const std::optional<char32_t> c = CodePageToUnicode(codePage, std::string(1, static_cast<char>(byte)));
  out += c ? UnicodeToSystem(*c) : std::string("?");
}

void RtfCharDecoder::Unicode(int value, std::string& out) {
  pendingLead_ = -1;
  const auto unit = static_cast<char32_t>(value < 0 ? value + 65536 : value) & 0xFFFF;
  if (unit >= 0xD800 && unit <= 0xDBFF) {
    if (pendingHighSurrogate_) out += '?';  // a high surrogate without its low one
    pendingHighSurrogate_ = unit;
    return;
  }
  if (unit >= 0xDC00 && unit <= 0xDFFF) {
    const char32_t high = pendingHighSurrogate_;
    pendingHighSurrogate_ = 0;
    if (!high) {
      out += '?';
      return;
    }
    AppendUnicode(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00), out);
    return;
  }
  if (pendingHighSurrogate_) out += '?';
  pendingHighSurrogate_ = 0;
  AppendUnicode(unit, out);
}

void RtfCharDecoder::Reset() {
  pendingLead_ = -1;
  pendingHighSurrogate_ = 0;
}

}  // namespace quorvel
