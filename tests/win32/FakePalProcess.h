#pragma once
// fakepal.exe in its own process for one test, with its journal.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "FakePalProtocol.h"

namespace quorvel::testing {

// The registry of an installed client of that version, signed in as
// "Operator": what the bot reads before it looks for the client's windows.
void InstallClient(const std::string& version = "10.1");

class FakePalProcess {
 public:
  FakePalProcess(const std::string& exeName, const std::vector<std::string>& args);
  ~FakePalProcess();
  FakePalProcess(const FakePalProcess&) = delete;
  FakePalProcess& operator=(const FakePalProcess&) = delete;

  // True once the client's main window exists and it has built its rooms.
  bool Ready() const { return main_ != nullptr; }
  HWND Main() const { return main_; }
  // One of the protocol's WM_COPYDATA commands; true when fakepal did it.
  bool Command(unsigned long code, const std::vector<std::string>& fields) const;
  void Post(UINT message, WPARAM w = 0) const { PostMessageA(main_, message, w, 0); }
  // The client stops answering for ms. Sent ahead of whatever the test sends
  // next, so that is sure to meet the hung client.
  void Hang(DWORD ms) const { SendNotifyMessageA(main_, fakepal::kHangMessage, ms, 0); }
  std::vector<std::string> JournalLines() const;
  // Posted messages reach fakepal after sent ones: waits, bounded, until its
  // journal holds `count` lines of the kind.
  bool WaitForJournal(const std::string& kind, size_t count = 1) const;
  bool WaitForExit(DWORD timeoutMs) const { return process_->WaitForExit(timeoutMs); }

 private:
  std::string journal_;
  std::unique_ptr<ChildProcess> process_;
  HWND main_ = nullptr;
};

}  // namespace quorvel::testing
