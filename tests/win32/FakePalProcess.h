#pragma once
// A fakepal.exe started in its own process for one test, and ended with it.
#include <windows.h>

#include <string>
#include <vector>

namespace quorvel::testing {

class FakePalProcess {
 public:
  FakePalProcess(const std::string& exeName, const std::vector<std::string>& args);
  ~FakePalProcess();
  FakePalProcess(const FakePalProcess&) = delete;
  FakePalProcess& operator=(const FakePalProcess&) = delete;

  // True once the client's main window exists and it has built its rooms.
  bool Ready() const { return main_ != nullptr; }
  HWND Main() const { return main_; }
  DWORD ProcessId() const { return pi_.dwProcessId; }
  // One of the protocol's WM_COPYDATA commands; true when fakepal did it.
  bool Command(unsigned long code, const std::vector<std::string>& fields) const;
  void Post(UINT message, WPARAM w = 0) const { PostMessageA(main_, message, w, 0); }
  std::vector<std::string> JournalLines() const;
  // Waits for the process to end, at most timeoutMs.
  bool WaitForExit(DWORD timeoutMs) const;

 private:
  PROCESS_INFORMATION pi_ = {};
  std::string journal_;
  HWND main_ = nullptr;
};

std::string ExeDirectory();

}  // namespace quorvel::testing
