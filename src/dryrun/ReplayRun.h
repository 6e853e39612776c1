#pragma once
// The dry run: a saved room transcript replayed, line by line, through the
// operator's own lists and designs, with a summary of what the bot would
// have done. The program directory is only read: the bot works on a copy.
#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "roomlink/TranscriptReader.h"

namespace quorvel {

struct ReplayOptions {
  // Names in the system code page, as the bot's own are.
  std::string File;
  std::string Dir = ".";                                  // the operator's program directory
  std::string Enable = "all";                             // comma-separated features
  std::vector<std::pair<std::string, std::string>> Sets;  // --set NAME=VALUE, in order
  std::optional<std::string> Design;                      // a name of dlist.txt
  std::string Room = "Lobby Room";
  int TicksPerLine = 2;
  bool SummaryOnly = false;
  std::optional<std::string> Page;  // --html: the summary also as a web page, written here
};

// Lines longer than this many characters are cut, as the bot reads a message.
inline constexpr size_t kReplayLineLimit = kMessageChars;

// Copies what start-up and the features read from the operator's program
// directory FROM into TO: the list files, the flood guard's numbers and the
// "Designs" folder's RTF files. Nothing else is read, no link is followed, and FROM is not changed.
// False when FROM is no folder or a file could not be copied.
bool CopyBotFiles(const std::string& from, const std::string& to);

// A transcript saved as rich text (it begins with "{\rtf") as plain text,
// one line per paragraph; any other file as it is.
std::string TranscriptText(const std::string& bytes);

// The lines of a transcript file: split at LF, a CR before it dropped, each
// cut after kReplayLineLimit characters; a final line without LF counts.
std::vector<std::string> TranscriptLines(const std::string& bytes);

// Prints the trace (unless SummaryOnly) to `trace` and the summary to
// `summary`, and writes the page when asked. 0 when the replay ran; 2 (after
// one message on `errors`) for a file, folder, feature, setting or value that
// cannot be used.
int RunReplay(const ReplayOptions& options, std::ostream& trace, std::ostream& summary, std::ostream& errors);

}  // namespace quorvel
