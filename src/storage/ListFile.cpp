#include "storage/ListFile.h"

#include "storage/WholeFile.h"

namespace quorvel {

std::vector<std::string> ParseListFields(const std::string& s) {
  std::vector<std::string> fields;
  const size_t n = s.size();
  size_t pos = 0;
  auto atLineEnd = [&](size_t p) { return p < n && (s[p] == '\r' || s[p] == '\n'); };
  auto consumeDelimiter = [&]() {
    if (pos >= n) return;
    if (s[pos] == ',') {
      ++pos;
    } else if (s[pos] == '\r') {
      ++pos;
      if (pos < n && s[pos] == '\n') ++pos;
    } else if (s[pos] == '\n') {
      ++pos;
    }
  };
  while (pos < n) {
    while (pos < n && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
    if (pos >= n) break;  // blanks at the very end are no field
    std::string field;
    if (s[pos] == '"') {
      const size_t close = s.find('"', pos + 1);
      const size_t end = close == std::string::npos ? n : close;
      field = s.substr(pos + 1, end - pos - 1);
      pos = close == std::string::npos ? n : close + 1;
      // Whatever follows the closing quote up to the delimiter is dropped.
      while (pos < n && s[pos] != ',' && !atLineEnd(pos)) ++pos;
    } else {
      const size_t start = pos;
      while (pos < n && s[pos] != ',' && !atLineEnd(pos)) ++pos;
      field = s.substr(start, pos - start);  // trailing blanks stay: design names end in one
    }
    consumeDelimiter();
    fields.push_back(std::move(field));
  }
  return fields;
}

namespace {

// An item that reads back as itself only in quotes: a comma, a line end (an
// entry of a hand-made file can hold one) or a leading blank. An item holding
// a double quote is written as it always was: it reads back as itself only
// when none of those is in it, and the save refuses it otherwise.
bool NeedsQuotes(const std::string& item) {
  if (item.find('"') != std::string::npos) return false;
  return item.find_first_of(",\r\n") != std::string::npos || (!item.empty() && (item[0] == ' ' || item[0] == '\t'));
}

bool Quoted(const std::string& item, ListQuoting quoting) {
  return quoting == ListQuoting::Always || NeedsQuotes(item);
}

}  // namespace

bool FitsListFile(std::string_view entry) { return entry.find_first_of("\"\r\n") == std::string_view::npos; }

std::string FormatListFile(const std::vector<std::string>& list, ListQuoting quoting) {
  std::string out;
  for (const auto& item : list) out += (Quoted(item, quoting) ? "\"" + item + "\"" : item) + "\r\n";
  return out;
}

bool LoadListFile(const std::string& path, std::vector<std::string>& list) {
  const std::optional<std::string> content = ReadWholeFile(path);
  if (!content) return false;
  for (auto& field : ParseListFields(*content)) list.push_back(std::move(field));
  return true;
}

bool LoadListFile(const std::string& path, StringList& list) {
  std::vector<std::string> fields;
  if (!LoadListFile(path, fields)) return false;
  list.Append(fields);
  return true;
}

std::optional<std::string> ListFileContent(const std::vector<std::string>& list, ListQuoting quoting) {
  std::string content = FormatListFile(list, quoting);
  if (ParseListFields(content) != list) return std::nullopt;
  return content;
}

SaveResult SaveListFile(const std::string& path, const std::vector<std::string>& list, ListQuoting quoting) {
  const std::optional<std::string> content = ListFileContent(list, quoting);
  if (!content) return {SaveOutcome::WouldNotReadBack, {}};
  return WriteFileReplacing(path, *content);
}

}  // namespace quorvel
