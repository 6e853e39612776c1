#pragma once
// The visitor statistics file as text: one record a visitor (nick, TAB, count,
// TAB, stamp, CR LF) and one more CR LF at the end. Reading and writing are
// pure, so the dialogs and the file stay with the Save and Load buttons.
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

struct VisitorTable {
  std::vector<std::string> Nicks;
  std::vector<std::string> Counts;
  std::vector<std::string> LastSeen;

  bool operator==(const VisitorTable& other) const = default;
};

struct StatsFileContent {
  // The complete records before the first faulty line, in file order.
  VisitorTable Table;
  // Set when a non-empty line has fewer than three TAB-separated fields; the
  // rest of the file is not read.
  bool Truncated = false;
};

// Lines are split at CR LF; empty lines are skipped; fields past the third
// are ignored and the three kept unchanged.
StatsFileContent ParseStatsFile(const std::string& text);

// A record for every nick, an entry missing from a shorter list written empty.
std::string FormatStatsFile(const VisitorTable& table);
// What a save writes: the formatted table, or nothing when the file would not
// read back as the table (a TAB or a CR LF inside an entry, lists of
// different lengths).
std::optional<std::string> StatsFileText(const VisitorTable& table);

}  // namespace quorvel
