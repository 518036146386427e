// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/currency.h"

#include <bit>
#include <cmath>

namespace morvane {

double Currency::ToDouble() const noexcept {
  // Below 2^53 both the unit count and 10,000 are exact doubles, and IEEE division rounds
  // their quotient once.
  constexpr std::int64_t kExactLimit = std::int64_t{1} << 53;
  if (units_ > -kExactLimit && units_ < kExactLimit) {
    return static_cast<double>(units_) / static_cast<double>(kUnitsPerWhole);
  }

  // Larger counts: divide in 128-bit integers with 64 extra fraction bits, which leaves a
  // quotient of more than 100 bits; keep its top 54 bits plus a sticky bit for everything
  // below, and round that to the 53-bit significand, ties to even.
  using currency_internal::UInt128;
  const bool negative = units_ < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(units_) : static_cast<std::uint64_t>(units_);
  const UInt128 numerator = UInt128{magnitude} << 64;
  const UInt128 quotient = numerator / kUnitsPerWhole;
  const auto high_word = static_cast<std::uint64_t>(quotient >> 64);  // non-zero: quotient > 2^100
  const int bit_length = 128 - std::countl_zero(high_word);
  const int dropped = bit_length - 54;
  const bool sticky =
      numerator % kUnitsPerWhole != 0 || (quotient & ((UInt128{1} << dropped) - 1)) != 0;
  const auto top = static_cast<std::uint64_t>(quotient >> dropped);
  std::uint64_t significand = top >> 1;
  if ((top & 1) != 0 && (sticky || (significand & 1) != 0)) ++significand;
  // significand <= 2^53 is exact as a double, and scaling by a power of two is exact.
  const double result = std::ldexp(static_cast<double>(significand), dropped + 1 - 64);
  return negative ? -result : result;
}

}  // namespace morvane
