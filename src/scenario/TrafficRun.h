#pragma once
// Random room traffic against the whole bot, every feature on, with the
// bot's invariants checked after every tick: the simulator's long-run test.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

namespace quorvel {

struct MemoryUse {
  std::int64_t ResidentBytes = 0;
  std::int64_t PeakBytes = 0;
};

struct TrafficOptions {
  long long Ticks = 0;
  std::uint32_t Seed = 1;
  // The process's memory as the system reports it; nothing where it cannot tell.
  std::function<std::optional<MemoryUse>()> Memory;
};

// The tick after which memory must stay flat.
inline constexpr long long kTrafficWarmUpTicks = 50000;

// Prints what it measured; 0 when every invariant held, 1 at the first that
// did not (with the tick and what was found), 2 when the room could not be set up.
int RunTraffic(const TrafficOptions& options, const std::string& programDir, std::ostream& out);

}  // namespace quorvel
