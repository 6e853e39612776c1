#pragma once
// What every fuzz target shares: a property that does not hold stops the run
// with a message, so libFuzzer keeps the input that broke it.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace quorvel::fuzz {

inline void Require(bool holds, const char* property, std::string_view detail = {}) {
  if (holds) return;
  std::fprintf(stderr, "property violated: %s\n", property);
  if (!detail.empty()) std::fprintf(stderr, "%.*s\n", static_cast<int>(detail.size()), detail.data());
  std::abort();
}

inline std::string Bytes(const unsigned char* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

}  // namespace quorvel::fuzz
