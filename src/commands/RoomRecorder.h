#pragma once
// The room recorder's tick steps: chat lines into a buffer, timed flushes into
// the "recorder" folder. Its panel is panel/RecorderPanel.
#include <string>

#include "model/Bot.h"

namespace quorvel {

void RecordLine(Bot& bot);  // the first of the tick's features
// False when the lines could not be written; they then stay in the buffer.
bool FlushRecorder(Bot& bot);
// "mmddyyyyhhmmss.txt"
std::string FlushFileName(const LocalTime& when);

}  // namespace quorvel
