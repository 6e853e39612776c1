// Loading a list file of 10,000 lines, as start-up does for each list.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

#include "BenchWorld.h"
#include "storage/ListFile.h"

namespace quorvel::bench {
namespace {

void LoadListFile10k(benchmark::State& state) {
  const auto path = std::filesystem::temp_directory_path() / "quorvel-bench-words.txt";
  SaveListFile(path.string(), Filler("phrase ", 10000), ListQuoting::Always);
  for (auto _ : state) {
    std::vector<std::string> list;
    LoadListFile(path.string(), list);
    benchmark::DoNotOptimize(list);
  }
  std::filesystem::remove(path);
}
BENCHMARK(LoadListFile10k)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvel::bench
