#pragma once
// Memory in another process, for the list-view messages whose records hold
// pointers. Blocks and the process handle are always released.
#include <windows.h>

#include <cstddef>

#include "host/LiveCount.h"
#include "roomlink/win32/ProcessOpener.h"

namespace quorvel {

// Which records the process's list views and rich edits take: 32-bit ones
// hold 4-byte pointers, 64-bit ones 8-byte pointers.
enum class ProcessBitness { Unknown, Bits32, Bits64 };

class RemoteProcess {
 public:
  // Opens the process owning the window for memory operations and learns its
  // bitness. A process that grants the memory rights but not the right to ask
  // about it is opened all the same, with its bitness Unknown.
  RemoteProcess(HWND window, const ProcessOpener& open);
  ~RemoteProcess();
  RemoteProcess(const RemoteProcess&) = delete;
  RemoteProcess& operator=(const RemoteProcess&) = delete;

  bool Valid() const { return process_ != nullptr; }
  ProcessBitness Bitness() const { return bitness_; }
  bool Is32Bit() const { return bitness_ == ProcessBitness::Bits32; }
  HANDLE Handle() const { return process_; }

 private:
  HANDLE process_ = nullptr;
  ProcessBitness bitness_ = ProcessBitness::Unknown;
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
