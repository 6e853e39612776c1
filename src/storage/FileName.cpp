#include "storage/FileName.h"

#include "text/CodePage.h"

namespace quorvel {

bool IsAllowedFileName(std::string_view name) {
  constexpr std::string_view kReserved = "\\/:*?\"<>|";
  const int codePage = SystemCodePage();
  for (size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    // The second byte of a double-byte character may be 0x5C or 0x7C and is
    // no backslash or bar: the two bytes are one letter of the name.
    if (IsLeadByte(codePage, c) && i + 1 < name.size()) {
      ++i;
      continue;
    }
    if (c < 0x20 || kReserved.find(static_cast<char>(c)) != std::string_view::npos) return false;
  }
  return true;
}

namespace {

// Where the last separator stands; npos when there is none.
size_t LastSeparator(std::string_view path) {
  const int codePage = SystemCodePage();
  size_t last = std::string_view::npos;
  for (size_t i = 0; i < path.size(); ++i) {
    if (IsLeadByte(codePage, static_cast<unsigned char>(path[i])) && i + 1 < path.size()) {
      ++i;
      continue;
    }
    if (path[i] == '\\' || path[i] == '/') last = i;
  }
  return last;
}

}  // namespace

std::string FolderOf(std::string_view path) {
  const size_t at = LastSeparator(path);
  return at == std::string_view::npos ? std::string() : std::string(path.substr(0, at));
}

std::string NameOf(std::string_view path) {
  const size_t at = LastSeparator(path);
  return std::string(at == std::string_view::npos ? path : path.substr(at + 1));
}

std::string StemOf(std::string_view name) {
  // No trail byte of the supported code pages is a full stop.
  const size_t dot = name.rfind('.');
  return std::string(dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot));
}

}  // namespace quorvel
