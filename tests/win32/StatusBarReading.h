#pragma once
// The status bar of quorvel.exe read from the test's process.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "roomlink/win32/RemoteProcess.h"

namespace quorvel::testing {

// The bar's parts and where each sits, read as another program must: the
// bar writes into a block of memory in its own process.
struct BarReading {
  std::vector<std::string> Parts;
  std::vector<RECT> Rects;
};

inline BarReading ReadBar(HWND bar) {
  BarReading reading;
  const ProcessOpener open = [](unsigned long access, unsigned long pid) -> void* {
    return OpenProcess(access, FALSE, pid);
  };
  RemoteProcess process(bar, open);
  RemoteBlock block(process, 1024);
  if (!block.Valid()) return reading;
  DWORD_PTR count = 0;
  SendMessageTimeoutA(bar, SB_GETPARTS, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
  for (WPARAM i = 0; i < count; ++i) {
    char text[1024] = {};
    const char nothing[1] = {};
    DWORD_PTR result = 0;
    block.Write(nothing, sizeof nothing);
    SendMessageTimeoutA(bar, SB_GETTEXTA, i, reinterpret_cast<LPARAM>(block.Address()), SMTO_ABORTIFHUNG, 5000,
                        &result);
    block.Read(text, sizeof text - 1);
    reading.Parts.push_back(text);
    RECT rect = {};
    SendMessageTimeoutA(bar, SB_GETRECT, i, reinterpret_cast<LPARAM>(block.Address()), SMTO_ABORTIFHUNG, 5000, &result);
    block.Read(&rect, sizeof rect);
    reading.Rects.push_back(rect);
  }
  return reading;
}

}  // namespace quorvel::testing
