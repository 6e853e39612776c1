#include "sim/HtmlText.h"

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

std::string HtmlEscaped(std::string_view text) {
  const int codePage = SystemCodePage();
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(codePage, c) && i + 1 < text.size()) {
      out.append(text.substr(i++, 2));
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
