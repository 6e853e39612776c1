#pragma once
// Closing the main window drops what is only in memory: lists changed since
// they were loaded or saved, visitor statistics changed since the last Save
// or Load, recorder lines not yet flushed. The operator is asked first; at
// log-off or shut-down nobody can answer, so all of it is saved.
#include <string>
#include <vector>

#include "model/Bot.h"

namespace quorvel {

struct UnsavedWork {
  std::vector<std::string> Lists;  // list file names, in start-up order
  bool Stats = false;
  size_t RecorderLines = 0;
  bool Empty() const { return Lists.empty() && !Stats && RecorderLines == 0; }
};

UnsavedWork FindUnsavedWork(const BotSettings& settings);
// "Save changes before closing?" and what would be lost, a line each.
std::string CloseQuestion(const UnsavedWork& work);

// The close button: true when the window may close. With nothing to lose it
// closes at once. Otherwise Yes saves each thing as its own Save would (a
// failed save told as usual) and closes, No closes with nothing saved, Cancel
// keeps the program running; so does cancelling the statistics' file dialog.
bool MayCloseMainWindow(Bot& bot);
// Log-off or shut-down: saves what Yes would, asking and telling nothing. The
// statistics go to the file of their last Save or Load, or else to a new
// "stats mmddyyyyhhmmss.txt" in the program directory.
void SaveBeforeSessionEnds(Bot& bot);

}  // namespace quorvel
