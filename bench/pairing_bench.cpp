// Pairing of like names on one large directory level: both listings shuffled, nine in ten
// names paired, the rest inserted or deleted.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "compare/PairNames.h"

namespace {

kav::StringList Names(int count, int offset) {
  kav::StringList names;
  for (int i = 0; i < count; ++i) names.push_back("file" + std::to_string(i + offset) + ".txt");
  std::shuffle(names.begin(), names.end(), std::mt19937(42));
  return names;
}

void PairAndRemove(benchmark::State& bench) {
  const int count = static_cast<int>(bench.range(0));
  const kav::StringList newNames = Names(count, 0);
  const kav::StringList oldNames = Names(count, count / 10);
  for (auto _ : bench) {
    kav::RunState state;
    state.Names.NewDirNames = newNames;
    state.Names.OldDirNames = oldNames;
    state.Names.NewDirDiskNames = newNames;
    state.Names.OldDirDiskNames = oldNames;
    kav::PairLikeNames(state);
    kav::RemovePairedNames(state);
    benchmark::DoNotOptimize(state.Names.PairedNewNames.data());
  }
}
BENCHMARK(PairAndRemove)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
