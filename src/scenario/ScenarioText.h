#pragma once
// The lexical layer of scenario files: statements, free texts and their
// escapes, and blocks closed by "end".
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

struct ScenarioStatement {
  int LineNumber = 0;
  std::string Text;                // the statement line, CR dropped
  std::vector<std::string> Block;  // the block's lines, for block statements
};

// \t \r \n \s \\ \xHH; a backslash before anything else stands for itself.
std::string UnescapeFreeText(const std::string& text);

// Splits a file into lines at LF, dropping a CR before the LF.
std::vector<std::string> SplitScenarioLines(const std::string& content);

// Reads words separated by one blank each, then the free text after them.
class StatementCursor {
 public:
  explicit StatementCursor(std::string text) : text_(std::move(text)) {}
  // The next word; nothing when the statement has no more words.
  std::optional<std::string> Word();
  // Everything after the blank that follows the last word read, exactly as
  // written (empty when there is no such blank).
  std::string Rest() const;
  bool AtEnd() const { return pos_ >= text_.size(); }

 private:
  std::string text_;
  size_t pos_ = 0;
  bool started_ = false;
};

}  // namespace quorvel
