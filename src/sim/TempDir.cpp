#include "sim/TempDir.h"

#include <random>

namespace quorvel {

std::optional<std::string> MakeTempDir(const std::string& prefix) {
  const std::optional<std::string> base = TempFolder();
  if (!base) return std::nullopt;
  std::random_device rd;
  FileSystem& fs = SystemFiles();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string candidate = InFolder(*base, prefix + "-" + std::to_string(rd()));
    // A name already there is someone else's folder: try another.
    if (fs.KindOf(candidate) == PathKind::Missing && fs.MakeFolder(candidate)) return candidate;
  }
  return std::nullopt;
}

}  // namespace quorvel
