// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/plain_number.h"

#include <algorithm>
#include <cstddef>

#include "morvane/number_lexis.h"

namespace morvane {

std::optional<std::string> PlainNumber(std::string_view shown, const NumberSeparators& separators) {
  shown.remove_prefix(std::min(shown.find_first_not_of(' '), shown.size()));
  std::string plain;
  if (shown.starts_with('-')) {
    plain.push_back('-');
    shown.remove_prefix(1);
  }
  // The groups as the result box writes them: one to three digits, then groups of exactly
  // three, each after the thousands separator; without a separator, one run of digits.
  const std::string_view thousands = separators.thousands;
  const std::size_t first_group = DigitRun(shown);
  if (first_group == 0 || (!thousands.empty() && first_group > 3)) return std::nullopt;
  plain.append(shown.substr(0, first_group));
  shown.remove_prefix(first_group);
  while (!shown.empty()) {
    if (thousands.empty() || !shown.starts_with(thousands)) return std::nullopt;
    shown.remove_prefix(thousands.size());
    if (DigitRun(shown) != 3) return std::nullopt;
    plain.append(shown.substr(0, 3));
    shown.remove_prefix(3);
  }
  return plain;
}

}  // namespace morvane
