// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/exact_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace morvane {

using currency_internal::Int128;
using currency_internal::UInt128;

std::string ExactUnitsText(Int128 units) {
  // The magnitude in unsigned arithmetic, where the most negative value has one too.
  const UInt128 magnitude =
      units < 0 ? 0 - static_cast<UInt128>(units) : static_cast<UInt128>(units);
  const auto per_whole = static_cast<UInt128>(Currency::kUnitsPerWhole);
  std::string digits;
  for (UInt128 whole = magnitude / per_whole; whole != 0 || digits.empty(); whole /= 10) {
    digits.push_back(static_cast<char>('0' + static_cast<int>(whole % 10)));
  }
  if (units < 0) digits.push_back('-');
  std::reverse(digits.begin(), digits.end());
  if (const auto fraction = static_cast<std::int64_t>(magnitude % per_whole); fraction != 0) {
    // Adding 10,000 gives the four decimals their leading zeros.
    digits += '.';
    digits += std::to_string(fraction + Currency::kUnitsPerWhole).substr(1);
  }
  return digits;
}

std::string ExactDoubleText(double x) {
  if (!std::isfinite(x)) return std::isnan(x) ? "nan" : (x < 0 ? "-inf" : "inf");
  if (x == 0) return "0";
  // x = significand * 2^exponent; with the significand odd, x has exactly -exponent decimals.
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(x), &exponent);
  auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  exponent -= 53;
  const int trailing = std::countr_zero(significand);
  exponent += trailing;
  const int decimals = exponent >= 0 ? 0 : std::max(-exponent, 4);
  // A double has at most 309 whole digits and 1,074 decimals.
  std::string text(400 + static_cast<std::size_t>(decimals), '\0');
  const auto result =
      std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::fixed, decimals);
  text.resize(static_cast<std::size_t>(result.ptr - text.data()));
  return text;
}

std::string GroupedText(std::string_view plain, const NumberSeparators& separators) {
  std::string text;
  if (plain.starts_with('-')) {
    text.push_back('-');
    plain.remove_prefix(1);
  }
  const std::size_t point = std::min(plain.find('.'), plain.size());
  const std::string_view whole = plain.substr(0, point);
  // The first group takes what is left over by the full groups of three.
  std::size_t group =
      whole.size() % 3 == 0 ? std::min<std::size_t>(3, whole.size()) : whole.size() % 3;
  text.append(whole.substr(0, group));
  for (; group < whole.size(); group += 3) {
    text += separators.thousands;
    text.append(whole.substr(group, 3));
  }
  if (point < plain.size()) {
    text += separators.decimal;
    text.append(plain.substr(point + 1));
  }
  return text;
}

}  // namespace morvane
