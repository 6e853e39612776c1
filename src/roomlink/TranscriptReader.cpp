#include "roomlink/TranscriptReader.h"

#include "text/AnsiText.h"

namespace quorvel {
namespace {

std::string FetchAtDistance(Desktop& desktop, WindowHandle edit, int distance) {
  const int index = desktop.LineCount(edit) - distance;
  if (index < 0) return {};
  std::string line = desktop.GetLine(edit, index, kFetchCapacity);
  const size_t zero = line.find('\0');
  if (zero != std::string::npos) line.resize(zero);
  // The fetch holds 256 bytes; a line of double-byte characters may come
  // longer and is cut where a character ends, never between its two bytes.
  return CutAtCharacter(line, kFetchCapacity);
}

void StoreAtDistance(Desktop& desktop, WindowHandle transcript, int distance, std::string& rawLine) {
  rawLine = RemoveChar(FetchAtDistance(desktop, transcript, distance), '\r');
}

}  // namespace

std::string FetchLastLine(Desktop& desktop, WindowHandle edit) { return FetchAtDistance(desktop, edit, 2); }
std::string FetchLineBeforeLast(Desktop& desktop, WindowHandle edit) { return FetchAtDistance(desktop, edit, 3); }
std::string FetchThirdLineBeforeLast(Desktop& desktop, WindowHandle edit) { return FetchAtDistance(desktop, edit, 5); }

void GetLastLine(Desktop& desktop, WindowHandle transcript, std::string& rawLine) {
  StoreAtDistance(desktop, transcript, 2, rawLine);
}
void GetLineBeforeLast(Desktop& desktop, WindowHandle transcript, std::string& rawLine) {
  StoreAtDistance(desktop, transcript, 3, rawLine);
}
void GetThirdLineBeforeLast(Desktop& desktop, WindowHandle transcript, std::string& rawLine) {
  StoreAtDistance(desktop, transcript, 5, rawLine);
}

}  // namespace quorvel
