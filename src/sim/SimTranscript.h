#pragma once
// The simulated client's transcript: one paragraph per line, shown as rows.
// A transcript with a wrap width breaks a long line into rows at most that
// many characters wide, after a blank where it can, as a rich-edit control of
// that width does; one that keeps N lines drops its oldest line when the
// N+1st arrives, as a client that bounds its transcript does.
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "roomlink/Desktop.h"

namespace quorvel {

struct TranscriptShape {
  int WrapWidth = 0;  // 0: one row per line
  int KeepLines = 0;  // 0: every line is kept
};

class SimTranscript {
 public:
  explicit SimTranscript(TranscriptShape shape = {}) : shape_(shape) {}

  void Append(const std::string& line);
  // The rows and the empty row after the last mark.
  int LineCount() const;
  // Row `index` with its paragraph mark (CR) when it ends a line; a row the
  // simulator no longer keeps reads as an empty line.
  std::string Row(int index) const;
  TextSpan Read(int firstRow, int endRow, std::size_t keepNewest, std::size_t maxChars) const;
  // The lines still kept, oldest first.
  std::vector<std::string> Lines() const;

  // Rows the simulator keeps of a transcript that keeps everything; the
  // reader never looks back further, and older rows are only counted.
  static constexpr std::size_t kKeptRows = 4096;

 private:
  struct ShownRow {
    std::string Text;
    bool EndsLine = false;
  };

  void DropOldestLine();

  TranscriptShape shape_;
  std::deque<ShownRow> rows_;
  std::size_t lines_ = 0;          // lines among rows_
  std::size_t forgottenRows_ = 0;  // rows before rows_, counted only
};

// How a control `width` characters wide shows `line`: rows of at most that
// many characters, each broken after the last blank that fits (a blank may
// hang past the edge), a word longer than the width broken where it reaches it.
std::vector<std::string> WrapIntoRows(const std::string& line, int width);

}  // namespace quorvel
