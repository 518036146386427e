// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/exact_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "big_integer.h"

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
  // An odd significand: x is not zero, so the loop ends.
  while ((significand & 1) == 0) {
    significand >>= 1;
    ++exponent;
  }
  // The digits in integers, as neither the C library (whose locale may write a decimal comma)
  // nor every standard library (libc++ before 14 has no floating-point to_chars) can give
  // them: significand * 2^exponent is an integer, and significand / 2^-e is
  // significand * 5^-e / 10^-e.
  BigInteger value(significand);
  std::size_t decimals = 0;
  if (exponent >= 0) {
    value.ShiftLeft(exponent);
  } else {
    decimals = static_cast<std::size_t>(-exponent);
    value.MultiplyByPowerOfFive(-exponent);
  }
  std::string digits = value.ToDecimal();
  if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
  std::string text = x < 0 ? "-" : "";
  text.append(digits, 0, digits.size() - decimals);
  if (decimals > 0) {
    text += '.';
    text.append(digits, digits.size() - decimals);
    text.append(decimals < 4 ? 4 - decimals : 0, '0');
  }
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
