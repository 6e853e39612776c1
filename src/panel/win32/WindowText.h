#pragma once
// A window's whole text (caption, box content), however long.
#include <windows.h>

#include <algorithm>
#include <string>

namespace quorvel {

inline std::string WindowString(HWND window) {
  const int n = std::max(0, GetWindowTextLengthA(window));
  std::string text(static_cast<size_t>(n) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), n + 1);
  text.resize(static_cast<size_t>(std::clamp(copied, 0, n)));
  return text;
}

}  // namespace quorvel
