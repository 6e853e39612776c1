#include "PumpProbeWindow.h"

#include <cstdint>

#include "FakePalProtocol.h"

namespace quorvel::testing {

namespace {

constexpr const char* kProbeClass = "QuorvelTestPumpProbe";

LRESULT CALLBACK ProbeProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message != RegisterWindowMessageA(fakepal::kPumpProbeMessage)) return DefWindowProcA(window, message, w, l);
  // fakepal waits inside its send of the probe and applies the items when
  // this answer reaches it; the bot goes on only after that.
  COPYDATASTRUCT apply = {fakepal::kApplyPendingNicks, 0, nullptr};
  DWORD_PTR result = 0;
  SendMessageTimeoutA(reinterpret_cast<HWND>(w), WM_COPYDATA, reinterpret_cast<WPARAM>(window),
                      reinterpret_cast<LPARAM>(&apply), SMTO_NORMAL, 10000, &result);
  return 1;
}

}  // namespace

PumpProbeWindow::PumpProbeWindow() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = ProbeProcedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kProbeClass;
  RegisterClassA(&wc);  // fails harmlessly when an earlier test registered it
  window_ = CreateWindowExA(0, kProbeClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
}

PumpProbeWindow::~PumpProbeWindow() {
  if (window_) DestroyWindow(window_);
}

std::string PumpProbeWindow::HandleText() const {
  return std::to_string(static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window_)));
}

bool PumpProbeWindow::WaitForProbe() const {
  // Polled, so that nothing in the wait itself can take the probe early.
  const ULONGLONG deadline = GetTickCount64() + 10000;
  while (!(HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE)) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(5);
  }
  return true;
}

}  // namespace quorvel::testing
