// SPDX-License-Identifier: GPL-3.0-or-later
// Generated input for measuring morvane-cli: lines of random whole N and K, the same lines on
// every run, so that figures from different runs and machines compare.
#pragma once

#include <cstddef>
#include <string>

namespace morvane::bench {

// line_count lines "N<TAB>K\n", N uniform in 0..99 and K uniform in 0..30, from a fixed
// random state. About 28% of the lines overflow and read "Error", which costs the most.
std::string GenerateCliInput(std::size_t line_count);

}  // namespace morvane::bench
