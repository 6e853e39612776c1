#include "roomlink/TranscriptReader.h"

#include <algorithm>
#include <optional>

#include "text/AnsiText.h"

namespace quorvel {
namespace {

// How many of the newest messages a place that moved is looked for among.
constexpr std::size_t kSearchDepth = 4096;
// The cursor keeps the last message acted on and those a whisper reaches.
constexpr std::size_t kRecentKept = kWhisperReach + 1;
// The rows whose text confirms a place. A client that drops its oldest
// lines keeps its row count still; it is told from an idle one by these
// rows' text, unless it receives a line the same as each of them.
constexpr int kPlaceRows = 4;

template <typename T>
std::vector<T> LastOf(const std::vector<T>& items, std::size_t n) {
  return {items.end() - static_cast<long>(std::min(n, items.size())), items.end()};
}

// The text of the rows up to `row`, at most kPlaceRows of them, marks as CR:
// one read, whatever the rows hold.
std::string PlaceText(Desktop& desktop, WindowHandle transcript, int row) {
  const TextSpan span =
      desktop.ReadRows(transcript, std::max(0, row - kPlaceRows + 1), row + 1, kPlaceRows, kMessageChars);
  std::string text;
  for (const auto& piece : span.Paragraphs) text += piece + "\r";
  if (span.Open && !text.empty()) text.pop_back();
  return text;
}

// The newest `count` messages, whole: rows are read back from the end, more
// each time, until the first piece read is known to begin a message.
std::vector<std::string> NewestMessages(Desktop& desktop, WindowHandle transcript, int rows, std::size_t count) {
  for (int reach = 8;; reach *= 4) {
    const int first = std::max(0, rows - 1 - reach);
    const TextSpan span = desktop.ReadRows(transcript, first, rows - 1, count + 1, kMessageChars);
    std::vector<std::string> whole = span.Paragraphs;
    // A span that starts inside the transcript may start inside a message.
    const bool firstMayBeTail = first > 0 || span.Cut;
    if (firstMayBeTail && span.Count == whole.size() && !whole.empty()) whole.erase(whole.begin());
    if (whole.size() >= count || !firstMayBeTail || span.Cut) return LastOf(whole, count);
  }
}

// The index in `shown` of the last message acted on: where the messages the
// cursor keeps, that one last, stand in the same order (as far back as
// `shown` reaches), the newest such place winning.
std::optional<std::size_t> FindPlace(const std::vector<std::string>& shown, const std::vector<std::string>& recent) {
  if (recent.empty()) return std::nullopt;
  for (std::size_t i = shown.size(); i-- > 0;) {
    const std::size_t depth = std::min(recent.size(), i + 1);
    if (std::equal(recent.end() - static_cast<long>(depth), recent.end(),
                   shown.begin() + static_cast<long>(i + 1 - depth)))
      return i;
  }
  return std::nullopt;
}

// Fills the batch from `pieces`, whose last `available` are new out of
// `total` new ones: the newest kMessagesPerTick, and those shown before them.
void TakeNewest(const std::vector<std::string>& pieces, std::size_t available, std::size_t total,
                const std::vector<std::string>& recent, MessageBatch& batch) {
  const std::size_t taken = std::min(available, kMessagesPerTick);
  const std::size_t start = pieces.size() - taken;
  batch.New.assign(pieces.begin() + static_cast<long>(start), pieces.end());
  batch.Skipped = total - taken;
  std::vector<std::string> before(pieces.begin(), pieces.begin() + static_cast<long>(start));
  // When every new message was read, the ones before them are the cursor's own.
  if (batch.Skipped == 0 && start == pieces.size() - available)
    before.insert(before.begin(), recent.begin(), recent.end());
  batch.Earlier = LastOf(before, kWhisperReach);
}

MessageBatch ReadAfterAttach(Desktop& desktop, WindowHandle transcript, int rows, const std::string& place,
                             TranscriptCursor& cursor) {
  MessageBatch batch;
  const std::vector<std::string> newest = NewestMessages(desktop, transcript, rows, kRecentKept);
  // The same transcript, still ending with the message acted on last: nothing is new.
  const bool actedOn = cursor.AnchorRow == rows - 2 && cursor.PlaceText == place && !cursor.Recent.empty() &&
                       !newest.empty() && cursor.Recent.back() == newest.back();
  if (!actedOn && !newest.empty()) {
    batch.New = {newest.back()};
    batch.Earlier.assign(newest.begin(), newest.end() - 1);
  }
  cursor.Recent = newest;
  return batch;
}

MessageBatch ReadAfterPlace(Desktop& desktop, WindowHandle transcript, int rows, TranscriptCursor& cursor) {
  MessageBatch batch;
  const bool inPlace = cursor.AnchorRow >= 0 && cursor.AnchorRow <= rows - 2 &&
                       PlaceText(desktop, transcript, cursor.AnchorRow) == cursor.PlaceText;
  if (inPlace) {
    const TextSpan span =
        desktop.ReadRows(transcript, cursor.AnchorRow + 1, rows - 1, kMessagesPerTick + kWhisperReach, kMessageChars);
    TakeNewest(span.Paragraphs, span.Paragraphs.size(), span.Count, cursor.Recent, batch);
  } else {
    // The place moved: the client dropped lines from the top, or the
    // transcript was cleared and filled again. It is looked for by its text.
    const TextSpan span = desktop.ReadRows(transcript, 0, rows - 1, kSearchDepth, kMessageChars);
    const auto place = cursor.AnchorRow >= 0 ? FindPlace(span.Paragraphs, cursor.Recent) : std::nullopt;
    const std::size_t firstNew = place ? *place + 1 : 0;
    const std::size_t available = span.Paragraphs.size() - firstNew;
    // Not found: every message shown is new.
    TakeNewest(span.Paragraphs, available, place ? available : span.Count, {}, batch);
  }
  if (!batch.New.empty()) {
    std::vector<std::string> recent = batch.Earlier;
    recent.insert(recent.end(), batch.New.begin(), batch.New.end());
    cursor.Recent = LastOf(recent, kRecentKept);
  }
  return batch;
}

}  // namespace

MessageBatch ReadNewMessages(Desktop& desktop, WindowHandle transcript, TranscriptCursor& cursor) {
  cursor.LastTick.clear();
  if (transcript != cursor.Transcript) {
    cursor = TranscriptCursor{};
    cursor.Transcript = transcript;
  }
  const int rows = transcript == kNoWindow ? 0 : desktop.LineCount(transcript);
  if (rows <= 0) return {};  // unreadable for now: the place stays
  if (rows == 1) {
    // Nothing shown: whatever comes next is new.
    cursor.Fresh = false;
    cursor.Rows = rows;
    cursor.AnchorRow = -1;
    cursor.PlaceText.clear();
    cursor.Recent.clear();
    return {};
  }
  // The rows that end the transcript now; unchanged, and in the same place, they make an idle tick.
  const std::string place = PlaceText(desktop, transcript, rows - 2);
  if (!cursor.Fresh && rows == cursor.Rows && cursor.AnchorRow == rows - 2 && place == cursor.PlaceText) return {};
  MessageBatch batch = cursor.Fresh ? ReadAfterAttach(desktop, transcript, rows, place, cursor)
                                    : ReadAfterPlace(desktop, transcript, rows, cursor);
  cursor.Fresh = false;
  cursor.Rows = rows;
  cursor.AnchorRow = rows - 2;
  cursor.PlaceText = place;
  cursor.Skipped += batch.Skipped;
  cursor.LastTick = batch.New;
  return batch;
}

std::string ReadNewestMessage(Desktop& desktop, WindowHandle transcript) {
  const int rows = transcript == kNoWindow ? 0 : desktop.LineCount(transcript);
  if (rows <= 1) return {};
  const std::vector<std::string> newest = NewestMessages(desktop, transcript, rows, 1);
  return newest.empty() ? std::string() : RemoveChar(newest.back(), '\r');
}

}  // namespace quorvel
