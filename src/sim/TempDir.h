#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace quorvel {

// A new empty folder under the system's temporary folder, named PREFIX-number.
std::optional<std::filesystem::path> MakeTempDir(const std::string& prefix);

// Removes the folder and everything in it when it goes out of scope.
class TempDirOwner {
 public:
  explicit TempDirOwner(std::filesystem::path dir) : dir_(std::move(dir)) {}
  ~TempDirOwner() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  TempDirOwner(const TempDirOwner&) = delete;
  TempDirOwner& operator=(const TempDirOwner&) = delete;

 private:
  std::filesystem::path dir_;
};

}  // namespace quorvel
