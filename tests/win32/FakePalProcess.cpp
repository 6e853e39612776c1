#include "FakePalProcess.h"

#include <fstream>
#include <sstream>

#include "FakePalProtocol.h"
#include "roomlink/ClientLayout.h"

namespace quorvel::testing {
namespace {

struct FindMain {
  DWORD ProcessId;
  HWND Found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
  auto* find = reinterpret_cast<FindMain*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char cls[256] = {};
  GetClassNameA(window, cls, sizeof cls);
  if (pid == find->ProcessId && std::string(cls) == kMainWindowClass) {
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

FakePalProcess::FakePalProcess(const std::string& exeName, const std::vector<std::string>& args) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  journal_ = std::string(temp) + "fakepal-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(GetTickCount64()) + ".log";
  DeleteFileA(journal_.c_str());
  const std::string exe = ExeDirectory() + "\\" + exeName;
  std::string commandLine = "\"" + exe + "\" --journal \"" + journal_ + "\"";
  for (const auto& a : args) commandLine += " \"" + a + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_)) return;
  // Ready when its message loop idles with the main window made and the
  // journal says the rooms are built; bounded so a broken start fails the test.
  WaitForInputIdle(pi_.hProcess, 20000);
  const ULONGLONG deadline = GetTickCount64() + 20000;
  while (GetTickCount64() < deadline) {
    FindMain find{pi_.dwProcessId, nullptr};
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&find));
    const auto lines = JournalLines();
    if (find.Found && !lines.empty() && lines.front() == "READY") {
      main_ = find.Found;
      return;
    }
    if (WaitForSingleObject(pi_.hProcess, 20) == WAIT_OBJECT_0) return;  // it died
  }
}

FakePalProcess::~FakePalProcess() {
  if (pi_.hProcess) {
    if (main_) PostMessageA(main_, fakepal::kQuitMessage, 0, 0);
    if (WaitForSingleObject(pi_.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi_.hProcess, 1);
    CloseHandle(pi_.hProcess);
    CloseHandle(pi_.hThread);
  }
  DeleteFileA(journal_.c_str());
}

bool FakePalProcess::Command(unsigned long code, const std::vector<std::string>& fields) const {
  std::string data;
  for (size_t i = 0; i < fields.size(); ++i) data += (i ? std::string(1, fakepal::kFieldSeparator) : "") + fields[i];
  COPYDATASTRUCT cds = {code, static_cast<DWORD>(data.size()), data.data()};
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(main_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG, 10000,
                             &result) &&
         result == 1;
}

std::vector<std::string> FakePalProcess::JournalLines() const {
  std::ifstream in(journal_, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

bool FakePalProcess::WaitForExit(DWORD timeoutMs) const {
  return pi_.hProcess && WaitForSingleObject(pi_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

}  // namespace quorvel::testing
