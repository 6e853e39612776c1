#pragma once
// The room recorder's own window: recording on and off, the operator's save
// and search. Recording itself is a tick step (commands/RoomRecorder).
#include <string>

#include "model/Bot.h"

namespace quorvel {

inline constexpr const char* kRecorderCaption = "Room Recorder Control Panel";

void OpenRecorderPanel(Bot& bot);
void RecorderStart(Bot& bot);
void RecorderStop(Bot& bot);
void SaveRecording(Bot& bot);
void RecorderSearch(Bot& bot);

namespace recorder {
// The panel's search over RecorderBuffer; true when anything matched.
bool CollectLinesHolding(Bot& bot, std::string& phrase, int& from);
}  // namespace recorder

}  // namespace quorvel
