#include "roomlink/TranscriptReader.h"

#include "text/AnsiText.h"

namespace quorvel {
namespace {

std::string FetchAtDistance(Desktop& desktop, WindowHandle edit, int distance) {
  const int index = desktop.LineCount(edit) - distance;
  if (index < 0) return {};
  std::string line = desktop.GetLine(edit, index, kFetchCapacity);
  if (line.size() > kFetchCapacity) line.resize(kFetchCapacity);
  const size_t zero = line.find('\0');
  if (zero != std::string::npos) line.resize(zero);
  return line;
}

void StoreAtDistance(Desktop& desktop, WindowHandle transcript, int distance, std::string& rawLine) {
  rawLine = RemoveChar(FetchAtDistance(desktop, transcript, distance), '\r');
}

}  // namespace

std::string GetLastLineTextChat(Desktop& desktop, WindowHandle edit) { return FetchAtDistance(desktop, edit, 2); }
std::string GetLastLineTextChat2(Desktop& desktop, WindowHandle edit) { return FetchAtDistance(desktop, edit, 3); }
std::string GetLastLineTextChat3(Desktop& desktop, WindowHandle edit) { return FetchAtDistance(desktop, edit, 5); }

void GetLastLine(Desktop& desktop, WindowHandle transcript, std::string& rawLine) {
  StoreAtDistance(desktop, transcript, 2, rawLine);
}
void GetLastLine2(Desktop& desktop, WindowHandle transcript, std::string& rawLine) {
  StoreAtDistance(desktop, transcript, 3, rawLine);
}
void GetLastLine3(Desktop& desktop, WindowHandle transcript, std::string& rawLine) {
  StoreAtDistance(desktop, transcript, 5, rawLine);
}

}  // namespace quorvel
