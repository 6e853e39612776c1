#include "sim/SimTranscript.h"

#include <algorithm>

#include "text/AnsiText.h"

namespace quorvel {
namespace {

// A piece as a binding hands it out: up to its first zero byte, cut after maxChars characters.
std::string Handed(const std::string& piece, std::size_t maxChars) {
  return FirstCharacters(std::string_view(piece).substr(0, piece.find('\0')), maxChars);
}

}  // namespace

std::vector<std::string> WrapIntoRows(const std::string& line, int width) {
  if (width <= 0) return {line};
  const auto w = static_cast<std::size_t>(width);
  std::vector<std::string> rows;
  std::string_view rest = line;
  while (FirstCharacters(rest, w).size() < rest.size()) {
    // The row and the character after it: a blank there hangs past the edge.
    const std::string probe = FirstCharacters(rest, w + 1);
    const std::size_t blank = probe.rfind(' ');
    const std::size_t take =
        blank != std::string::npos ? blank + 1 : std::max<std::size_t>(1, FirstCharacters(rest, w).size());
    rows.emplace_back(rest.substr(0, take));
    rest.remove_prefix(take);
  }
  if (!rest.empty() || rows.empty()) rows.emplace_back(rest);
  return rows;
}

void SimTranscript::Append(const std::string& line) {
  for (const auto& row : WrapIntoRows(line, shape_.WrapWidth)) rows_.push_back({row, false});
  rows_.back().EndsLine = true;
  ++lines_;
  if (shape_.KeepLines > 0 && lines_ > static_cast<std::size_t>(shape_.KeepLines)) DropOldestLine();
  // What nobody reads is forgotten, and only counted, so that a long run keeps a bounded tail.
  while (shape_.KeepLines == 0 && rows_.size() > kKeptRows) {
    if (rows_.front().EndsLine) --lines_;
    rows_.pop_front();
    ++forgottenRows_;
  }
}

void SimTranscript::DropOldestLine() {
  while (!rows_.empty()) {
    const bool ends = rows_.front().EndsLine;
    rows_.pop_front();
    if (ends) break;
  }
  --lines_;
}

int SimTranscript::LineCount() const { return static_cast<int>(forgottenRows_ + rows_.size()) + 1; }

std::string SimTranscript::Row(int index) const {
  if (index < 0) return {};
  const auto i = static_cast<std::size_t>(index);
  if (i < forgottenRows_) return "\r";
  if (i - forgottenRows_ >= rows_.size()) return {};
  const ShownRow& row = rows_[i - forgottenRows_];
  return row.EndsLine ? row.Text + "\r" : row.Text;
}

TextSpan SimTranscript::Read(int firstRow, int endRow, std::size_t keepNewest, std::size_t maxChars) const {
  TextSpan span;
  // The empty row after the last mark adds nothing.
  const int shown = LineCount() - 1;
  firstRow = std::max(firstRow, 0);
  endRow = std::min(endRow, shown);
  if (firstRow >= endRow || keepNewest == 0) return span;
  std::deque<std::string> kept;
  auto keep = [&](std::string piece) {
    ++span.Count;
    kept.push_back(std::move(piece));
    if (kept.size() > keepNewest) kept.pop_front();
  };
  // Forgotten rows read as empty lines; they are counted, not walked.
  const auto first = static_cast<std::size_t>(firstRow);
  const auto end = static_cast<std::size_t>(endRow);
  if (first < forgottenRows_) {
    const std::size_t empty = std::min(end, forgottenRows_) - first;
    span.Count += empty - std::min(empty, keepNewest);
    for (std::size_t i = 0; i < std::min(empty, keepNewest); ++i) keep("");
  }
  std::string piece;
  for (std::size_t i = std::max(first, forgottenRows_); i < end; ++i) {
    const ShownRow& row = rows_[i - forgottenRows_];
    piece += row.Text;
    if (!row.EndsLine) continue;
    keep(Handed(piece, maxChars));
    piece.clear();
  }
  span.Open = end > forgottenRows_ && !rows_[end - 1 - forgottenRows_].EndsLine;
  if (span.Open) keep(Handed(piece, maxChars));
  span.Paragraphs.assign(kept.begin(), kept.end());
  return span;
}

std::vector<std::string> SimTranscript::Lines() const {
  std::vector<std::string> lines;
  std::string piece;
  for (const auto& row : rows_) {
    piece += row.Text;
    if (!row.EndsLine) continue;
    lines.push_back(piece);
    piece.clear();
  }
  return lines;
}

}  // namespace quorvel
