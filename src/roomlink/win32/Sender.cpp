#include "roomlink/win32/Sender.h"

namespace quorvel {

DWORD ProcessOf(HWND window) {
  DWORD pid = 0;
  return window && GetWindowThreadProcessId(window, &pid) ? pid : 0;
}

std::optional<LRESULT> Sender::Send(bool wide, UINT message, WPARAM w, LPARAM l) const {
  if (!window_) return std::nullopt;
  if (budget_.hungProcess != 0 && ProcessOf(window_) == budget_.hungProcess) return std::nullopt;
  ++budget_.sent;
  DWORD_PTR result = 0;
  const UINT flags = SMTO_ABORTIFHUNG | SMTO_BLOCK;
  const LRESULT answered = wide ? SendMessageTimeoutW(window_, message, w, l, flags, budget_.timeoutMs, &result)
                                : SendMessageTimeoutA(window_, message, w, l, flags, budget_.timeoutMs, &result);
  if (answered) return static_cast<LRESULT>(result);
  // A window that is still there did not answer in time: its client hangs.
  if (budget_.inTick && IsWindow(window_)) budget_.hungProcess = ProcessOf(window_);
  return std::nullopt;
}

}  // namespace quorvel
