#include "storage/FileName.h"

namespace quorvel {

bool IsAllowedFileName(std::string_view name) {
  constexpr std::string_view kReserved = "\\/:*?\"<>|";
  for (char c : name)
    if (static_cast<unsigned char>(c) < 0x20 || kReserved.find(c) != std::string_view::npos) return false;
  return true;
}

}  // namespace quorvel
