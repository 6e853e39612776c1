#include "styling/RichText.h"

#include <algorithm>

#include "storage/WholeFile.h"

namespace quorvel {

namespace {
constexpr size_t kMaxFormats = 4096;
}  // namespace

void FormatChange::ApplyTo(CharFormat& f) const {
  if (Bold) f.Bold = *Bold;
  if (Italic) f.Italic = *Italic;
  if (Underline) f.Underline = *Underline;
  if (Strike) f.Strike = *Strike;
  if (Color) f.Color = *Color;
  if (HalfPoints) f.HalfPoints = *HalfPoints;
  if (FontName) f.FontName = *FontName;
}

void RichText::SetRtf(std::string_view rtf) {
  const auto forced = forcedColor_;
  *this = FromRtf(rtf);
  forcedColor_ = forced;
  ApplyForcedColor();
}

void RichText::SetPlainText(std::string_view text, const CharFormat& format) {
  const auto forced = forcedColor_;
  *this = FromPlainText(text, format);
  forcedColor_ = forced;
  ApplyForcedColor();
}

bool RichText::LoadRtfFile(const std::string& path) {
  const std::optional<std::string> content = ReadWholeFile(path);
  if (!content) return false;
  SetRtf(*content);
  return true;
}

SaveResult RichText::SaveRtfFile(const std::string& path) const { return WriteFileReplacing(path, ToRtf()); }

void RichText::FormatRange(size_t start, size_t length, const FormatChange& change) {
  if (start >= chars_.size()) return;
  const size_t end = std::min(chars_.size(), start + std::min(length, chars_.size()));
  RichText rebuilt;
  for (size_t i = 0; i < chars_.size(); ++i) {
    CharFormat f = FormatAt(i);
    if (i >= start && i < end) change.ApplyTo(f);
    rebuilt.Append(chars_[i], f);
  }
  rebuilt.forcedColor_ = forcedColor_;
  *this = std::move(rebuilt);
}

void RichText::SetForcedColor(std::optional<std::uint32_t> color) {
  forcedColor_ = color;
  ApplyForcedColor();
}

void RichText::ApplyForcedColor() {
  if (!forcedColor_ || chars_.empty()) return;
  FormatChange change;
  change.Color = *forcedColor_;
  const auto forced = forcedColor_;
  forcedColor_.reset();  // FormatRange must not recurse into this
  FormatRange(0, chars_.size(), change);
  forcedColor_ = forced;
}

RichText RichText::FromPlainText(std::string_view text, const CharFormat& format) {
  RichText doc;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    const char c = text[i] == '\n' ? '\r' : text[i];
    if (!Holds(c)) continue;  // the RTF reader drops them too
    doc.Append(c, format);
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
  ApplyForcedColor();
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
    if (c == '\r')
      out += "\r\n";
    else
      out.push_back(c);
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
