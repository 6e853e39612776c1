// Formatting work of one message: a greeting design written and read as RTF,
// and a 200-character message faded and rendered.
#include <benchmark/benchmark.h>

#include "styling/Fader.h"
#include "styling/RichText.h"

namespace quorvel::bench {
namespace {

RichText GreetingDesign() {
  RichText design;
  RenderMarkup(design, FadeText(Rgb(255, 0, 0), Rgb(0, 0, 255),
                                "Welcome %sn to %rn!\r\nMake yourself at home, and mind the room rules.", true));
  return design;
}

void RtfWrite(benchmark::State& state) {
  const RichText design = GreetingDesign();
  for (auto _ : state) benchmark::DoNotOptimize(design.ToRtf());
}
BENCHMARK(RtfWrite)->Unit(benchmark::kMicrosecond);

void RtfRead(benchmark::State& state) {
  const std::string rtf = GreetingDesign().ToRtf();
  for (auto _ : state) benchmark::DoNotOptimize(RichText::FromRtf(rtf));
}
BENCHMARK(RtfRead)->Unit(benchmark::kMicrosecond);

void FadeAndRender(benchmark::State& state) {
  std::string text;
  while (text.size() < 200) text += "The quick brown fox jumps over the lazy dog. ";
  text.resize(200);
  RichText buffer;
  for (auto _ : state) RenderMarkup(buffer, FadeText(Rgb(255, 0, 0), Rgb(0, 0, 255), text, true));
}
BENCHMARK(FadeAndRender)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvel::bench
