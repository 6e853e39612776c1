#pragma once
// Reads the selected room's transcript as messages. A message is one
// paragraph of the transcript control, however many rows it wraps into. Each
// tick acts on the messages that came after the last one it acted on, found
// by its place and confirmed by its text, so that a client that wraps long
// lines, or drops its oldest ones, neither hides a message nor shows one twice.
#include <cstddef>
#include <string>
#include <vector>

#include "roomlink/Desktop.h"
#include "roomlink/TranscriptCursor.h"

namespace quorvel {

// A message is cut after this many characters.
inline constexpr std::size_t kMessageChars = 1024;
// The most messages one tick acts on; a burst beyond it is skipped from its oldest.
inline constexpr std::size_t kMessagesPerTick = 30;
// A whisper's text stands this many messages above the line that ends it.
inline constexpr std::size_t kWhisperReach = 3;

struct MessageBatch {
  // Up to kWhisperReach messages shown just before the first of New, oldest first.
  std::vector<std::string> Earlier;
  // The messages to act on, oldest first; their paragraph marks are gone,
  // any other CR they hold is kept.
  std::vector<std::string> New;
  // New messages older than those in New, left out.
  std::size_t Skipped = 0;
};

// What came after the cursor's place, and the cursor moved past it. After an
// attach only the newest message is new, unless it is the one acted on last.
// An idle tick costs the client one line count and one read of a single row.
MessageBatch ReadNewMessages(Desktop& desktop, WindowHandle transcript, TranscriptCursor& cursor);

// The newest message alone, its CRs removed; empty when none is shown.
std::string ReadNewestMessage(Desktop& desktop, WindowHandle transcript);
// The same, stored into rawLine.
inline void GetLastLine(Desktop& desktop, WindowHandle transcript, std::string& rawLine) {
  rawLine = ReadNewestMessage(desktop, transcript);
}

}  // namespace quorvel
