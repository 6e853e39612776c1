#pragma once
// The room recorder: chat lines into a buffer, timed flushes into the
// "recorder" folder, the operator's save and search.
#include <string>

#include "model/Bot.h"

namespace quorvel {

inline constexpr const char* kRecorderCaption = "Room Recorder Control Panel";

void RecordLine(Bot& bot);  // step 12
void FlushRecorder(Bot& bot);
// "mmddyyyyhhmmss.txt"
std::string FlushFileName(const LocalTime& when);

void OpenRecorderPanel(Bot& bot);
void RecorderStart(Bot& bot);
void RecorderStop(Bot& bot);
void SaveRecording(Bot& bot);
void RecorderSearch(Bot& bot);
// The panel's search over RecorderBuffer; true when anything matched.
bool vbFind(Bot& bot, std::string& vbString, int& iStart);

}  // namespace quorvel
