// The poll tick on an idle room (the same line on every tick, nothing to
// answer), with the default lists and with 10,000 entries in every list.
#include <benchmark/benchmark.h>

#include "BenchWorld.h"

namespace quorvel::bench {
namespace {

void FillLists(BotSettings& s, size_t n) {
  s.Swear.SwearList.Items = Filler("sw", n);
  s.Responder.ResponderTriggers.Items = Filler("tr", n);
  s.Responder.ResponderReplies.Items = Filler("re", n);
  s.Admins.AdminList.Items = Filler("ad", n);
  s.Moderation.AutoBounceList.Items = Filler("ab", n);
  s.Moderation.AutoRedotList.Items = Filler("ar", n);
  s.Stats.VisitorNicks.Items = Filler("vn", n);
  s.Stats.VisitorCounts.Items = std::vector<std::string>(n, "1");
  s.Stats.VisitorLastSeen.Items = Filler("09:05 PM 9/17/2013 ", n);
}

void IdleTick(benchmark::State& state) {
  BenchWorld world;
  FillLists(world.settings, static_cast<size_t>(state.range(0)));
  PollTick(world.bot);  // the first tick builds whatever the lists need
  for (auto _ : state) PollTick(world.bot);
  state.SetLabel(std::to_string(state.range(0)) + " entries per list");
}
BENCHMARK(IdleTick)->Arg(0)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvel::bench
