#pragma once
// Reads one transcript line at a fixed distance from the end of the control:
// two messages and one 256-character fetch, never the whole transcript.
#include <string>

#include "roomlink/Desktop.h"

namespace quorvel {

inline constexpr int kFetchCapacity = 256;

// Line count − 2 (the newest line with text), − 3 and − 5.
std::string FetchLastLine(Desktop& desktop, WindowHandle edit);
std::string FetchLineBeforeLast(Desktop& desktop, WindowHandle edit);
std::string FetchThirdLineBeforeLast(Desktop& desktop, WindowHandle edit);

// The same on the transcript handle, with every CR removed, stored in rawLine.
void GetLastLine(Desktop& desktop, WindowHandle transcript, std::string& rawLine);
void GetLineBeforeLast(Desktop& desktop, WindowHandle transcript, std::string& rawLine);
void GetThirdLineBeforeLast(Desktop& desktop, WindowHandle transcript, std::string& rawLine);

}  // namespace quorvel
