// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the generated morvane-cli input to standard output, for timing the real program:
// morvane_bench_input 1000000 > lines.txt && time morvane-cli < lines.txt > /dev/null
#include <cstdio>
#include <cstdlib>
#include <string>

#include "line_input.h"

int main(int argc, char** argv) {
  const std::size_t line_count = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1'000'000;
  const std::string text = morvane::bench::GenerateCliInput(line_count);
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
    std::perror("morvane_bench_input");
    return 1;
  }
  return 0;
}
