#pragma once
// The client report: what a maintainer needs to teach the bot a new client
// version. It lists the client's windows (class, id, title, state, size and
// item counts), which of them the bot took for the room's parts and which it
// missed, and nothing private beyond room titles: no line of a transcript, no
// nick. Every call to the client is bounded as a poll tick's are, so a hung
// client gives a report that says so instead of a frozen panel.
#include <string>

#include "roomlink/RoomDiscovery.h"

namespace quorvel {

// What the caller knows of the program and the system.
struct ReportHeader {
  std::string ProgramVersion;
  std::string WindowsVersion;
  std::string WrittenAt;
};

// Bounds of the window listing: deeper than any client's room window nests,
// and a page count no client's windows reach.
inline constexpr int kReportMaxDepth = 12;
inline constexpr int kReportMaxWindows = 400;
// Titles are cut to this many characters.
inline constexpr size_t kReportTitleCharacters = 60;

// The report's text, lines ended by CR LF. It brings the health record up to
// date first (NoteRoomFinds) and says what the bot took as that record says,
// so it agrees with the status bar.
std::string ClientReportText(RoomLink& link, const ReportHeader& header);

}  // namespace quorvel
