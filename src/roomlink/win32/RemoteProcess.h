#pragma once
// Memory in another process, for the list-view messages whose records hold
// pointers. Blocks and the process handle are always released.
#include <windows.h>

#include <cstddef>
#include <optional>

#include "host/LiveCount.h"

namespace quorvel {

class RemoteProcess {
 public:
  // Opens the process owning the window for memory operations.
  explicit RemoteProcess(HWND window);
  ~RemoteProcess();
  RemoteProcess(const RemoteProcess&) = delete;
  RemoteProcess& operator=(const RemoteProcess&) = delete;

  bool Valid() const { return process_ != nullptr; }
  // True when the process runs 32-bit code: a WOW64 process, or any process
  // when this one is 32-bit itself.
  bool Is32Bit() const { return is32Bit_; }
  HANDLE Handle() const { return process_; }

 private:
  HANDLE process_ = nullptr;
  bool is32Bit_ = false;
  LiveMark<LiveKind::ProcessHandle> live_;
};

class RemoteBlock {
 public:
  RemoteBlock(const RemoteProcess& process, std::size_t size);
  ~RemoteBlock();
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;

  bool Valid() const { return address_ != nullptr; }
  void* Address() const { return address_; }
  std::size_t Size() const { return size_; }
  bool Write(const void* data, std::size_t size) const;
  // `size` bytes from `offset` into the block.
  bool Read(void* data, std::size_t size, std::size_t offset = 0) const;

 private:
  HANDLE process_;
  void* address_ = nullptr;
  std::size_t size_ = 0;
  LiveMark<LiveKind::RemoteBlock> live_;
};

}  // namespace quorvel
