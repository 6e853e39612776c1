// The RTF reader behind RichText::FromRtf. It takes what rich-edit controls
// write (RichEdit 2.0 to 8, Wine's, WordPad's) and hand-written design files.
// It is iterative and capped everywhere, so no input can crash it, make it
// slow or make it hold unbounded memory: what it cannot make sense of it skips.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "styling/AnsiCodePage.h"
#include "styling/RichText.h"

namespace quorvel {
namespace {

constexpr size_t kMaxInput = 4 * 1024 * 1024;
constexpr size_t kMaxDepth = 128;
constexpr size_t kMaxWord = 32;
constexpr size_t kMaxParamDigits = 10;
constexpr size_t kMaxTableEntries = 1024;
constexpr size_t kMaxFontName = 128;

enum class Destination { Text, Skip, FontTable, FontEntry, ColorTable };

struct GroupState {
  CharFormat Format;
  Destination Dest = Destination::Text;
  int UnicodeSkip = 1;
  int FontNumber = -1;  // the font table entry being read
};

struct Font {
  int Number;
  std::string Name;
};

class Reader {
 public:
  explicit Reader(std::string_view input) : in_(input.substr(0, kMaxInput)) {}

  RichText Run() {
    stack_.push_back(GroupState{});
    while (pos_ < in_.size()) {
      const char c = in_[pos_];
      if (c == '{') {
        ++pos_;
        OpenGroup();
      } else if (c == '}') {
        ++pos_;
        CloseGroup();
        if (stack_.size() <= 1 && seenRoot_) break;  // the document's own group ended
      } else if (c == '\\') {
        ++pos_;
        ControlSequence();
      } else {
        ++pos_;
        if (c == '\r' || c == '\n') continue;  // line breaks of the file mean nothing
        PlainChar(c);
      }
    }
    return std::move(doc_);
  }

 private:
  GroupState& Top() { return stack_.back(); }

  void OpenGroup() {
    seenRoot_ = true;
    if (stack_.size() >= kMaxDepth) {
      ++overflowDepth_;  // too deep: the content is skipped until it closes
      return;
    }
    GroupState next = Top();
    next.FontNumber = -1;
    if (next.Dest == Destination::FontTable) next.Dest = Destination::FontEntry;
    stack_.push_back(next);
    skipPending_ = 0;
  }

  void CloseGroup() {
    if (overflowDepth_ > 0) {
      --overflowDepth_;
      return;
    }
    if (Top().Dest == Destination::FontEntry) FinishFontEntry();
    const bool fontTableEnds = Top().Dest == Destination::FontTable;
    if (stack_.size() > 1) stack_.pop_back();
    // Text that names no font is in the document's default font.
    if (fontTableEnds && Top().Format.FontName.empty()) Top().Format.FontName = FontNameOf(defaultFont_);
    skipPending_ = 0;
  }

  bool Skipping() const { return overflowDepth_ > 0 || stack_.back().Dest == Destination::Skip; }

  void ControlSequence() {
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    if (!IsLetter(c)) {
      ++pos_;
      ControlSymbol(c);
      return;
    }
    std::string word;
    while (pos_ < in_.size() && IsLetter(in_[pos_])) {
      if (word.size() < kMaxWord) word.push_back(in_[pos_]);
      ++pos_;
    }
    bool hasParam = false;
    bool negative = false;
    long long param = 0;
    if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && IsDigit(in_[pos_ + 1])) {
      negative = true;
      ++pos_;
    }
    size_t digits = 0;
    while (pos_ < in_.size() && IsDigit(in_[pos_])) {
      if (digits < kMaxParamDigits) param = param * 10 + (in_[pos_] - '0');
      ++digits;
      ++pos_;
      hasParam = true;
    }
    if (param > 0x7FFFFFFF) param = 0x7FFFFFFF;
    if (negative) param = -param;
    if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiting blank belongs to the word
    ControlWord(word, hasParam, static_cast<int>(param));
  }

  void ControlSymbol(char c) {
    switch (c) {
      case '\\':
      case '{':
      case '}':
        PlainChar(c);
        return;
      case '~':
        PlainChar(static_cast<char>(0xA0));
        return;
      case '_':
        PlainChar('-');
        return;
      case '-':
        return;  // optional hyphen
      case '*':
        ignorableNext_ = true;
        return;
      case '\r':
      case '\n':
        Text('\r');
        return;
      case '\'':
        HexChar();
        return;
      default:
        return;
    }
  }

  void HexChar() {
    int value = 0;
    int got = 0;
    while (got < 2 && pos_ < in_.size() && IsHex(in_[pos_])) {
      value = value * 16 + HexValue(in_[pos_]);
      ++pos_;
      ++got;
    }
    if (got == 0) return;  // a truncated escape stands for nothing
    PlainChar(static_cast<char>(value));
  }

  void ControlWord(const std::string& w, bool hasParam, int p) {
    const bool wasIgnorable = ignorableNext_;
    ignorableNext_ = false;
    if (w == "bin") {
      // Binary data: skip the bytes it announces, within what is left.
      const size_t n = hasParam && p > 0 ? static_cast<size_t>(p) : 0;
      pos_ += std::min(n, in_.size() - pos_);
      return;
    }
    if (Skipping()) return;
    GroupState& g = Top();
    if (IsSkippedDestination(w) || (wasIgnorable && !IsKnownDestination(w))) {
      g.Dest = Destination::Skip;
      return;
    }
    if (w == "fonttbl") {
      g.Dest = Destination::FontTable;
      return;
    }
    if (w == "colortbl") {
      g.Dest = Destination::ColorTable;
      colorComponents_ = {0, 0, 0};
      colorHasComponent_ = false;
      return;
    }
    if (w == "fldrslt") {
      g.Dest = Destination::Text;
      return;
    }
    if (w == "rtf" || w == "ansi" || w == "ansicpg") return;
    if (w == "deff" && hasParam) {
      defaultFont_ = p;
      return;
    }
    if (w == "uc" && hasParam) {
      g.UnicodeSkip = std::max(0, std::min(p, 8));
      return;
    }
    if (w == "u" && hasParam) {
      UnicodeChar(p);
      return;
    }

    if (g.Dest == Destination::ColorTable) {
      const int v = std::max(0, std::min(p, 255));
      if (w == "red") {
        colorComponents_[0] = v;
        colorHasComponent_ = true;
      } else if (w == "green") {
        colorComponents_[1] = v;
        colorHasComponent_ = true;
      } else if (w == "blue") {
        colorComponents_[2] = v;
        colorHasComponent_ = true;
      }
      return;
    }
    if (g.Dest == Destination::FontTable || g.Dest == Destination::FontEntry) {
      if (w == "f" && hasParam) {
        g.FontNumber = p;
        fontName_.clear();
      }
      return;
    }

    CharFormat& f = g.Format;
    const bool on = !hasParam || p != 0;
    if (w == "par" || w == "sect" || w == "page")
      Text('\r');
    else if (w == "line")
      Text('\v');
    else if (w == "tab")
      Text('\t');
    else if (w == "emdash")
      Text(static_cast<char>(0x97));
    else if (w == "endash")
      Text(static_cast<char>(0x96));
    else if (w == "lquote")
      Text(static_cast<char>(0x91));
    else if (w == "rquote")
      Text(static_cast<char>(0x92));
    else if (w == "ldblquote")
      Text(static_cast<char>(0x93));
    else if (w == "rdblquote")
      Text(static_cast<char>(0x94));
    else if (w == "bullet")
      Text(static_cast<char>(0x95));
    else if (w == "b")
      f.Bold = on;
    else if (w == "i")
      f.Italic = on;
    else if (w == "strike")
      f.Strike = on;
    else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash" || w == "ulth" || w == "ulwave")
      f.Underline = on;
    else if (w == "ulnone")
      f.Underline = false;
    else if (w == "cf")
      f.Color = hasParam && p > 0 ? ColorEntry(p) : kAutoColor;  // \cf0 is automatic
    else if (w == "fs")
      f.HalfPoints = hasParam && p > 0 ? std::min(p, 3276) : 24;
    else if (w == "f" && hasParam)
      f.FontName = FontNameOf(p);
    else if (w == "plain")
      f = PlainFormat();
  }

  static bool IsSkippedDestination(const std::string& w) {
    static const char* const kSkipped[] = {"stylesheet",
                                           "info",
                                           "pict",
                                           "object",
                                           "fldinst",
                                           "header",
                                           "footer",
                                           "headerl",
                                           "headerr",
                                           "footerl",
                                           "footerr",
                                           "footnote",
                                           "annotation",
                                           "pntext",
                                           "pntxta",
                                           "pntxtb",
                                           "listtable",
                                           "listoverridetable",
                                           "rsidtbl",
                                           "themedata",
                                           "colorschememapping",
                                           "latentstyles",
                                           "datastore",
                                           "xmlnstbl",
                                           "generator",
                                           "mmathPr",
                                           "filetbl",
                                           "revtbl",
                                           "xe",
                                           "tc",
                                           "bkmkstart",
                                           "bkmkend",
                                           "nonshppict",
                                           "shppict",
                                           "result",
                                           "objdata",
                                           "panose",
                                           "falt",
                                           "fontemb",
                                           "fontfile",
                                           "userprops",
                                           "docvar",
                                           "template",
                                           "wgrffmtfilter",
                                           "pgdsctbl"};
    for (const char* s : kSkipped)
      if (w == s) return true;
    return false;
  }

  static bool IsKnownDestination(const std::string& w) {
    return w == "fonttbl" || w == "colortbl" || w == "fldrslt" || w == "field";
  }

  CharFormat PlainFormat() const {
    CharFormat f;
    f.FontName = FontNameOf(defaultFont_);
    return f;
  }

  void UnicodeChar(int code) {
    if (code < 0) code += 65536;
    PlainCharNoSkip(UnicodeToAnsi(static_cast<unsigned>(code)));
    skipPending_ = Top().UnicodeSkip;  // the ANSI stand-ins that follow
  }

  void PlainChar(char c) {
    if (skipPending_ > 0) {
      --skipPending_;
      return;
    }
    PlainCharNoSkip(c);
  }

  void PlainCharNoSkip(char c) {
    if (Skipping()) return;
    GroupState& g = Top();
    switch (g.Dest) {
      case Destination::Text:
        doc_.Append(c, g.Format);
        return;
      case Destination::ColorTable:
        if (c == ';') FinishColorEntry();
        return;
      case Destination::FontTable:
      case Destination::FontEntry:
        if (c == ';')
          FinishFontEntry();
        else if (fontName_.size() < kMaxFontName)
          fontName_.push_back(c);
        return;
      case Destination::Skip:
        return;
    }
  }

  void Text(char c) {
    skipPending_ = 0;
    if (Skipping() || Top().Dest != Destination::Text) return;
    doc_.Append(c, Top().Format);
  }

  void FinishColorEntry() {
    if (colors_.size() < kMaxTableEntries)
      colors_.push_back(colorHasComponent_ ? Rgb(colorComponents_[0], colorComponents_[1], colorComponents_[2])
                                           : kAutoColor);
    colorComponents_ = {0, 0, 0};
    colorHasComponent_ = false;
  }

  void FinishFontEntry() {
    const int number = Top().FontNumber;
    if (number >= 0 && fonts_.size() < kMaxTableEntries) {
      std::string name = fontName_;
      while (!name.empty() && name.back() == ' ') name.pop_back();
      while (!name.empty() && name.front() == ' ') name.erase(0, 1);
      fonts_.push_back({number, name});
    }
    Top().FontNumber = -1;
    fontName_.clear();
  }

  std::uint32_t ColorEntry(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= colors_.size()) return kAutoColor;
    return colors_[index];
  }

  std::string FontNameOf(int number) const {
    for (const Font& f : fonts_)
      if (f.Number == number) return f.Name;
    return {};
  }

  static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
  static bool IsHex(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
  static int HexValue(char c) { return IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10; }

  std::string_view in_;
  size_t pos_ = 0;
  std::vector<GroupState> stack_;
  size_t overflowDepth_ = 0;
  bool seenRoot_ = false;
  bool ignorableNext_ = false;
  int skipPending_ = 0;
  int defaultFont_ = 0;
  std::vector<std::uint32_t> colors_;
  std::array<int, 3> colorComponents_{0, 0, 0};
  bool colorHasComponent_ = false;
  std::vector<Font> fonts_;
  std::string fontName_;
  RichText doc_;
};

}  // namespace

RichText RichText::FromRtf(std::string_view rtf) {
  if (rtf.substr(0, 5) != "{\\rtf") return FromPlainText(rtf);
  return Reader(rtf).Run();
}

}  // namespace quorvel
