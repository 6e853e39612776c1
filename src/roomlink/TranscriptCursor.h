#pragma once
// Where the reading of a transcript stands: the last message acted on, by
// its place and its text, so that each tick acts on what came after it.
#include <cstddef>
#include <string>
#include <vector>

#include "roomlink/Desktop.h"

namespace quorvel {

struct TranscriptCursor {
  // The transcript the place belongs to; another one starts afresh.
  WindowHandle Transcript = kNoWindow;
  // Set by an attach (Start, a room picked, the room list dropped down): the
  // next read acts on the newest message only, not on what came before it.
  bool Fresh = true;
  int Rows = 0;        // the transcript's row count at the last read
  int AnchorRow = -1;  // the last row of the last message acted on; -1: none shown
  // The rows up to that one, as they read: what confirms the place.
  std::string PlaceText;
  // The newest messages read, the last one acted on last: its text, and the
  // ones before it, which a whisper's end and the search for a moved place use.
  std::vector<std::string> Recent;
  // Messages that came faster than a tick reads them, since the last attach.
  std::size_t Skipped = 0;
  // The messages the last tick acted on, oldest first (what random traffic
  // checks against what it wrote).
  std::vector<std::string> LastTick;
};

// Another attach: the place is kept, but the next read acts on the newest message only.
inline void MarkFresh(TranscriptCursor& cursor) {
  cursor.Fresh = true;
  cursor.Skipped = 0;
}

}  // namespace quorvel
