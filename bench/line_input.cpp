// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_input.h"

#include <cstdint>
#include <random>

namespace morvane::bench {

std::string GenerateCliInput(std::size_t line_count) {
  constexpr std::uint64_t kRandomStart = 0x6d6f7276616e65;
  std::mt19937_64 random(kRandomStart);
  std::uniform_int_distribution<int> n(0, 99);
  std::uniform_int_distribution<int> k(0, 30);
  std::string text;
  text.reserve(line_count * 6);
  for (std::size_t line = 0; line < line_count; ++line) {
    text += std::to_string(n(random));
    text += '\t';
    text += std::to_string(k(random));
    text += '\n';
  }
  return text;
}

}  // namespace morvane::bench
