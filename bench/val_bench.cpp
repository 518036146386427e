// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/val.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {
namespace {

// Reading one box: the short texts a person types, the seventeen-digit texts that take the
// general path of the conversion, and a megabyte of digits.
void BM_Val(benchmark::State& state, std::string_view text) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(text);
    benchmark::DoNotOptimize(Val(text));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK_CAPTURE(BM_Val, whole, "20");
BENCHMARK_CAPTURE(BM_Val, fraction, "2.5");
BENCHMARK_CAPTURE(BM_Val, tenth, "0.1");
BENCHMARK_CAPTURE(BM_Val, seventeen_digits, "0.30000000000000004");
BENCHMARK_CAPTURE(BM_Val, largest, "1.7976931348623157e308");
BENCHMARK_CAPTURE(BM_Val, subnormal, "4.9406564584124654e-324");
BENCHMARK_CAPTURE(BM_Val, halfway_long, "9007199254740993.000000000000000000000000001");

void BM_ValMegabyte(benchmark::State& state) {
  const std::string text = "3." + std::string(1'000'000, '3');
  for (auto _ : state) benchmark::DoNotOptimize(Val(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ValMegabyte)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace morvane
