#pragma once
// The journal: what the bot did to the client, one tab-separated line per
// event ("READY", "SENT", "COMMAND", "REDDOT", "JOINED", "CLOSED"; for the
// long-run test "ENTERED", "LEFT" and "NOTE", RoomTraffic.h), appended
// to a file the tests read. Without a path nothing is written.
#include <string>

namespace fakepal {

struct Journal {
  std::string Path;

  void Write(const std::string& line) const;
};

// A value made safe for one journal field: no line breaks, no tabs.
std::string OneLine(std::string text);

}  // namespace fakepal
