#include "host/win32/Win32Host.h"

#include <commdlg.h>
#include <shellapi.h>

#include <chrono>

namespace quorvel {

LocalTime Win32Clock::Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

std::string Win32Clock::ShortDate(const LocalTime& when) {
  SYSTEMTIME st = {};
  st.wYear = static_cast<WORD>(when.Year);
  st.wMonth = static_cast<WORD>(when.Month);
  st.wDay = static_cast<WORD>(when.Day);
  char buffer[64] = {};
  const int n = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer) : std::string();
}

double Win32Clock::MonotonicSeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void Win32Random::Seed() {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  engine_.seed(static_cast<std::uint64_t>(counter.QuadPart) ^ GetTickCount64());
}

double Win32Random::Next() { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

void Win32Pump::PumpOnce() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // the main loop still has to see it
      return;
    }
    if (route_ && route_(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

DialogAnswer Win32Dialogs::ShowMessage(const std::string& text, const std::string& title, MessageButtons buttons,
                                       MessageIcon icon) {
  UINT type = 0;
  switch (buttons) {
    case MessageButtons::Ok:
      type = MB_OK;
      break;
    case MessageButtons::OkCancel:
      type = MB_OKCANCEL;
      break;
    case MessageButtons::YesNo:
      type = MB_YESNO;
      break;
    case MessageButtons::YesNoCancel:
      type = MB_YESNOCANCEL;
      break;
  }
  switch (icon) {
    case MessageIcon::Error:
      type |= MB_ICONERROR;
      break;
    case MessageIcon::Warning:
      type |= MB_ICONWARNING;
      break;
    case MessageIcon::Information:
      type |= MB_ICONINFORMATION;
      break;
    case MessageIcon::Question:
      type |= MB_ICONQUESTION;
      break;
    case MessageIcon::None:
      break;
  }
  switch (MessageBoxA(owner_, text.c_str(), title.c_str(), type)) {
    case IDYES:
      return DialogAnswer::Yes;
    case IDNO:
      return DialogAnswer::No;
    case IDCANCEL:
      return DialogAnswer::Cancel;
    default:
      return DialogAnswer::Ok;
  }
}

std::optional<std::string> Win32Dialogs::AskFile(const FileDialogRequest& request) {
  // "Text Files (*.txt)|*.txt" becomes the double-zero-terminated pairs.
  std::string filter = request.Filter;
  for (char& c : filter)
    if (c == '|') c = '\0';
  filter.append(2, '\0');
  char file[MAX_PATH] = {};
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner_;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrTitle = request.Title.empty() ? nullptr : request.Title.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | (request.Save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL ok = request.Save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!ok) return std::nullopt;
  return std::string(file);
}

std::optional<std::uint32_t> Win32Dialogs::AskColor(std::uint32_t current) {
  CHOOSECOLORA cc = {};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner_;
  cc.rgbResult = current;
  cc.lpCustColors = custom_;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorA(&cc)) return std::nullopt;
  return static_cast<std::uint32_t>(cc.rgbResult);
}

void Win32Shell::OpenDocument(const std::string& target) {
  ShellExecuteA(owner_, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

bool Win32Shell::StartProgram(const std::string& path) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWMINIMIZED;
  PROCESS_INFORMATION pi = {};
  std::string commandLine = "\"" + path + "\"";
  if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return false;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

std::string WindowsVersionText() {
  // RtlGetVersion answers the true version; GetVersionEx answers what the
  // manifest claims to support.
  using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
  OSVERSIONINFOW info = {};
  info.dwOSVersionInfoSize = sizeof info;
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  const auto rtlGetVersion =
      ntdll ? reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
            : nullptr;
  if (!rtlGetVersion || rtlGetVersion(&info) != 0) return "unknown";
  return std::to_string(info.dwMajorVersion) + "." + std::to_string(info.dwMinorVersion) + "." +
         std::to_string(info.dwBuildNumber);
}

}  // namespace quorvel
