#pragma once
// A window of the test's own thread, which is the bot's, for fakepal's
// kSetNicksAtPump: fakepal sends it a probe, which the thread takes only when
// the bot pumps its messages, and it answers with kApplyPendingNicks, so the
// client's nick list changes while the bot is inside its pump.
#include <windows.h>

#include <string>

namespace quorvel::testing {

class PumpProbeWindow {
 public:
  PumpProbeWindow();
  ~PumpProbeWindow();
  PumpProbeWindow(const PumpProbeWindow&) = delete;
  PumpProbeWindow& operator=(const PumpProbeWindow&) = delete;

  // The window handle in decimal, as the protocol's field takes it.
  std::string HandleText() const;
  // True once a message sent from another thread waits for this thread (the
  // probe, a few milliseconds after kSetNicksAtPump was answered); at most
  // ten seconds. Nothing is taken from the queue.
  bool WaitForProbe() const;

 private:
  HWND window_ = nullptr;
};

}  // namespace quorvel::testing
