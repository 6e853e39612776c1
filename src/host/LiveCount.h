#pragma once
// How many of the system resources the program owns are held right now: GDI
// objects, device contexts, registry keys, process handles and blocks of
// memory in another process. Every owner of such a resource (the RAII classes
// of the adapters) carries a LiveMark of its kind, which counts it while it
// holds one.
//
// Unlike the host services, these counters are process-wide state, on
// purpose: what they count is process-wide by nature, and an owner in any
// layer must reach them without being handed anything. Nothing in the program
// reads them to decide anything. They exist for the long-run test of the real
// program, because what it could ask the system from outside does not work
// everywhere (Wine answers 0 to GetGuiResources and GetProcessHandleCount for
// another process): the test asks the main window, which answers with these.
#include <array>
#include <atomic>
#include <cstddef>
#include <utility>

namespace quorvel {

enum class LiveKind { GdiObject, DeviceContext, RegistryKey, ProcessHandle, RemoteBlock };
inline constexpr std::size_t kLiveKinds = 5;
inline constexpr std::array<const char*, kLiveKinds> kLiveKindNames = {
    "GDI objects", "device contexts", "registry keys", "process handles", "remote blocks"};

inline std::atomic<long>& LiveCounter(LiveKind kind) {
  static std::array<std::atomic<long>, kLiveKinds> counts{};
  return counts[static_cast<std::size_t>(kind)];
}

inline long LiveCount(LiveKind kind) { return LiveCounter(kind).load(); }

// Counts one resource of the kind while it is set; moves with its owner.
template <LiveKind Kind>
class LiveMark {
 public:
  LiveMark() = default;
  explicit LiveMark(bool held) { Set(held); }
  ~LiveMark() { Set(false); }
  LiveMark(LiveMark&& other) noexcept : held_(std::exchange(other.held_, false)) {}
  LiveMark& operator=(LiveMark&& other) noexcept {
    if (this != &other) {
      Set(false);
      held_ = std::exchange(other.held_, false);
    }
    return *this;
  }
  LiveMark(const LiveMark&) = delete;
  LiveMark& operator=(const LiveMark&) = delete;

  void Set(bool held) {
    if (held == held_) return;
    LiveCounter(Kind) += held ? 1 : -1;
    held_ = held;
  }
  bool Held() const { return held_; }

 private:
  bool held_ = false;
};

}  // namespace quorvel
