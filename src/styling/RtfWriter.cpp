// The RTF writer behind RichText::ToRtf: RichEdit-style documents that a
// rich-edit send box loads as formatted text. The text is in the system code
// page, so the document declares it (\ansicpg) and so do its fonts
// (\fcharset): a Cyrillic or Greek system's letters arrive as those letters.
#include <cstdio>
#include <vector>

#include "styling/RichText.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

constexpr const char* kDefaultFont = "Arial";

std::string HexEscape(unsigned char byte) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "\\'%02x", byte);
  return buf;
}

// One character of the text, which starts at text[i]; returns how many bytes
// it took. Both bytes of a double-byte character go as \'hh, so a trail byte
// that looks like "\\", "{" or "}" is never read as one.
size_t AppendEscaped(std::string_view text, size_t i, int codePage, std::string& out) {
  const char c = text[i];
  const auto u = static_cast<unsigned char>(c);
  if (IsLeadByte(codePage, u) && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x40) {
    out += HexEscape(u);
    out += HexEscape(static_cast<unsigned char>(text[i + 1]));
    return 2;
  }
  switch (c) {
    case '\\':
      out += "\\\\";
      return 1;
    case '{':
      out += "\\{";
      return 1;
    case '}':
      out += "\\}";
      return 1;
    case '\t':
      out += "\\tab ";
      return 1;
    default:
      break;
  }
  if (u >= 0x80)
    out += HexEscape(u);
  else if (u >= 0x20)
    out.push_back(c);
  // Other control characters have no place in a message; the reader drops
  // them as well, so what is written reads back the same.
  return 1;
}

template <typename T>
int IndexOf(std::vector<T>& table, const T& value) {
  for (size_t i = 0; i < table.size(); ++i)
    if (table[i] == value) return static_cast<int>(i);
  table.push_back(value);
  return static_cast<int>(table.size() - 1);
}

}  // namespace

std::string RtfEscape(std::string_view text) {
  std::string out;
  const int codePage = SystemCodePage();
  for (size_t i = 0; i < text.size();) i += AppendEscaped(text, i, codePage, out);
  return out;
}

std::string RichText::ToRtf() const {
  std::vector<std::string> fonts;
  std::vector<std::uint32_t> colors;
  // Tables first, in order of first use.
  for (size_t i = 0; i < Size(); ++i) {
    const CharFormat& f = FormatAt(i);
    IndexOf(fonts, f.FontName.empty() ? std::string(kDefaultFont) : f.FontName);
    if (f.Color != kAutoColor) IndexOf(colors, f.Color);
  }
  if (fonts.empty()) fonts.push_back(kDefaultFont);

  const int codePage = SystemCodePage();
  const std::string charset = std::to_string(CodePageCharset(codePage));
  std::string out = "{\\rtf1\\ansi\\ansicpg" + std::to_string(codePage) + "\\deff0{\\fonttbl";
  for (size_t i = 0; i < fonts.size(); ++i)
    out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset" + charset + " " + RtfEscape(fonts[i]) + ";}";
  out += "}\r\n{\\colortbl ;";
  for (std::uint32_t c : colors)
    out += "\\red" + std::to_string(c & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) + "\\blue" +
           std::to_string((c >> 16) & 0xFF) + ";";
  out += "}\r\n\\viewkind4\\uc1\\pard";

  CharFormat current;  // what the reader assumes before any word
  current.FontName = fonts[0];
  bool first = true;
  for (size_t i = 0; i < Size();) {
    CharFormat f = FormatAt(i);
    if (f.FontName.empty()) f.FontName = kDefaultFont;
    std::string words;
    if (first || f.Color != current.Color) {
      const int index = f.Color == kAutoColor ? 0 : IndexOf(colors, f.Color) + 1;
      words += "\\cf" + std::to_string(index);
    }
    if (first || f.Bold != current.Bold) words += f.Bold ? "\\b" : "\\b0";
    if (first || f.Italic != current.Italic) words += f.Italic ? "\\i" : "\\i0";
    if (first || f.Underline != current.Underline) words += f.Underline ? "\\ul" : "\\ulnone";
    if (first || f.Strike != current.Strike) words += f.Strike ? "\\strike" : "\\strike0";
    if (first || f.FontName != current.FontName) words += "\\f" + std::to_string(IndexOf(fonts, f.FontName));
    if (first || f.HalfPoints != current.HalfPoints) words += "\\fs" + std::to_string(f.HalfPoints);
    if (!words.empty()) out += words + " ";
    current = f;
    first = false;
    const char c = Chars()[i];
    if (c == '\r') {
      out += "\\par\r\n";
      ++i;
    } else if (c == '\v') {
      out += "\\line ";
      ++i;
    } else {
      i += AppendEscaped(Chars(), i, codePage, out);  // a two-byte character takes its first byte's format
    }
  }
  out += "}\r\n";
  return out;
}

}  // namespace quorvel
