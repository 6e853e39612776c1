#include "sim/TempDir.h"

#include <random>

namespace quorvel {

std::optional<std::filesystem::path> MakeTempDir(const std::string& prefix) {
  std::random_device rd;
  std::error_code ec;
  const auto base = std::filesystem::temp_directory_path(ec);
  if (ec) return std::nullopt;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto candidate = base / (prefix + "-" + std::to_string(rd()));
    if (std::filesystem::create_directory(candidate, ec)) return candidate;
  }
  return std::nullopt;
}

}  // namespace quorvel
