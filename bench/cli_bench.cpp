// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "line_input.h"
#include "morvane/cli_run.h"

namespace morvane {
namespace {

constexpr std::size_t kLines = 1'000'000;

class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(const std::string& text) : text_(text) {}

  std::size_t Read(char* buffer, std::size_t capacity) override {
    const std::size_t count = std::min(capacity, text_.size() - position_);
    std::memcpy(buffer, text_.data() + position_, count);
    position_ += count;
    return count;
  }

 private:
  const std::string& text_;
  std::size_t position_ = 0;
};

class CountingSink final : public ByteSink {
 public:
  void Write(std::string_view bytes) override {
    benchmark::DoNotOptimize(bytes.data());
    bytes_ += bytes.size();
  }

 private:
  std::size_t bytes_ = 0;
};

// The whole of morvane-cli on a million lines, in memory: reading, splitting, the Go command
// for each line and the buffered output; only the system calls are left out. The argument is
// the number of threads computing results (the program uses one per processor).
void BM_CliLines(benchmark::State& state) {
  static const std::string input = bench::GenerateCliInput(kLines);
  const NumberSeparators separators;
  for (auto _ : state) {
    MemorySource source(input);
    CountingSink output;
    CountingSink errors;
    const int status = RunCli({},
                              {.input = source,
                               .output = output,
                               .errors = errors,
                               .threads = static_cast<unsigned>(state.range(0))},
                              separators);
    if (status != kExitSuccess) state.SkipWithError("morvane-cli failed");
  }
  state.counters["lines"] = benchmark::Counter(static_cast<double>(kLines),
                                               benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_CliLines)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace morvane
