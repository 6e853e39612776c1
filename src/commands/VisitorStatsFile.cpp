#include "commands/VisitorStatsFile.h"

#include "text/AnsiText.h"

namespace quorvel {

StatsFileContent ParseStatsFile(const std::string& text) {
  StatsFileContent content;
  size_t pos = 0;
  while (pos <= text.size()) {
    const size_t end = text.find("\r\n", pos);
    const std::string line = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    pos = end == std::string::npos ? text.size() + 1 : end + 2;
    if (line.empty()) continue;
    const auto fields = SplitAt(line, '\t');
    if (fields.size() < 3) {
      content.Truncated = true;
      break;
    }
    content.Table.Nicks.push_back(fields[0]);
    content.Table.Counts.push_back(fields[1]);
    content.Table.LastSeen.push_back(fields[2]);
  }
  return content;
}

std::string FormatStatsFile(const VisitorTable& table) {
  auto at = [](const std::vector<std::string>& list, size_t i) { return i < list.size() ? list[i] : std::string(); };
  std::string text;
  for (size_t i = 0; i < table.Nicks.size(); ++i)
    text += table.Nicks[i] + "\t" + at(table.Counts, i) + "\t" + at(table.LastSeen, i) + "\r\n";
  return text + "\r\n";
}

std::optional<std::string> StatsFileText(const VisitorTable& table) {
  std::string text = FormatStatsFile(table);
  const StatsFileContent back = ParseStatsFile(text);
  if (back.Truncated || !(back.Table == table)) return std::nullopt;
  return text;
}

}  // namespace quorvel
