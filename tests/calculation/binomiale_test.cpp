// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/binomiale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>

#include "exact_reference.h"
#include "morvane/currency.h"

// Unit counts of a whole or more are written with a digit separator before their four decimal
// places: 7'8750 units is 7.875; below a whole they are plain counts (5000 units is 0.5).

namespace morvane {
namespace {

using reference::Int128;
using reference::Units;
constexpr Units kOverflow = std::nullopt;
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();

// Binomiale on unit counts: its result, or nullopt when it raised the overflow error.
Units Binomial(std::int64_t n, std::int64_t k) {
  try {
    return Binomiale(Currency::FromUnits(n), Currency::FromUnits(k)).units();
  } catch (const RunTimeError& error) {
    EXPECT_EQ(error.kind(), ErrorKind::kOverflow) << error.what();
    return std::nullopt;
  }
}

Units WholeBinomial(int n, int k) {
  return Binomial(n * std::int64_t{1'0000}, k * std::int64_t{1'0000});
}

// For whole n and k >= 0, step i multiplies C(n - k + i - 1, i - 1) by n - k + i and divides
// by i; all of it is whole, the negative n and k > n of the generalised coefficient included.
// The result is C(n, k) in units, or nullopt as soon as a product leaves the currency range.
Units ExpectedWhole(int n, int k) {
  Int128 running = 1;
  for (int i = 1; i <= k; ++i) {
    const Int128 product = running * (n - k + i);
    if (!reference::Fit(product * reference::kUnitsPerWhole)) return std::nullopt;
    running = product / i;
  }
  return reference::Fit(running * reference::kUnitsPerWhole);
}

TEST(BinomialeTest, HeaderExamples) {
  EXPECT_EQ(WholeBinomial(20, 10), 184'756'0000);
  // Binomiale(10 + i, i) runs exactly the first i steps of Binomiale(20, 10): both multiply by
  // 10 + j at step j.
  const std::int64_t kRunning[] = {11, 66, 286, 1001, 3003, 8008, 19448, 43758, 92378, 184756};
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(WholeBinomial(10 + i, i), kRunning[i - 1] * 1'0000);
  EXPECT_EQ(WholeBinomial(48, 24), 32'247'603'683'100'0000);
  EXPECT_EQ(WholeBinomial(49, 24), kOverflow);
  EXPECT_EQ(Binomial(5'0000, 2'5000), 7'8750);
  EXPECT_EQ(WholeBinomial(-1, 2), 1'0000);
}

TEST(BinomialeTest, HardCases) {
  const struct {
    std::int64_t n, k;
    Units expected;
  } kCases[] = {
      {5'0000, 10'0000, 0},  // the factor of step 5 is zero
      {0, 2'0000, 0},        // -1, then 0
      {0, 49'0000, 0},
      {0, 50'0000, kOverflow},  // step 22 multiplies -C(49, 21) by -28: about 1.1e15
      {10'0000, 5001, 10'4999},
      {20'0000, 4999, 1'0000},
      {5'0000, 2'5000, 7'8750},  // two steps: 3.5, 7.875
      {3'5000, 2'5000, 3'0000},  // two steps: 2, 3; a third would give 4
      {4'5000, 3'5000, 5'0000},  // four steps: 2, 3, 4, 5
      // Four steps: 2.5, 4.375, 6.5625; then 6.5625 * 5.5 = 36.09375 rounds to the even
      // 36.0938, and the double nearest 36.0938 / 4 = 9.02345 lies just above the tie.
      {5'0000, 3'5000, 9'0235},
      {2'5000, 2'0000, 1'8750},
      {-5000, 2'0000, 3750},
      {-1'0000, 1'0000, -1'0000},
      {-1'0000, 3'0000, -1'0000},
      {-2'0000, 3'0000, -4'0000},
      {-5'0000, 4'0000, 70'0000},
      {20'0000, 40'000'0000, kOverflow},   // too many steps for a short integer
      {20'0000, -40'000'0000, kOverflow},  // too few
      {20'0000, 32'767'5000, kOverflow},
      {20'0000, 32'768'0000, kOverflow},
      {20'0000, -32'768'5000, 1'0000},
      {32'766'0000, 32'766'0000, 1'0000},
      {32'767'0000, 32'766'0000, 32'767'0000},
      {32'767'0000, 32'767'0000, kOverflow},  // the step counter passes 32,767
      // One step at the ends of the range: Max and Min become doubles beyond the range.
      {kMax, 1'0000, kOverflow},
      {kMin, 1'0000, kOverflow},
      {922'337'203'685'477'0000, 1'0000, 922'337'203'685'477'0000},
      {-922'337'203'685'477'0000, 1'0000, -922'337'203'685'477'0000},
      {kMin, 2'0000, kOverflow},  // N - (K - 1) leaves the range
      // N - (K - i) stays in range where (N - K) + i would not.
      {kMin + 5000, 1'0000, -922'337'203'685'477'1250},
  };
  for (const auto& c : kCases) EXPECT_EQ(Binomial(c.n, c.k), c.expected) << c.n << ", " << c.k;
}

TEST(BinomialeTest, NoStepsGiveOneWhateverN) {
  const std::int64_t kNs[] = {0, 20'0000, -7'2500, kMax, kMin};
  const std::int64_t kKs[] = {0, -3'0000, 5000, 4999, -5000, -32'768'0000, -32'768'5000};
  for (const std::int64_t n : kNs) {
    for (const std::int64_t k : kKs) EXPECT_EQ(Binomial(n, k), 1'0000) << n << ", " << k;
  }
}

TEST(BinomialeTest, KBeyondNGivesZeroUpTo49AndOverflowsFrom50) {
  for (const int n : {0, 1, 7, 48, 100, 1000, 32'000}) {
    EXPECT_EQ(WholeBinomial(n, n + 1), 0) << n;
    EXPECT_EQ(WholeBinomial(n, n + 49), 0) << n;
    EXPECT_EQ(WholeBinomial(n, n + 50), kOverflow) << n;
    EXPECT_EQ(WholeBinomial(n, n + 51), kOverflow) << n;
  }
}

TEST(BinomialeTest, FailingRangesOfK) {
  const struct { int n, first_failing_k, last_failing_k; } kCases[] = {{100, 11, 90}, {60, 16, 45}};
  for (const auto& c : kCases) {
    for (int k = 0; k <= c.n; ++k) {
      const Units result = WholeBinomial(c.n, k);
      if (k >= c.first_failing_k && k <= c.last_failing_k) {
        EXPECT_EQ(result, kOverflow) << c.n << ", " << k;
      } else {
        ASSERT_TRUE(result.has_value()) << c.n << ", " << k;
        EXPECT_EQ(result, ExpectedWhole(c.n, k)) << c.n << ", " << k;
      }
    }
  }
  for (int n = 2; n <= 60; ++n) {
    EXPECT_EQ(WholeBinomial(n, n / 2).has_value(), n <= 48) << n;
  }
}

// Whole N and K: the result is the exact coefficient unless a product leaves the range, and
// then Binomiale fails. Products of up to 2^63 units pass through doubles here, so this is
// where a conversion that rounds twice shows.
TEST(BinomialeTest, WholeInputsGiveTheExactCoefficientOrOverflow) {
  int exact = 0;
  for (int n = -40; n <= 200; ++n) {
    for (int k = 0; k <= std::max(n, 0) + 60; ++k) {
      const Units expected = ExpectedWhole(n, k);
      ASSERT_EQ(WholeBinomial(n, k), expected) << n << ", " << k;
      exact += expected.has_value();
    }
  }
  EXPECT_GT(exact, 10'000);
}

// The same steps on the exact reference operations.
Units ReferenceBinomial(std::int64_t n, std::int64_t k) {
  const std::optional<std::int16_t> steps = reference::ToShort(k);
  if (!steps) return std::nullopt;
  Units w = 1'0000;
  for (int i = 1; i <= *steps; ++i) {
    const Units d = reference::Subtract(k, i * std::int64_t{1'0000});
    const Units f = d ? reference::Subtract(n, *d) : std::nullopt;
    const Units p = f ? reference::Multiply(*w, *f) : std::nullopt;
    if (!p) return std::nullopt;
    w = reference::FromDouble(reference::ToDouble(*p) / i);
    if (!w || i == std::numeric_limits<std::int16_t>::max()) return std::nullopt;
  }
  return w;
}

constexpr std::uint64_t kRandomStart = 0x62696e6f6d69616c;

TEST(BinomialeRandomTest, FractionalAndNegativeInputsMatchTheReference) {
  std::mt19937_64 bits(kRandomStart);
  const auto between = [&bits](std::int64_t low, std::int64_t high) {
    return std::uniform_int_distribution<std::int64_t>(low, high)(bits);
  };
  int overflows = 0;
  for (int draw = 0; draw < 20'000; ++draw) {
    // Mostly small N, whole or not; now and then a large N, or one near the ends of the range,
    // where a product or a difference leaves the range within a step or two.
    const std::int64_t family = between(0, 7);
    std::int64_t n = 0;
    if (family < 3) {
      n = between(-40, 100) * 1'0000;
    } else if (family < 6) {
      n = between(-40'0000, 100'0000);
    } else if (family == 6) {
      n = between(-1'000'000'000'0000, 1'000'000'000'0000);
    } else {
      n = between(0, 1) == 0 ? kMin + between(0, 100'0000) : kMax - between(0, 100'0000);
    }
    const std::int64_t k = between(0, 2) == 0 ? between(-2, 40) * 1'0000 + 5000  // ties
                                              : between(-2'0000, 40'9999);
    const Units result = Binomial(n, k);
    ASSERT_EQ(result, ReferenceBinomial(n, k)) << n << ", " << k;
    overflows += !result.has_value();
  }
  // Both outcomes are well represented.
  EXPECT_GT(overflows, 20'000 / 10);
  EXPECT_LT(overflows, 20'000 * 7 / 10);
}

}  // namespace
}  // namespace morvane
