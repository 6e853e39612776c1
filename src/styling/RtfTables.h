#pragma once
// The font and colour tables of an RTF document as the reader meets them,
// capped in size: font names with the code page of their \fcharset, and
// colours by index.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvel {

class RtfTables {
 public:
  // Colour table: components, then ";" ends an entry.
  void StartColors();
  void ColorWord(const std::string& word, int param);
  void EndColorEntry();
  // kAutoColor for \cf0 and for an index the table does not hold.
  std::uint32_t Color(int index) const;

  // Font table: \fN starts an entry, its name runs up to ";".
  void StartFont();
  void FontWord(const std::string& word, int param);
  void FontNameChar(char c);
  void EndFontEntry(int number);
  std::string FontName(int number) const;
  // 0 when the font names no code page this reader knows.
  int FontCodePage(int number) const;

 private:
  struct Font {
    int Number;
    std::string Name;
    int CodePage;
  };
  const Font* Find(int number) const;

  std::vector<std::uint32_t> colors_;
  std::array<int, 3> components_{0, 0, 0};
  bool hasComponent_ = false;
  std::vector<Font> fonts_;
  std::string fontName_;
  int fontCodePage_ = 0;
};

}  // namespace quorvel
