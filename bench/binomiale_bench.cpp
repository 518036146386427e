// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/binomiale.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace morvane {
namespace {

// One whole combination count; "per_step" is the time of one multiply-divide-round step.
void BM_Binomiale(benchmark::State& state) {
  Currency n = Currency::FromShort(static_cast<std::int16_t>(state.range(0)));
  Currency k = Currency::FromShort(static_cast<std::int16_t>(state.range(1)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(k);
    benchmark::DoNotOptimize(Binomiale(n, k));
  }
  state.counters["per_step"] = benchmark::Counter(
      static_cast<double>(state.range(1)),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Binomiale)
    ->ArgNames({"n", "k"})
    ->Args({20, 10})
    ->Args({48, 24})
    ->Args({100, 10})
    ->Args({32766, 32766})
    ->Unit(benchmark::kNanosecond);

}  // namespace
}  // namespace morvane
