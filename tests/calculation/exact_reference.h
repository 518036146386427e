// SPDX-License-Identifier: GPL-3.0-or-later
// Slow, plainly exact versions of the currency operations, the yardstick of the calculation
// tests: every result is worked out on 128-bit integers from the exact rational value.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>

namespace morvane::reference {

__extension__ typedef __int128 Int128;  // NOLINT(modernize-use-using): needs __extension__

// A unit count, or nullopt when the operation overflows.
using Units = std::optional<std::int64_t>;

inline constexpr Int128 kMinUnits = std::numeric_limits<std::int64_t>::min();
inline constexpr Int128 kMaxUnits = std::numeric_limits<std::int64_t>::max();
inline constexpr Int128 kUnitsPerWhole = 10'000;

inline Units Fit(Int128 units) {
  if (units < kMinUnits || units > kMaxUnits) return std::nullopt;
  return static_cast<std::int64_t>(units);
}

// floor(n / d) for d > 0.
inline Int128 FloorDivide(Int128 n, Int128 d) {
  Int128 quotient = n / d;
  if (quotient * d > n) --quotient;
  return quotient;
}

// n / d rounded to the nearest integer, ties to the even one, for d > 0: the remainder left by
// the floor lies in [0, d), and twice it against d decides between floor and floor + 1.
inline Int128 RoundDivide(Int128 n, Int128 d) {
  const Int128 floor = FloorDivide(n, d);
  const Int128 twice_remainder = 2 * (n - floor * d);
  if (twice_remainder > d || (twice_remainder == d && floor % 2 != 0)) return floor + 1;
  return floor;
}

inline Units Subtract(std::int64_t a, std::int64_t b) {
  return Fit(Int128{a} - b);
}

inline Units Multiply(std::int64_t a, std::int64_t b) {
  return Fit(RoundDivide(Int128{a} * b, kUnitsPerWhole));
}

inline std::optional<std::int16_t> ToShort(std::int64_t units) {
  const Int128 rounded = RoundDivide(units, kUnitsPerWhole);
  if (rounded < std::numeric_limits<std::int16_t>::min() ||
      rounded > std::numeric_limits<std::int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(rounded);
}

// A finite non-zero double as mantissa * 2^exponent with a whole mantissa below 2^53.
struct Dyadic {
  Int128 mantissa;  // signed
  int exponent;
};

inline Dyadic Decompose(double x) {
  int exponent = 0;
  const double fraction = std::frexp(x, &exponent);  // |fraction| in [0.5, 1)
  return {static_cast<Int128>(std::ldexp(fraction, 53)), exponent - 53};
}

inline Units FromDouble(double x) {
  if (!std::isfinite(x)) return std::nullopt;
  if (x == 0) return 0;
  const Dyadic d = Decompose(x);
  const Int128 numerator = d.mantissa * kUnitsPerWhole;  // |numerator| < 2^67
  // Scaling up by 2^50 or more lands beyond 2^63 for any non-zero numerator.
  if (d.exponent >= 50) return std::nullopt;
  if (d.exponent >= 0) return Fit(numerator * (Int128{1} << d.exponent));
  // Below 2^-100 the value is far less than half a unit.
  if (d.exponent < -100) return 0;
  return Fit(RoundDivide(numerator, Int128{1} << -d.exponent));
}

// units / 10,000 rounded to the nearest double, ties to even. A double quotient that is at
// most a few steps off is refined by measuring |candidate * 10,000 - units| exactly for each
// double around it; the distance is V-shaped along the doubles, so a minimum strictly inside
// the window is the nearest double of all.
inline double ToDouble(std::int64_t units) {
  if (units == 0) return 0.0;
  constexpr int kReach = 3;
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  double candidates[2 * kReach + 1];
  candidates[kReach] = static_cast<double>(units) / 10'000.0;
  for (int step = 1; step <= kReach; ++step) {
    candidates[kReach - step] = std::nextafter(candidates[kReach - step + 1], -kInfinity);
    candidates[kReach + step] = std::nextafter(candidates[kReach + step - 1], kInfinity);
  }
  // All distances are measured in the finest binary unit among the candidates.
  int finest = 0;
  for (const double candidate : candidates) {
    finest = std::min(finest, Decompose(candidate).exponent);
  }
  const Int128 scaled_units = Int128{units} * (Int128{1} << -finest);  // |.| < 2^69 here
  int best = 0;
  Int128 best_distance = -1;
  for (int index = 0; index <= 2 * kReach; ++index) {
    const Dyadic d = Decompose(candidates[index]);
    const Int128 scaled = d.mantissa * kUnitsPerWhole * (Int128{1} << (d.exponent - finest));
    const Int128 distance = scaled > scaled_units ? scaled - scaled_units : scaled_units - scaled;
    const bool even = d.mantissa % 2 == 0;
    if (best_distance < 0 || distance < best_distance || (distance == best_distance && even)) {
      best = index;
      best_distance = distance;
    }
  }
  // The window is wide enough for a quotient rounded twice; anything else is a broken yardstick.
  if (best == 0 || best == 2 * kReach) std::abort();
  return candidates[best];
}

}  // namespace morvane::reference
