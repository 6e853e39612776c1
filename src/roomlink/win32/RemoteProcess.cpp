#include "roomlink/win32/RemoteProcess.h"

namespace quorvel {

RemoteProcess::RemoteProcess(HWND window, const ProcessOpener& open) {
  DWORD pid = 0;
  if (!window || !GetWindowThreadProcessId(window, &pid) || pid == 0) return;
  constexpr DWORD kMemoryRights = PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE;
  process_ = static_cast<HANDLE>(open(kMemoryRights | PROCESS_QUERY_LIMITED_INFORMATION, pid));
  if (!process_) {
    // Reachable, but it cannot be asked which records it takes.
    process_ = static_cast<HANDLE>(open(kMemoryRights, pid));
    live_.Set(process_ != nullptr);
    return;
  }
  live_.Set(true);
#ifdef _WIN64
  BOOL wow64 = FALSE;
  if (IsWow64Process(process_, &wow64)) bitness_ = wow64 ? ProcessBitness::Bits32 : ProcessBitness::Bits64;
#else
  bitness_ = ProcessBitness::Bits32;  // a 32-bit build reads every client with 32-bit records
#endif
}

RemoteProcess::~RemoteProcess() {
  if (process_) CloseHandle(process_);
}

RemoteBlock::RemoteBlock(const RemoteProcess& process, std::size_t size) : process_(process.Handle()) {
  if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  if (address_) size_ = size;
  live_.Set(address_ != nullptr);
}

RemoteBlock::~RemoteBlock() {
  if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

bool RemoteBlock::Write(const void* data, std::size_t size) const {
  SIZE_T written = 0;
  return address_ && size <= size_ && WriteProcessMemory(process_, address_, data, size, &written) && written == size;
}

bool RemoteBlock::Read(void* data, std::size_t size, std::size_t offset) const {
  SIZE_T read = 0;
  return address_ && offset <= size_ && size <= size_ - offset &&
         ReadProcessMemory(process_, static_cast<const char*>(address_) + offset, data, size, &read) && read == size;
}

}  // namespace quorvel
