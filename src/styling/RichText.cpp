#include "styling/RichText.h"

namespace quorvel {

namespace {
constexpr size_t kMaxFormats = 4096;
}  // namespace

RichText RichText::FromPlainText(std::string_view text, const CharFormat& format) {
  RichText doc;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    doc.Append(text[i] == '\n' ? '\r' : text[i], format);
  }
  return doc;
}

const CharFormat& RichText::FormatAt(size_t index) const {
  static const CharFormat kDefault;
  if (index >= chars_.size()) return kDefault;
  return formats_[formatOf_[index]];
}

void RichText::Append(char c, const CharFormat& format) {
  std::uint16_t id;
  if (!formatOf_.empty() && formats_[formatOf_.back()] == format) {
    id = formatOf_.back();
  } else if (auto it = formatIds_.find(format); it != formatIds_.end()) {
    id = it->second;
  } else if (formats_.size() < kMaxFormats) {
    id = static_cast<std::uint16_t>(formats_.size());
    formats_.push_back(format);
    formatIds_.emplace(format, id);
  } else {
    id = static_cast<std::uint16_t>(formats_.size() - 1);  // beyond the cap, the last format serves
  }
  chars_.push_back(c);
  formatOf_.push_back(id);
}

void RichText::Append(std::string_view text, const CharFormat& format) {
  for (char c : text) Append(c, format);
}

void RichText::AppendRich(const RichText& other) {
  for (size_t i = 0; i < other.Size(); ++i) Append(other.chars_[i], other.FormatAt(i));
}

void RichText::Clear() {
  chars_.clear();
  formatOf_.clear();
  formats_.clear();
  formatIds_.clear();
}

std::string RichText::PlainText() const {
  std::string text = chars_;
  if (!text.empty() && text.back() == '\r') text.pop_back();
  std::string out;
  for (char c : text) {
    if (c == '\r') out += "\r\n";
    else out.push_back(c);
  }
  return out;
}

std::string RichText::MessageText() const {
  std::string text = chars_;
  while (!text.empty() && text.back() == '\r') text.pop_back();
  for (char& c : text)
    if (c == '\r') c = ' ';
  return text;
}

}  // namespace quorvel
