#pragma once
// A fresh folder for one test, removed with everything in it when the test
// ends, with the two things tests do there: put a file and read one back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "sim/TempDir.h"
#include "storage/WholeFile.h"

namespace quorvel::testing {

class ScratchDir {
 public:
  explicit ScratchDir(const std::string& prefix = "quorvel-test") {
    const auto made = MakeTempDir(prefix);
    if (!made) throw std::runtime_error("no temporary folder for " + prefix);
    dir_ = *made;
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& Dir() const { return dir_; }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  // Writes bytes as they are, making the folders on the way.
  void Write(const std::string& name, const std::string& bytes) const {
    std::filesystem::create_directories((dir_ / name).parent_path());
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  // The file's bytes, or "" when there is none.
  std::string Read(const std::filesystem::path& file) const {
    return ReadWholeFile((file.is_absolute() ? file : dir_ / file).string()).value_or("");
  }

 private:
  std::filesystem::path dir_;
};

}  // namespace quorvel::testing
