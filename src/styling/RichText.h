#pragma once
// The one rich-text buffer: text plus a format per character. Paragraph
// marks are kept as '\r' characters with their own format, as a rich-edit
// control keeps them.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "storage/WholeFile.h"

namespace quorvel {

inline constexpr std::uint32_t kAutoColor = 0xFFFFFFFF;

struct CharFormat {
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool Strike = false;
  std::uint32_t Color = kAutoColor;  // COLORREF, red in the low byte
  int HalfPoints = 24;               // 12 points unless the text says otherwise
  std::string FontName;

  bool operator==(const CharFormat& other) const = default;
  auto Key() const { return std::tie(Bold, Italic, Underline, Strike, Color, HalfPoints, FontName); }
  bool operator<(const CharFormat& other) const { return Key() < other.Key(); }
};

// A change of format over a range: the fields that are set are applied.
struct FormatChange {
  std::optional<bool> Bold, Italic, Underline, Strike;
  std::optional<std::uint32_t> Color;
  std::optional<int> HalfPoints;
  std::optional<std::string> FontName;

  void ApplyTo(CharFormat& format) const;
};

// Red, green and blue into a COLORREF.
constexpr std::uint32_t Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

class RichText {
 public:
  RichText() = default;

  // RTF as rich-edit controls and hand-written design files hold it. Input that
  // does not start with "{\rtf" is taken as plain text; malformed RTF gives a
  // best-effort document, never a failure.
  static RichText FromRtf(std::string_view rtf);
  static RichText FromPlainText(std::string_view text, const CharFormat& format = {});

  // The complete RTF document, as a rich-edit control would write it.
  std::string ToRtf() const;
  // Loading replaces the content; a file that cannot be read leaves it as it
  // was and answers false.
  bool LoadRtfFile(const std::string& path);
  SaveResult SaveRtfFile(const std::string& path) const;
  void SetRtf(std::string_view rtf);
  // CR LF (or a lone CR or LF) separates paragraphs.
  void SetPlainText(std::string_view text, const CharFormat& format = {});

  void FormatRange(size_t start, size_t length, const FormatChange& change);
  void FormatAll(const FormatChange& change) { FormatRange(0, Size(), change); }

  // A buffer that colours every change of its text, such as the notice
  // buffer's dark red, keeps that colour here.
  void SetForcedColor(std::optional<std::uint32_t> color);

  const std::string& Chars() const { return chars_; }
  size_t Size() const { return chars_.size(); }
  bool Empty() const { return chars_.empty(); }
  const CharFormat& FormatAt(size_t index) const;

  // Paragraphs separated by CR LF; a final paragraph mark adds nothing.
  std::string PlainText() const;
  // Paragraphs joined by one blank, trailing empty paragraphs dropped: what a
  // room shows of a message.
  std::string MessageText() const;

  void Append(char c, const CharFormat& format);
  // Whether a document holds the byte at all: control bytes other than TAB and
  // the paragraph marks have no place in one (its RTF cannot carry them).
  static bool Holds(char c) { return static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\r' || c == '\v'; }
  void Append(std::string_view text, const CharFormat& format);
  void AppendRich(const RichText& other);
  void Clear();

 private:
  std::string chars_;
  std::vector<std::uint16_t> formatOf_;  // index into formats_, one per char
  std::vector<CharFormat> formats_;
  std::map<CharFormat, std::uint16_t> formatIds_;
  std::optional<std::uint32_t> forcedColor_;

  void ApplyForcedColor();
};

// Text made safe to stand inside RTF: backslash and braces escaped, bytes of
// 0x80 and above as \'hh, tabs as \tab, other control characters dropped.
std::string RtfEscape(std::string_view text);

}  // namespace quorvel
