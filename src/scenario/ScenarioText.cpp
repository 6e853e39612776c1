#include "scenario/ScenarioText.h"

namespace quorvel {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string UnescapeFreeText(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 >= text.size()) {
      out.push_back(text[i]);
      continue;
    }
    const char n = text[i + 1];
    switch (n) {
      case 't':
        out.push_back('\t');
        ++i;
        break;
      case 'r':
        out.push_back('\r');
        ++i;
        break;
      case 'n':
        out.push_back('\n');
        ++i;
        break;
      case 's':
        out.push_back(' ');
        ++i;
        break;
      case '\\':
        out.push_back('\\');
        ++i;
        break;
      case 'x':
        if (i + 3 < text.size() && HexDigit(text[i + 2]) >= 0 && HexDigit(text[i + 3]) >= 0) {
          out.push_back(static_cast<char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3])));
          i += 3;
        } else {
          out.push_back('\\');
        }
        break;
      default:
        out.push_back('\\');
        break;
    }
  }
  return out;
}

std::vector<std::string> SplitScenarioLines(const std::string& content) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : content) {
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
      line.clear();
    } else {
      line.push_back(c);
    }
  }
  if (!line.empty()) {
    if (line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::optional<std::string> StatementCursor::Word() {
  if (started_) {
    if (pos_ >= text_.size() || text_[pos_] != ' ') return std::nullopt;
    ++pos_;  // the one blank before the argument
  }
  started_ = true;
  if (pos_ >= text_.size()) return std::nullopt;
  const size_t end = text_.find(' ', pos_);
  const size_t stop = end == std::string::npos ? text_.size() : end;
  std::string word = text_.substr(pos_, stop - pos_);
  pos_ = stop;
  return word;
}

std::string StatementCursor::Rest() const {
  if (pos_ >= text_.size() || text_[pos_] != ' ') return {};
  return text_.substr(pos_ + 1);
}

}  // namespace quorvel
