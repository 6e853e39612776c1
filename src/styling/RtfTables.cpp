#include "styling/RtfTables.h"

#include <algorithm>

#include "styling/RichText.h"
#include "styling/RtfCharDecoder.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

constexpr size_t kMaxTableEntries = 1024;
constexpr size_t kMaxFontName = 128;
constexpr int kSymbolCharset = 2;

}  // namespace

void RtfTables::StartColors() {
  components_ = {0, 0, 0};
  hasComponent_ = false;
}

void RtfTables::ColorWord(const std::string& word, int param) {
  const int index = word == "red" ? 0 : word == "green" ? 1 : word == "blue" ? 2 : -1;
  if (index < 0) return;
  components_[index] = std::max(0, std::min(param, 255));
  hasComponent_ = true;
}

void RtfTables::EndColorEntry() {
  if (colors_.size() < kMaxTableEntries)
    colors_.push_back(hasComponent_ ? Rgb(components_[0], components_[1], components_[2]) : kAutoColor);
  StartColors();
}

std::uint32_t RtfTables::Color(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= colors_.size()) return kAutoColor;
  return colors_[index];
}

void RtfTables::StartFont() {
  fontName_.clear();
  fontCodePage_ = 0;
}

void RtfTables::FontWord(const std::string& word, int param) {
  if (word == "fcharset")
    fontCodePage_ = param == kSymbolCharset ? kSymbolCodePage : CharsetCodePage(param);
  else if (word == "cpg" && IsSupportedCodePage(param))
    fontCodePage_ = param;
}

void RtfTables::FontNameChar(char c) {
  // Control bytes are dropped here as in the text: the writer cannot keep them.
  if (static_cast<unsigned char>(c) < 0x20) return;
  if (fontName_.size() < kMaxFontName) fontName_.push_back(c);
}

void RtfTables::EndFontEntry(int number) {
  if (number >= 0 && fonts_.size() < kMaxTableEntries) {
    std::string name = fontName_;
    while (!name.empty() && name.back() == ' ') name.pop_back();
    while (!name.empty() && name.front() == ' ') name.erase(0, 1);
    fonts_.push_back({number, name, fontCodePage_});
  }
  StartFont();
}

const RtfTables::Font* RtfTables::Find(int number) const {
  for (const Font& f : fonts_)
    if (f.Number == number) return &f;
  return nullptr;
}

std::string RtfTables::FontName(int number) const {
  const Font* f = Find(number);
  return f ? f->Name : std::string();
}

int RtfTables::FontCodePage(int number) const {
  const Font* f = Find(number);
  return f ? f->CodePage : 0;
}

}  // namespace quorvel
