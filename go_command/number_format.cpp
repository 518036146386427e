// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/number_format.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "morvane/number_lexis.h"
#include "morvane/run_time_error.h"

namespace morvane {
namespace {

// Adds one to a whole number written as decimal digits ("" counts as 0): the trailing nines
// turn to zeros and the digit before them goes up by one, or a new leading "1" appears.
void Increment(std::string& digits) {
  const std::size_t last = digits.find_last_not_of('9');
  const std::size_t first_nine = last == std::string::npos ? 0 : last + 1;
  std::fill(digits.begin() + static_cast<std::ptrdiff_t>(first_nine), digits.end(), '0');
  if (last == std::string::npos) {
    digits.insert(digits.begin(), '1');
  } else {
    ++digits[last];
  }
}

}  // namespace

std::string GeneralFormat(Currency value, const NumberSeparators& separators) {
  const std::int64_t units = value.units();
  // The magnitude in unsigned arithmetic, where the minimum, 2^63 units, has one too.
  const std::uint64_t magnitude =
      units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
  const auto per_whole = static_cast<std::uint64_t>(Currency::kUnitsPerWhole);

  std::string text = units < 0 ? "-" : "";
  text += std::to_string(magnitude / per_whole);
  if (const std::uint64_t fraction = magnitude % per_whole; fraction != 0) {
    // Adding 10,000 gives the four decimals their leading zeros; then the trailing zeros go.
    std::string decimals = std::to_string(fraction + per_whole).substr(1);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    text += separators.decimal;
    text += decimals;
  }
  return text;
}

std::string Migliaia(std::string_view cifra, const NumberSeparators& separators) {
  std::string_view rest = cifra;
  const bool negative = rest.starts_with('-');
  if (negative) rest.remove_prefix(1);

  std::string_view whole = rest.substr(0, DigitRun(rest));
  rest.remove_prefix(whole.size());
  std::string_view decimals;
  if (!rest.empty()) {
    const std::string& point = separators.decimal;
    if (point.empty() || !rest.starts_with(point)) RaiseTypeMismatch();
    rest.remove_prefix(point.size());
    decimals = rest.substr(0, DigitRun(rest));
    if (decimals.empty() || decimals.size() != rest.size()) RaiseTypeMismatch();
  }
  if (whole.empty() && decimals.empty()) RaiseTypeMismatch();

  // Work on the digits as text: cifra may hold more digits than a double keeps.
  whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
  std::string digits(whole);
  // Half away from zero: the first decimal alone decides.
  if (!decimals.empty() && decimals.front() >= '5') Increment(digits);
  if (digits.empty()) digits.push_back('0');

  std::string text;
  text.reserve(1 + digits.size() + digits.size() / 3 * separators.thousands.size());
  if (negative && digits != "0") text.push_back('-');
  // The first group takes what is left over by the full groups of three.
  std::size_t group = digits.size() % 3 == 0 ? 3 : digits.size() % 3;
  text.append(digits, 0, group);
  for (; group < digits.size(); group += 3) {
    text += separators.thousands;
    text.append(digits, group, 3);
  }
  return text;
}

}  // namespace morvane
