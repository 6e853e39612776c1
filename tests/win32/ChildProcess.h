#pragma once
// A program of the build started in its own process for one test and ended
// with it.
#include <windows.h>

#include <string>
#include <vector>

namespace quorvel::testing {

class ChildProcess {
 public:
  ChildProcess(const std::string& exeName, const std::vector<std::string>& args);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return pi_.hProcess != nullptr; }
  DWORD Id() const { return pi_.dwProcessId; }
  // The process's top-level window of the class; none when it has none.
  HWND FindWindowOfClass(const std::string& className) const;
  bool WaitForExit(DWORD timeoutMs) const;
  // Ends the process if it is still running.
  void Terminate();

 private:
  PROCESS_INFORMATION pi_ = {};
};

std::string ExeDirectory();

// Polls `ready` until it holds or timeoutMs passed, giving up early when the
// process ends; true when it held.
template <typename Ready>
bool WaitUntil(const ChildProcess& process, DWORD timeoutMs, Ready ready) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (GetTickCount64() < deadline) {
    if (ready()) return true;
    if (process.WaitForExit(10)) return ready();
  }
  return ready();
}

}  // namespace quorvel::testing
