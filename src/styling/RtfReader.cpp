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
#include "styling/RtfWords.h"
#include "text/CodePage.h"

namespace quorvel {
namespace {

constexpr size_t kMaxInput = 4 * 1024 * 1024;
constexpr size_t kMaxDepth = 128;

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
      Top().Format.FontName = tables_.FontName(defaultFont_);
      Top().CodePage = tables_.FontCodePage(defaultFont_);
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
    if (!IsRtfLetter(c)) {
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
    const RtfControlWord w = ReadControlWord(in_, pos_);
    ControlWord(w.Word, w.HasParam, w.Param);
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
    while (got < 2 && pos_ < in_.size() && IsRtfHex(in_[pos_])) {
      value = value * 16 + RtfHexValue(in_[pos_]);
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
      if (!Skipping() && !Top().Hidden) ++cellsEnded_;
    } else if (w == "line") {
      Text('\v');
    } else if (w == "tab") {
      Text('\t');
    } else if (const char32_t named = NamedCharacter(w)) {
      NamedChar(named);
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
      f.FontName = tables_.FontName(p);
      g.CodePage = tables_.FontCodePage(p);
    } else if (w == "plain") {
      f = CharFormat{};
      f.FontName = tables_.FontName(defaultFont_);
      g.CodePage = tables_.FontCodePage(defaultFont_);
      g.Hidden = false;
    }
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
      SeparateCells(0);
      doc_.Append(c, Top().Format);
    }
  }

  void Text(char c) {
    skipPending_ = 0;
    if (Skipping() || Top().Dest != Destination::Text || Top().Hidden) return;
    decoder_.Reset();
    // A paragraph mark ends a row (or a nested one); its last cell needs no
    // separator.
    SeparateCells(c == '\r' ? 1 : 0);
    doc_.Append(c, Top().Format);
  }

  // A TAB between the cells that ended before the next text, less `spared`.
  void SeparateCells(int spared) {
    for (int i = spared; i < cellsEnded_; ++i) doc_.Append('\t', Top().Format);
    cellsEnded_ = 0;
  }

  void FinishFontEntry() {
    tables_.EndFontEntry(Top().FontNumber);
    Top().FontNumber = -1;
  }

  std::string_view in_;
  size_t pos_ = 0;
  std::vector<GroupState> stack_;
  size_t overflowDepth_ = 0;
  bool seenRoot_ = false;
  bool ignorableNext_ = false;
  bool atGroupStart_ = false;
  int cellsEnded_ = 0;  // cells ended since the last text
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
