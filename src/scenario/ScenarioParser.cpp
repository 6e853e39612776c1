#include "scenario/ScenarioParser.h"

namespace quorvel::scenario {
namespace {

// Marks the statement of a block that has no closing "end"; no scenario line can hold it.
constexpr const char* kUnclosed = "\x01unclosed";

// Words that begin a block statement, closed by a line holding only "end".
bool IsBlockStatement(const std::string& text) {
  StatementCursor c(text);
  const auto verb = c.Word();
  if (!verb) return false;
  if (*verb == "file" || *verb == "rawfile" || *verb == "editor-rtf") return true;
  if (*verb != "expect") return false;
  const auto what = c.Word();
  return what && (*what == "list" || *what == "file" || *what == "rtf" || *what == "no-rtf" || *what == "rawfile");
}

// A block line ending in \s ends in a blank.
std::string BlockLine(const std::string& line) {
  if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\\s") == 0) return line.substr(0, line.size() - 2) + " ";
  return line;
}

}  // namespace

std::vector<ScenarioStatement> ParseScenario(const std::string& content) {
  const auto lines = SplitScenarioLines(content);
  std::vector<ScenarioStatement> statements;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    ScenarioStatement st;
    st.LineNumber = static_cast<int>(i + 1);
    st.Text = line;
    if (IsBlockStatement(line)) {
      bool closed = false;
      for (++i; i < lines.size(); ++i) {
        if (lines[i] == "end") {
          closed = true;
          break;
        }
        st.Block.push_back(BlockLine(lines[i]));
      }
      if (!closed) {
        st.Block.clear();
        st.Text = kUnclosed;
      }
    }
    statements.push_back(std::move(st));
  }
  return statements;
}

bool IsUnclosedBlock(const ScenarioStatement& statement) { return statement.Text == kUnclosed; }

}  // namespace quorvel::scenario
