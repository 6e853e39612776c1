#include "text/AnsiText.h"

#include "text/CodePage.h"
#include "text/SingleByteTables.h"

namespace quorvel {

namespace {

enum class Case { Lower, Upper };

char FoldByte(const SingleByteCodePage* page, Case to, char c) {
  const auto u = static_cast<unsigned char>(c);
  if (u < 0x80) {
    if (to == Case::Lower && u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
    if (to == Case::Upper && u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    return c;
  }
  if (!page) return c;  // a double-byte code page folds ASCII only
  return static_cast<char>(to == Case::Lower ? page->Lower[u - 0x80] : page->Upper[u - 0x80]);
}

std::string Fold(std::string_view text, Case to) {
  const int codePage = SystemCodePage();
  const SingleByteCodePage* page = FindSingleByteCodePage(codePage);
  std::string out(text);
  for (size_t i = 0; i < out.size(); ++i) {
    if (IsLeadByte(codePage, static_cast<unsigned char>(out[i]))) {
      ++i;  // the trail byte may look like an ASCII letter; it is not one
      continue;
    }
    out[i] = FoldByte(page, to, out[i]);
  }
  return out;
}

}  // namespace

char AnsiLowerChar(char c) { return FoldByte(FindSingleByteCodePage(SystemCodePage()), Case::Lower, c); }

char AnsiUpperChar(char c) { return FoldByte(FindSingleByteCodePage(SystemCodePage()), Case::Upper, c); }

std::string AnsiLower(std::string_view text) { return Fold(text, Case::Lower); }

std::string AnsiUpper(std::string_view text) { return Fold(text, Case::Upper); }

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && AnsiLower(a) == AnsiLower(b);
}

std::string TrimLeadingBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  size_t pos = 0;
  for (size_t hit; (hit = text.find(from, pos)) != std::string_view::npos; pos = hit + from.size()) {
    out.append(text.substr(pos, hit - pos));
    out.append(to);
  }
  out.append(text.substr(pos));
  return out;
}

std::string RemoveAll(std::string_view text, std::string_view what) { return ReplaceAll(text, what, ""); }

std::string RemoveChar(std::string_view text, char c) {
  std::string out;
  out.reserve(text.size());
  for (char x : text)
    if (x != c) out.push_back(x);
  return out;
}

std::vector<std::string> SplitAt(std::string_view text, char separator) {
  std::vector<std::string> pieces(1);
  for (const char c : text) {
    if (c == separator)
      pieces.emplace_back();
    else
      pieces.back().push_back(c);
  }
  return pieces;
}

std::string RemoveLoneCarriageReturns(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) continue;
    out.push_back(text[i]);
  }
  return out;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string CutAtCharacter(std::string_view text, size_t maxBytes) {
  const int codePage = SystemCodePage();
  size_t end = 0;
  while (end < text.size()) {
    const size_t width = IsLeadByte(codePage, static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + width > maxBytes || end + width > text.size()) break;
    end += width;
  }
  return std::string(text.substr(0, end));
}

std::string FirstCharacters(std::string_view text, size_t count) {
  const int codePage = SystemCodePage();
  size_t end = 0;
  for (size_t characters = 0; characters < count && end < text.size(); ++characters) {
    const bool pair = IsLeadByte(codePage, static_cast<unsigned char>(text[end])) && end + 1 < text.size();
    end += pair ? 2 : 1;
  }
  return std::string(text.substr(0, end));
}

}  // namespace quorvel
