#pragma once
#include <string>

namespace quorvel {

class Shell {
 public:
  virtual ~Shell() = default;
  // Asks the shell to open a document or an address; what happens then is its business.
  virtual void OpenDocument(const std::string& target) = 0;
  // Starts a program, minimized, without waiting; false when it cannot start.
  virtual bool StartProgram(const std::string& path) = 0;
};

}  // namespace quorvel
