#pragma once
#include <optional>
#include <string>

#include "storage/WholeFile.h"

namespace quorvel {

// A new empty folder under the system's temporary folder, named PREFIX-number.
std::optional<std::string> MakeTempDir(const std::string& prefix);

// Removes the folder and everything in it when it goes out of scope.
class TempDirOwner {
 public:
  explicit TempDirOwner(std::string dir) : dir_(std::move(dir)) {}
  ~TempDirOwner() { RemoveTree(dir_); }
  TempDirOwner(const TempDirOwner&) = delete;
  TempDirOwner& operator=(const TempDirOwner&) = delete;

 private:
  std::string dir_;
};

}  // namespace quorvel
