#pragma once
// The room recorder's tick steps: chat lines into a buffer, timed flushes into
// the "recorder" folder. Its panel is panel/RecorderPanel.
#include <string>

#include "model/Bot.h"

namespace quorvel {

// A chat message into the buffer while recording is on; the first of a message's features.
void RecordMessage(Bot& bot);
// The flush schedule, counted in ticks: once a tick.
void CountTowardsFlush(Bot& bot);
// False when the lines could not be written; they then stay in the buffer.
bool FlushRecorder(Bot& bot);
// "mmddyyyyhhmmss.txt"
std::string FlushFileName(const LocalTime& when);

}  // namespace quorvel
