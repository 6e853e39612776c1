#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace quorvel {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Error, Warning, Information, Question };
enum class DialogAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
  bool Save = false;
  std::string Filter;  // "Text Files (*.txt)|*.txt"
  std::string Title;
};

// The operator-facing dialogs. Only the few messages the program shows go here.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual DialogAnswer ShowMessage(const std::string& text, const std::string& title, MessageButtons buttons,
                                   MessageIcon icon) = 0;
  // A full path, or nothing when the operator cancels.
  virtual std::optional<std::string> AskFile(const FileDialogRequest& request) = 0;
  // A COLORREF (red in the low byte), or nothing when cancelled.
  virtual std::optional<std::uint32_t> AskColor(std::uint32_t current) = 0;
};

}  // namespace quorvel
