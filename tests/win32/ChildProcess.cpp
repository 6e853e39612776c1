#include "ChildProcess.h"

namespace quorvel::testing {
namespace {

struct FindWindowRequest {
  DWORD ProcessId;
  const std::string* ClassName;
  HWND Found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* find = reinterpret_cast<FindWindowRequest*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char cls[256] = {};
  GetClassNameA(window, cls, sizeof cls);
  if (pid == find->ProcessId && *find->ClassName == cls) {
    find->Found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string ExeDirectory() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path);
  return dir.substr(0, dir.find_last_of("\\/"));
}

ChildProcess::ChildProcess(const std::string& exeName, const std::vector<std::string>& args) {
  // A bare name is a program of the build; anything with a folder is taken as it is.
  const bool hasFolder = exeName.find_first_of("\\/:") != std::string::npos;
  const std::string exe = hasFolder ? exeName : ExeDirectory() + "\\" + exeName;
  std::string commandLine = "\"" + exe + "\"";
  for (const auto& a : args) commandLine += " \"" + a + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) {
    pi_ = {};
    return;
  }
  WaitForInputIdle(pi_.hProcess, 20000);
}

ChildProcess::~ChildProcess() {
  Terminate();
  if (pi_.hProcess) {
    CloseHandle(pi_.hProcess);
    CloseHandle(pi_.hThread);
  }
}

HWND ChildProcess::FindWindowOfClass(const std::string& className) const {
  FindWindowRequest find{pi_.dwProcessId, &className, nullptr};
  if (pi_.hProcess) EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&find));
  return find.Found;
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) const {
  return pi_.hProcess && WaitForSingleObject(pi_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

void ChildProcess::Terminate() {
  if (pi_.hProcess && !WaitForExit(0)) {
    TerminateProcess(pi_.hProcess, 1);
    WaitForExit(5000);
  }
}

}  // namespace quorvel::testing
