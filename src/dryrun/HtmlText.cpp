#include "dryrun/HtmlText.h"

#include <optional>

#include "text/CodePage.h"

namespace quorvel {

std::string HtmlCharset(int codePage) {
  switch (codePage) {
    case 874:
      return "windows-874";
    case 932:
      return "shift_jis";
    case 936:
      return "gbk";
    case 949:
      return "euc-kr";
    case 950:
      return "big5";
    default:
      if (codePage >= 1250 && codePage <= 1258) return "windows-" + std::to_string(codePage);
      return "windows-1252";
  }
}

namespace {

constexpr const char* kReplacement = "&#xFFFD;";

// Bytes from 0x80 on: one character of the code page, with the number of
// bytes it takes; U+FFFD for a lead byte without a trail byte and for what
// the code page does not define or maps to a C1 control.
std::string UpperCharacter(int codePage, std::string_view text, size_t i, size_t& length) {
  const auto c = static_cast<unsigned char>(text[i]);
  length = 1;
  if (IsLeadByte(codePage, c)) {
    if (i + 1 >= text.size() || !IsTrailByte(codePage, static_cast<unsigned char>(text[i + 1]))) return kReplacement;
    length = 2;
  }
  const std::string_view character = text.substr(i, length);
  const std::optional<char32_t> unicode = CodePageToUnicode(codePage, character);
  if (!unicode || *unicode < 0xA0 || *unicode == 0xFFFD) return kReplacement;
  return std::string(character);
}

}  // namespace

std::string HtmlEscaped(std::string_view text) {
  const int codePage = SystemCodePage();
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      size_t length = 1;
      out += UpperCharacter(codePage, text, i, length);
      i += length - 1;
      continue;
    }
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        if (c < 0x20 && c != '\t')
          out += "&#x24" + std::string(1, "0123456789ABCDEF"[c >> 4]) + "0123456789ABCDEF"[c & 15] + ";";
        else if (c == 0x7F)
          out += "&#x2421;";
        else
          out.push_back(static_cast<char>(c));
    }
  }
  return out;
}

}  // namespace quorvel
