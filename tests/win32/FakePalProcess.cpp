#include "FakePalProcess.h"

#include <fstream>

#include "FakePalProtocol.h"
#include "roomlink/ClientLayout.h"
#include "storage/RegAccess.h"
#include "storage/win32/Win32RegistryStore.h"

namespace quorvel::testing {

void InstallClient(const std::string& version) {
  Win32RegistryStore registry;
  RegAccess reg(registry);
  reg.WriteString("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Paltalk Messenger", "DisplayVersion",
                  version);
  reg.WriteString("HKCU\\Software\\Paltalk", "cur_user", "Operator");
}

FakePalProcess::FakePalProcess(const std::string& exeName, const std::vector<std::string>& args) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  journal_ = std::string(temp) + "fakepal-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(GetTickCount64()) + ".log";
  DeleteFileA(journal_.c_str());
  std::vector<std::string> all = {"--journal", journal_};
  all.insert(all.end(), args.begin(), args.end());
  process_ = std::make_unique<ChildProcess>(exeName, all);
  // Ready when the main window is made and the journal says the rooms are built
  // (a minute at most: a busy machine starts Wine slowly).
  WaitUntil(*process_, 60000, [&] {
    const auto lines = JournalLines();
    main_ = !lines.empty() && lines.front() == "READY" ? process_->FindWindowOfClass(kMainWindowClass) : nullptr;
    return main_ != nullptr;
  });
}

FakePalProcess::~FakePalProcess() {
  if (main_) PostMessageA(main_, fakepal::kQuitMessage, 0, 0);
  process_->WaitForExit(5000);
  process_.reset();
  DeleteFileA(journal_.c_str());
}

bool FakePalProcess::Command(unsigned long code, const std::vector<std::string>& fields) const {
  std::string data;
  for (size_t i = 0; i < fields.size(); ++i) data += (i ? std::string(1, fakepal::kFieldSeparator) : "") + fields[i];
  COPYDATASTRUCT cds = {code, static_cast<DWORD>(data.size()), data.data()};
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(main_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG, 10000, &result) &&
         result == 1;
}

std::vector<std::string> FakePalProcess::JournalLines() const {
  std::ifstream in(journal_, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

bool FakePalProcess::WaitForJournal(const std::string& kind, size_t count) const {
  return WaitUntil(*process_, 10000, [&] {
    size_t seen = 0;
    for (const auto& line : JournalLines()) seen += line.rfind(kind + "\t", 0) == 0;
    return seen >= count;
  });
}

}  // namespace quorvel::testing
