// The flood guard: its cost per message in a room where 1,000 nicks talk and
// none floods, and what it holds after 100,000 messages from 10,000 nicks.
// Messages go to the guard as the tick hands them over, a tick's worth at a
// time on the simulated 400 ms clock, without the rest of the tick around it.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "BenchWorld.h"
#include "engine/FloodGuard.h"
#include "engine/LineClassifier.h"

namespace quorvel::bench {
namespace {

// Message n of a room where `nicks` nicks take turns, each text its own.
std::vector<ChatLine> Messages(size_t nicks, size_t count) {
  std::vector<ChatLine> lines(count);
  for (size_t n = 0; n < count; ++n) {
    ChatLine& line = lines[n];
    line.RawLine = "Nick" + std::to_string(n % nicks) + ": Is Anybody Around Tonight For Music " + std::to_string(n);
    ClassifyText(line);
    ClassifySender(line);
    CleanUpNicks(line);
  }
  return lines;
}

// Hands the guard one message, as the tick's message step does.
void Watch(Bot& bot, ChatLine& line) {
  std::swap(bot.settings.Line, line);
  WatchForFlood(bot, false);
  std::swap(bot.settings.Line, line);
}

void NextTick(BenchWorld& world) {
  world.clock.AdvanceMs(400);
  StartFloodTick(world.bot);
}

// Nothing was warned: no message of the run offended.
bool NoneOffended(const BotSettings& s) { return s.Flood.FloodWarnBuffer.PlainText().empty(); }

// 50 messages a tick (125 a second): each nick speaks every 8 s. Arg: the
// capitals check's CapsLetters (0, the default, switches it off).
void FloodGuardPerMessage(benchmark::State& state) {
  BenchWorld world;
  world.settings.Flood.CapsLetters = std::to_string(state.range(0));
  std::vector<ChatLine> lines = Messages(1000, 8000);
  constexpr size_t kPerTick = 50;
  size_t n = 0;
  for (auto _ : state) {
    if (n % kPerTick == 0) NextTick(world);
    Watch(world.bot, lines[n % lines.size()]);
    ++n;
  }
  if (!NoneOffended(world.settings)) state.SkipWithError("a message offended");
  state.counters["nicks"] = static_cast<double>(world.settings.Flood.Watch.Nicks.size());
  state.SetLabel(state.range(0) ? "1,000 nicks, capitals checked" : "1,000 nicks, defaults");
}
BENCHMARK(FloodGuardPerMessage)->Arg(0)->Arg(10)->Unit(benchmark::kNanosecond);

// The bytes the allocator has handed out and not had back. Not the resident
// set: memory an earlier run gave back is used again without growing it.
double HeapBytes() { return static_cast<double>(mallinfo2().uordblks); }

// 100,000 messages from 10,000 nicks, each nick's ten texts all different.
// Arg: messages a tick. At 2,500 (6,250 a second) the whole run lasts 16 s,
// so no nick has been silent long enough to be forgotten: the most the guard
// holds for this traffic. At 25 a busy room's pace, where a nick speaks every
// 160 s and is forgotten in between.
void FloodGuardMemory(benchmark::State& state) {
  const auto perTick = static_cast<size_t>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    auto world = std::make_unique<BenchWorld>();
    std::vector<ChatLine> lines = Messages(10000, 100000);
    const double heapBefore = HeapBytes();
    state.ResumeTiming();
    for (size_t n = 0; n < lines.size(); ++n) {
      if (n % perTick == 0) NextTick(*world);
      Watch(world->bot, lines[n]);
    }
    state.PauseTiming();
    const FloodWatch& watch = world->settings.Flood.Watch;
    size_t times = 0, texts = 0;
    for (const auto& [nick, activity] : watch.Nicks) {
      times += activity.Messages.size();
      texts += activity.Texts.size();
    }
    if (!NoneOffended(world->settings)) state.SkipWithError("a message offended");
    state.counters["nicks"] = static_cast<double>(watch.Nicks.size());
    state.counters["times"] = static_cast<double>(times);
    state.counters["texts"] = static_cast<double>(texts);
    state.counters["heap_kB"] = (HeapBytes() - heapBefore) / 1024;
    world.reset();
    lines = {};
    state.ResumeTiming();
  }
  state.SetLabel(std::to_string(perTick) + " messages a tick");
}
BENCHMARK(FloodGuardMemory)->Arg(2500)->Arg(25)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvel::bench
