// SPDX-License-Identifier: GPL-3.0-or-later
// Currency: Morvane's number, a fixed-point value with exactly four decimal places held as a
// signed 64-bit count of ten-thousandths, with the exact conversions and arithmetic it needs.
#pragma once

#include <bit>
#include <cfloat>
#include <compare>
#include <cstdint>
#include <limits>

#include "morvane/run_time_error.h"

// The conversions below rely on IEEE 754 doubles whose operations round once, to double
// precision; x87 extended-precision evaluation would round twice.
static_assert(std::numeric_limits<double>::is_iec559, "Morvane needs IEEE 754 doubles");
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must be evaluated in double precision");

namespace morvane {

namespace currency_internal {

// GCC and Clang provide 128-bit integers on every 64-bit desktop target; __extension__ marks
// the use as deliberate under -Wpedantic.
__extension__ typedef __int128 Int128;  // NOLINT(modernize-use-using): needs __extension__
__extension__ typedef unsigned __int128 UInt128;  // NOLINT(modernize-use-using)

// n / d rounded to the nearest integer, ties to the even one. Requires d > 0.
template <typename Int>
constexpr Int DivideRoundHalfEven(Int n, Int d) {
  Int quotient = n / d;  // truncates towards zero
  const Int remainder = n % d;
  const Int twice = remainder < 0 ? -2 * remainder : 2 * remainder;
  if (twice > d || (twice == d && (quotient & 1) != 0)) quotient += n < 0 ? -1 : 1;
  return quotient;
}

}  // namespace currency_internal

// A fixed-point number: units() counts units of 1/10,000, over the whole signed 64-bit range,
// -922,337,203,685,477.5808 to 922,337,203,685,477.5807. Cheap to copy, compared by value.
// Every operation that can leave the range raises RunTimeError (overflow); none wraps or
// saturates, and a failing operation leaves its operands untouched.
class Currency {
 public:
  static constexpr std::int64_t kUnitsPerWhole = 10'000;

  constexpr Currency() noexcept = default;

  // The value units / 10,000. Example: FromUnits(205'000) is 20.5.
  static constexpr Currency FromUnits(std::int64_t units) noexcept { return Currency(units); }

  // Exactly n. Example: FromShort(-32'768) is -327,680,000 units.
  static constexpr Currency FromShort(std::int16_t n) noexcept {
    return Currency(std::int64_t{n} * kUnitsPerWhole);
  }

  // The exact product x * 10,000 rounded once to the nearest whole count of units, ties to
  // the even count; computed on the double's mantissa and exponent, so it is exact at every
  // magnitude. Raises overflow when the rounded count leaves the range, and for NaN and
  // infinities. Examples: 0.00004 gives 0, 0.00006 gives 0.0001, 0.03125 (312.5 units) gives
  // 0.0312, 1e15 overflows.
  static constexpr Currency FromDouble(double x);

  static constexpr Currency Min() noexcept {
    return Currency(std::numeric_limits<std::int64_t>::min());
  }
  static constexpr Currency Max() noexcept {
    return Currency(std::numeric_limits<std::int64_t>::max());
  }

  constexpr std::int64_t units() const noexcept { return units_; }

  // The value rounded to the nearest integer, ties to the even one. Raises overflow when that
  // integer lies outside -32,768..32,767. Examples: 2.5 gives 2, -2.5 gives -2, 3.5 gives 4,
  // -32,768.5 gives -32,768, 32,767.5 overflows.
  constexpr std::int16_t ToShort() const;

  // The exact quotient units / 10,000 rounded once to the nearest double (ties to even), at
  // every magnitude: every whole value, and every value below 2^39 = 549,755,813,888 in
  // magnitude, survives FromDouble(x.ToDouble()) unchanged. Beyond 2^39 doubles lie more than
  // a unit apart, so 549,755,813,888.0003 comes back as ....0002. Never fails.
  double ToDouble() const noexcept;

  // a - b, exact. Raises overflow when the difference leaves the range.
  friend constexpr Currency operator-(Currency a, Currency b);

  // The exact product a * b (up to eight decimal places) rounded once to the nearest unit,
  // ties to the even unit count. Raises overflow when the rounded product leaves the range.
  // Example: 1.0001 * 1.0001 = 1.00020001 gives 1.0002.
  friend constexpr Currency operator*(Currency a, Currency b);

  friend constexpr bool operator==(Currency, Currency) noexcept = default;
  // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 misreads the defaulted comparison
  friend constexpr std::strong_ordering operator<=>(Currency, Currency) noexcept = default;

 private:
  explicit constexpr Currency(std::int64_t units) noexcept : units_(units) {}

  std::int64_t units_ = 0;
};

constexpr Currency Currency::FromDouble(double x) {
  using currency_internal::UInt128;
  const auto bits = std::bit_cast<std::uint64_t>(x);
  const bool negative = (bits >> 63) != 0;
  const int biased_exponent = static_cast<int>((bits >> 52) & 0x7ff);
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased_exponent == 0x7ff) RaiseOverflow();  // infinity or NaN

  // |x| = mantissa * 2^exponent, exactly.
  int exponent = -1074;
  if (biased_exponent != 0) {
    mantissa |= std::uint64_t{1} << 52;
    exponent = biased_exponent - 1075;
  }
  if (mantissa == 0) return {};
  // A normal double with exponent >= 0 is at least 2^52, so x * 10,000 exceeds 2^63.
  if (exponent >= 0) RaiseOverflow();

  const UInt128 scaled = UInt128{mantissa} * kUnitsPerWhole;  // below 2^67
  const int shift = -exponent;
  UInt128 magnitude = 0;
  // From a shift of 68 on, scaled / 2^shift is below one half and rounds to zero.
  if (shift < 68) {
    magnitude = scaled >> shift;
    const UInt128 remainder = scaled & ((UInt128{1} << shift) - 1);
    const UInt128 half = UInt128{1} << (shift - 1);
    if (remainder > half || (remainder == half && (magnitude & 1) != 0)) ++magnitude;
  }

  constexpr UInt128 kMaxMagnitude = std::numeric_limits<std::int64_t>::max();
  if (magnitude > kMaxMagnitude + (negative ? 1 : 0)) RaiseOverflow();
  // Negation in unsigned arithmetic also covers the minimum, 2^63 units; C++20 converts the
  // result to signed modulo 2^64.
  const auto magnitude64 = static_cast<std::uint64_t>(magnitude);
  return Currency(static_cast<std::int64_t>(negative ? 0 - magnitude64 : magnitude64));
}

constexpr std::int16_t Currency::ToShort() const {
  const std::int64_t rounded = currency_internal::DivideRoundHalfEven(units_, kUnitsPerWhole);
  if (rounded < std::numeric_limits<std::int16_t>::min() ||
      rounded > std::numeric_limits<std::int16_t>::max()) {
    RaiseOverflow();
  }
  return static_cast<std::int16_t>(rounded);
}

constexpr Currency operator-(Currency a, Currency b) {
  std::int64_t difference = 0;
  if (__builtin_sub_overflow(a.units_, b.units_, &difference)) RaiseOverflow();
  return Currency(difference);
}

constexpr Currency operator*(Currency a, Currency b) {
  using currency_internal::DivideRoundHalfEven;
  using currency_internal::Int128;
  const Int128 product = Int128{a.units_} * b.units_;
  constexpr Int128 kMin = std::numeric_limits<std::int64_t>::min();
  constexpr Int128 kMax = std::numeric_limits<std::int64_t>::max();
  // Most products fit in 64 bits, where dividing by the constant is a multiplication.
  if (product >= kMin && product <= kMax) {
    return Currency(
        DivideRoundHalfEven(static_cast<std::int64_t>(product), Currency::kUnitsPerWhole));
  }
  const Int128 rounded = DivideRoundHalfEven(product, Int128{Currency::kUnitsPerWhole});
  if (rounded < kMin || rounded > kMax) RaiseOverflow();
  return Currency(static_cast<std::int64_t>(rounded));
}

}  // namespace morvane
