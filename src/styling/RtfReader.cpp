// The RTF reader behind RichText::FromRtf. It takes what rich-edit controls
// write (RichEdit 2.0 to 8, Wine's, WordPad's), what Word, LibreOffice and
// TextEdit write, and hand-written design files, and reads the body text as
// those programs show it. It is iterative and capped everywhere, so no input
// can crash it, make it slow or make it hold unbounded memory: what it cannot
// make sense of it skips.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "styling/RichText.h"
#include "styling/RtfCharDecoder.h"
#include "styling/RtfDestinations.h"
#include "styling/RtfTables.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

constexpr size_t kMaxInput = 4 * 1024 * 1024;
constexpr size_t kMaxDepth = 128;
constexpr size_t kMaxWord = 32;
constexpr size_t kMaxParamDigits = 10;

enum class Destination { Text, Skip, FontTable, FontEntry, ColorTable };

struct GroupState {
  CharFormat Format;
  Destination Dest = Destination::Text;
  int UnicodeSkip = 1;
  int FontNumber = -1;  // the font table entry being read
  int CodePage = 0;     // of the current font's character set; 0: the document's
  bool Hidden = false;  // \v: text no reader shows
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
        atGroupStart_ = false;
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
    decoder_.Reset();
    atGroupStart_ = true;
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
    if (fontTableEnds && Top().Format.FontName.empty()) {
      Top().Format.FontName = FontNameOf(defaultFont_);
      Top().CodePage = FontCodePageOf(defaultFont_);
    }
    skipPending_ = 0;
    decoder_.Reset();
    atGroupStart_ = false;
  }

  bool Skipping() const { return overflowDepth_ > 0 || stack_.back().Dest == Destination::Skip; }

  void ControlSequence() {
    if (pos_ >= in_.size()) return;
    const char c = in_[pos_];
    const bool atGroupStart = atGroupStart_;
    atGroupStart_ = false;
    if (!IsLetter(c)) {
      ++pos_;
      // \* marks a destination only as the first thing in its group; StarWriter
      // also writes it in mid-group, where it means nothing.
      if (c == '*') {
        ignorableNext_ = atGroupStart;
        return;
      }
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
        NamedChar(0xA0);
        return;
      case '_':
        PlainChar('-');
        return;
      case '-':
        return;  // optional hyphen
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
    if (DestinationWord(w, wasIgnorable)) return;
    if (w == "ansicpg" && hasParam) {
      if (IsSupportedCodePage(p)) documentCodePage_ = p;
      return;
    }
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
      tables_.ColorWord(w, p);
      return;
    }
    if (g.Dest == Destination::FontTable || g.Dest == Destination::FontEntry) {
      if (w == "f" && hasParam) {
        g.FontNumber = p;
        tables_.StartFont();
      } else if (hasParam) {
        tables_.FontWord(w, p);
      }
      return;
    }
    if (!TextWord(w)) FormatWord(w, hasParam, p);
  }

  // True when the word opened a destination (or skipped its group).
  bool DestinationWord(const std::string& w, bool wasIgnorable) {
    GroupState& g = Top();
    if (w == "nesttableprops") {
      // Word keeps a nested row's end (\nestrow) inside this skipped group.
      Text('\r');
      g.Dest = Destination::Skip;
      return true;
    }
    switch (ClassifyDestination(w)) {
      case RtfDestination::Skip:
        g.Dest = Destination::Skip;
        return true;
      case RtfDestination::FontTable:
        g.Dest = Destination::FontTable;
        return true;
      case RtfDestination::ColorTable:
        g.Dest = Destination::ColorTable;
        tables_.StartColors();
        return true;
      case RtfDestination::Text:
        g.Dest = Destination::Text;
        return true;
      case RtfDestination::None:
        break;
    }
    if (wasIgnorable && w != "field") {
      g.Dest = Destination::Skip;  // a destination this reader does not know
      return true;
    }
    return false;
  }

  // Words that stand for characters; true when w was one.
  bool TextWord(const std::string& w) {
    if (w == "par" || w == "sect" || w == "page" || w == "row" || w == "nestrow") {
      Text('\r');
    } else if (w == "cell" || w == "nestcell") {
      // A TAB between cells, put in when the next cell's text begins.
      if (!Skipping() && !Top().Hidden) cellEnded_ = true;
    } else if (w == "line") {
      Text('\v');
    } else if (w == "tab") {
      Text('\t');
    } else if (w == "emdash") {
      NamedChar(0x2014);
    } else if (w == "endash") {
      NamedChar(0x2013);
    } else if (w == "lquote") {
      NamedChar(0x2018);
    } else if (w == "rquote") {
      NamedChar(0x2019);
    } else if (w == "ldblquote") {
      NamedChar(0x201C);
    } else if (w == "rdblquote") {
      NamedChar(0x201D);
    } else if (w == "bullet") {
      NamedChar(0x2022);
    } else {
      return false;
    }
    return true;
  }

  void FormatWord(const std::string& w, bool hasParam, int p) {
    GroupState& g = Top();
    CharFormat& f = g.Format;
    const bool on = !hasParam || p != 0;
    if (w == "b") {
      f.Bold = on;
    } else if (w == "i") {
      f.Italic = on;
    } else if (w == "strike") {
      f.Strike = on;
    } else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash" || w == "ulth" || w == "ulwave") {
      f.Underline = on;
    } else if (w == "ulnone") {
      f.Underline = false;
    } else if (w == "v") {
      g.Hidden = on;
    } else if (w == "cf") {
      f.Color = hasParam && p > 0 ? tables_.Color(p) : kAutoColor;  // \cf0 is automatic
    } else if (w == "fs") {
      f.HalfPoints = hasParam && p > 0 ? std::min(p, 3276) : 24;
    } else if (w == "f" && hasParam) {
      f.FontName = FontNameOf(p);
      g.CodePage = FontCodePageOf(p);
    } else if (w == "plain") {
      f = PlainFormat();
      g.CodePage = FontCodePageOf(defaultFont_);
      g.Hidden = false;
    }
  }

  CharFormat PlainFormat() const {
    CharFormat f;
    f.FontName = FontNameOf(defaultFont_);
    return f;
  }

  void UnicodeChar(int code) {
    if (Skipping()) return;
    if (Top().Dest == Destination::Text) {
      std::string bytes;
      decoder_.Unicode(code, bytes);
      AppendText(bytes);
    } else {
      PlainCharNoSkip('?');  // a font name's letter; the name only has to match itself
    }
    skipPending_ = Top().UnicodeSkip;  // the ANSI stand-ins that follow
  }

  void NamedChar(char32_t codePoint) {
    skipPending_ = 0;
    if (Skipping() || Top().Dest != Destination::Text) return;
    decoder_.Reset();
    std::string bytes;
    RtfCharDecoder::AppendUnicode(codePoint, bytes);
    AppendText(bytes);
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
      case Destination::Text: {
        std::string bytes;
        decoder_.Byte(static_cast<unsigned char>(c), g.CodePage ? g.CodePage : documentCodePage_, bytes);
        AppendText(bytes);
        return;
      }
      case Destination::ColorTable:
        if (c == ';') tables_.EndColorEntry();
        return;
      case Destination::FontTable:
      case Destination::FontEntry:
        if (c == ';')
          FinishFontEntry();
        else
          tables_.FontNameChar(c);
        return;
      case Destination::Skip:
        return;
    }
  }

  // Characters of the body in the system code page. Control bytes other than
  // TAB are dropped: the writer cannot keep them, and a read of what it wrote
  // must give the same text.
  void AppendText(const std::string& bytes) {
    if (Top().Hidden) return;
    for (char c : bytes) {
      if (static_cast<unsigned char>(c) < 0x20 && c != '\t') continue;
      if (cellEnded_) {
        cellEnded_ = false;
        doc_.Append('\t', Top().Format);
      }
      doc_.Append(c, Top().Format);
    }
  }

  void Text(char c) {
    skipPending_ = 0;
    if (Skipping() || Top().Dest != Destination::Text || Top().Hidden) return;
    decoder_.Reset();
    // A paragraph mark ends a row (or a nested one); the cell before it needs
    // no separator.
    if (cellEnded_ && c != '\r') doc_.Append('\t', Top().Format);
    cellEnded_ = false;
    doc_.Append(c, Top().Format);
  }

  void FinishFontEntry() {
    tables_.EndFontEntry(Top().FontNumber);
    Top().FontNumber = -1;
  }

  std::string FontNameOf(int number) const { return tables_.FontName(number); }
  int FontCodePageOf(int number) const { return tables_.FontCodePage(number); }

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
  bool atGroupStart_ = false;
  bool cellEnded_ = false;
  int skipPending_ = 0;
  int defaultFont_ = 0;
  // Without \ansicpg the text is taken as the system's own, as the system's
  // rich-edit controls take it: hand-made design files hold the bytes the
  // operator typed.
  int documentCodePage_ = SystemCodePage();
  RtfTables tables_;
  RtfCharDecoder decoder_;
  RichText doc_;
};

}  // namespace

RichText RichText::FromRtf(std::string_view rtf) {
  if (rtf.substr(0, 5) != "{\\rtf") return FromPlainText(rtf);
  return Reader(rtf).Run();
}

}  // namespace quorvel
