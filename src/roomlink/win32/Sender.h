#pragma once
// One call to a window of the client, bounded: SendMessageTimeout within the
// budget of the current tick (Win32Desktop::CallBudget).
#include <windows.h>

#include <optional>

#include "roomlink/win32/Win32Desktop.h"

namespace quorvel {

// The id of the process that owns the window; 0 when there is none.
DWORD ProcessOf(HWND window);

class Sender {
 public:
  Sender(HWND window, Win32Desktop::CallBudget& budget) : window_(window), budget_(budget) {}

  // The answer, or nothing when the window is gone, did not answer in time,
  // or belongs to a client that let an earlier call of this tick time out.
  std::optional<LRESULT> A(UINT message, WPARAM w, LPARAM l) const { return Send(false, message, w, l); }
  std::optional<LRESULT> W(UINT message, WPARAM w, LPARAM l) const { return Send(true, message, w, l); }

 private:
  std::optional<LRESULT> Send(bool wide, UINT message, WPARAM w, LPARAM l) const;

  HWND window_;
  Win32Desktop::CallBudget& budget_;
};

}  // namespace quorvel
