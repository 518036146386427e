// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/decimal_to_double.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "big_integer.h"
#include "morvane/bit_cast.h"
#include "morvane/currency.h"

namespace morvane {
namespace {

using currency_internal::UInt128;

// A value whose first significant digit stands at 10^(lead - 1) lies in [10^(lead-1), 10^lead).
// From lead 310 on it exceeds the largest double by far; up to lead -324 it is below 10^-324,
// less than half the smallest subnormal (4.9e-324).
constexpr std::int64_t kInfinityLead = 310;
constexpr std::int64_t kZeroLead = -324;

// The halfway point between two neighbouring doubles has at most 768 significant digits, so
// 800 digits decide every comparison with it; beyond them only whether any digit is non-zero
// matters.
constexpr std::size_t kExactDigits = 800;

constexpr int kLargestFivePower = 27;  // 5^27 is the largest power of five below 2^64

// base^0 .. base^(Count - 1), each exact.
template <typename Number, std::size_t Count>
constexpr std::array<Number, Count> PowersOf(Number base) {
  std::array<Number, Count> powers{};
  Number power = 1;
  for (Number& entry : powers) {
    entry = power;
    power *= base;
  }
  return powers;
}

constexpr auto kPowersOfFive = PowersOf<std::uint64_t, kLargestFivePower + 1>(5);
// 10^22 is the largest power of ten that a double holds exactly.
constexpr auto kExactPowersOfTen = PowersOf<double, 23>(10.0);

// A positive number m * 2^e with m normalised to [2^63, 2^64): 64 significant bits, where a
// double has 53. Every operation below truncates, so each result errs low by less than one unit
// of m, a relative error below 2^-63.
struct Wide {
  std::uint64_t m;
  int e;
};

constexpr Wide Normalised(std::uint64_t x) {
  const int shift = std::countl_zero(x);
  return {x << shift, -shift};
}

constexpr Wide Times(Wide a, Wide b) {
  const UInt128 product = UInt128{a.m} * b.m;  // at least 2^126
  if ((product >> 127) != 0) return {static_cast<std::uint64_t>(product >> 64), a.e + b.e + 64};
  return {static_cast<std::uint64_t>(product >> 63), a.e + b.e + 63};
}

// 1 / x for an x that is no power of two, so that 2^127 / m lies strictly inside the range.
constexpr Wide Reciprocal(std::uint64_t x) {
  const Wide n = Normalised(x);
  return {static_cast<std::uint64_t>((UInt128{1} << 127) / n.m), -127 - n.e};
}

// 5^j and 5^-j for j = 0..27, worked out by the compiler.
template <bool kReciprocal>
constexpr std::array<Wide, kLargestFivePower + 1> FivePowers() {
  std::array<Wide, kLargestFivePower + 1> powers{};
  powers[0] = {std::uint64_t{1} << 63, -63};
  for (std::size_t j = 1; j < powers.size(); ++j) {
    powers[j] = kReciprocal ? Reciprocal(kPowersOfFive[j]) : Normalised(kPowersOfFive[j]);
  }
  return powers;
}
constexpr auto kFivePowers = FivePowers<false>();
constexpr auto kFifthPowers = FivePowers<true>();

// 10^k = 5^k * 2^k, from at most 13 factors for |k| <= 350: relative error below 2^-58.
Wide PowerOfTen(int k) {
  const auto& factors = k >= 0 ? kFivePowers : kFifthPowers;
  int rest = k >= 0 ? k : -k;
  Wide power = factors[static_cast<std::size_t>(rest % kLargestFivePower)];
  for (rest -= rest % kLargestFivePower; rest > 0; rest -= kLargestFivePower) {
    power = Times(power, factors[kLargestFivePower]);
  }
  power.e += k;
  return power;
}

// The significand, b or b + 1, of the double nearest to digits * 10^(lead - size), where the
// double b * 2^q lies below that value and b + 1 above it: compares the value exactly with the
// halfway point (2b + 1) * 2^(q - 1).
std::uint64_t RoundExactly(std::string_view digits, std::int64_t lead, std::uint64_t b, int q) {
  const std::size_t kept = std::min(digits.size(), kExactDigits);
  // Any non-zero digit beyond the kept ones puts the value strictly above their value, and, as
  // the halfway point has fewer digits, on the same side of it unless they equal it.
  const bool more = digits.find_first_not_of('0', kept) != std::string_view::npos;
  const std::int64_t exponent = lead - static_cast<std::int64_t>(kept);

  BigInteger value = BigInteger::FromDigits(digits.substr(0, kept));
  BigInteger halfway(2 * b + 1);
  // value * 5^exponent * 2^exponent against halfway * 2^(q - 1), in integers.
  if (exponent >= 0) {
    value.MultiplyByPowerOfFive(exponent);
  } else {
    halfway.MultiplyByPowerOfFive(-exponent);
  }
  const std::int64_t shift = exponent - (q - 1);
  if (shift >= 0) {
    value.ShiftLeft(shift);
  } else {
    halfway.ShiftLeft(-shift);
  }
  int order = Compare(value, halfway);
  if (order == 0 && more) order = 1;
  const bool up = order > 0 || (order == 0 && (b & 1) != 0);
  return up ? b + 1 : b;
}

// The double significand * 2^q, for a significand up to 2^53 rounded at the precision of its
// binade (q = -1074 below 2^52); infinity beyond the largest double. Built from its bits,
// which is exact and spares the slow subnormal arithmetic of scaling by a power of two.
double Compose(std::uint64_t significand, int q) {
  constexpr std::uint64_t kHidden = std::uint64_t{1} << 52;
  constexpr std::uint64_t kInfinityBits = std::uint64_t{0x7ff} << 52;
  if (significand < kHidden) return BitCast<double>(significand);  // subnormal or zero
  // A significand of 2^53, rounded up from the top of a binade, carries into the exponent.
  const std::uint64_t bits = (static_cast<std::uint64_t>(q + 1075) << 52) + (significand - kHidden);
  return BitCast<double>(std::min(bits, kInfinityBits));
}

}  // namespace

double DecimalToDouble(std::string_view digits, std::int64_t exponent) {
  digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.empty()) return 0.0;
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  if (exponent >= kInfinityLead) return kInfinity;
  const std::int64_t lead = static_cast<std::int64_t>(digits.size()) + exponent;
  if (lead >= kInfinityLead) return kInfinity;
  if (lead <= kZeroLead) return 0.0;

  // The first 19 digits, w, and the rest: the value is (w + rest) * 10^k with 0 <= rest < 1.
  const std::size_t taken = std::min<std::size_t>(digits.size(), 19);
  std::uint64_t w = 0;
  for (const char c : digits.substr(0, taken)) w = w * 10 + static_cast<std::uint64_t>(c - '0');
  const bool rest = digits.find_first_not_of('0', taken) != std::string_view::npos;
  const int k = static_cast<int>(lead - static_cast<std::int64_t>(taken));

  // Both w and 10^|k| are exact doubles here, and one IEEE operation rounds correctly.
  constexpr std::uint64_t kExactInteger = std::uint64_t{1} << 53;
  if (!rest && w <= kExactInteger && k >= -22 && k <= 22) {
    const auto whole = static_cast<double>(w);
    const double power = kExactPowersOfTen[static_cast<std::size_t>(k < 0 ? -k : k)];
    return k < 0 ? whole / power : whole * power;
  }

  // The value to 64 bits, low by less than 74 units of the last bit: the 19 digits err by
  // less than 10^-18, the power and the product by less than 27 * 2^-63.
  const Wide value = Times(Normalised(w), PowerOfTen(k));
  // Bits below the double's precision: 11 for a normal double, more for a subnormal.
  const int top_exponent = value.e + 63;
  int dropped = 11;
  if (top_exponent < -1022) dropped += -1022 - top_exponent;
  if (dropped > 66) return 0.0;  // below 2^-1076, a quarter of the smallest subnormal
  const auto wide = UInt128{value.m};
  const auto low = static_cast<std::uint64_t>(wide & ((UInt128{1} << dropped) - 1));
  const UInt128 half = UInt128{1} << (dropped - 1);
  auto significand = static_cast<std::uint64_t>(wide >> dropped);
  const int binary_exponent = value.e + dropped;

  // Only near the halfway point can the error move the value across it.
  constexpr UInt128 kDoubt = 128;
  const UInt128 distance = low > half ? low - half : half - low;
  if (distance > kDoubt) {
    if (low > half) ++significand;
  } else {
    significand = RoundExactly(digits, lead, significand, binary_exponent);
  }
  return Compose(significand, binary_exponent);
}

}  // namespace morvane
