// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/go_command.h"

#include <benchmark/benchmark.h>

#include <string_view>

namespace morvane {
namespace {

// One click: reading both texts, the count, and both formats. (49, 24) shows what an "Error"
// costs: the steps up to the overflow plus raising and catching the run-time error.
void BM_GoCommand(benchmark::State& state, std::string_view n_text, std::string_view k_text) {
  const NumberSeparators separators;
  for (auto _ : state) {
    benchmark::DoNotOptimize(n_text);
    benchmark::DoNotOptimize(k_text);
    benchmark::DoNotOptimize(GoCommand(n_text, k_text, separators));
  }
}
BENCHMARK_CAPTURE(BM_GoCommand, n : 20 / k : 10, "20", "10");
BENCHMARK_CAPTURE(BM_GoCommand, n : 49 / k : 24, "49", "24");

}  // namespace
}  // namespace morvane
