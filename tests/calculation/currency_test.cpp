// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/currency.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <compare>
#include <concepts>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <type_traits>

#include "exact_reference.h"

// Unit counts of a whole or more are written with a digit separator before their four decimal
// places: 20'5000 units is 20.5; below a whole they are plain counts (5000 units is 0.5).

namespace morvane {
namespace {

// The shape of the type: a plain 64-bit value, usable in constant expressions, never built
// behind the caller's back from a number.
static_assert(std::is_trivially_copyable_v<Currency>);
static_assert(sizeof(Currency) == 8);
static_assert(std::regular<Currency>);
static_assert(std::totally_ordered<Currency>);
static_assert(std::three_way_comparable<Currency, std::strong_ordering>);
static_assert(!std::is_convertible_v<int, Currency>);
static_assert(!std::is_convertible_v<double, Currency>);
static_assert(!std::is_constructible_v<Currency, std::int64_t>);
static_assert(!std::is_convertible_v<Currency, double>);
static_assert(!std::is_convertible_v<Currency, std::int64_t>);
static_assert(Currency().units() == 0);
static_assert(Currency::FromUnits(20'5000).units() == 20'5000);
static_assert(Currency::FromShort(-32'768).units() == -32'768'0000);
static_assert(Currency::Min().units() == std::numeric_limits<std::int64_t>::min());
static_assert(Currency::Max().units() == std::numeric_limits<std::int64_t>::max());
static_assert(Currency::FromDouble(0.03125).units() == 312);
static_assert(Currency::FromDouble(-0.09375).units() == -938);
static_assert(Currency::FromUnits(2'5000).ToShort() == 2);
static_assert((Currency::FromShort(3) - Currency::FromShort(5)).units() == -2'0000);
static_assert((Currency::FromUnits(1'0001) * Currency::FromUnits(1'0001)).units() == 1'0002);
static_assert(Currency::Min() < Currency::FromShort(0) && Currency::FromShort(0) < Currency::Max());

using reference::Units;
constexpr Units kOverflow = std::nullopt;
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t k2To53 = std::int64_t{1} << 53;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The result of an operation, or nullopt when it raised the overflow error.
template <typename Operation>
auto Try(Operation operation) -> std::optional<decltype(operation())> {
  try {
    return operation();
  } catch (const RunTimeError& error) {
    EXPECT_EQ(error.kind(), ErrorKind::kOverflow) << error.what();
    return std::nullopt;
  }
}

Units FromDoubleUnits(double x) {
  return Try([x] { return Currency::FromDouble(x).units(); });
}
Units Difference(std::int64_t a, std::int64_t b) {
  return Try([=] { return (Currency::FromUnits(a) - Currency::FromUnits(b)).units(); });
}
Units Product(std::int64_t a, std::int64_t b) {
  return Try([=] { return (Currency::FromUnits(a) * Currency::FromUnits(b)).units(); });
}
std::optional<std::int16_t> Short(std::int64_t units) {
  return Try([=] { return Currency::FromUnits(units).ToShort(); });
}

TEST(CurrencyTest, HeaderExamples) {
  EXPECT_EQ(Currency::FromUnits(205'000).ToDouble(), 20.5);
  EXPECT_EQ(Currency::FromShort(-32'768).units(), -327'680'000);
  EXPECT_EQ(FromDoubleUnits(0.00004), 0);
  EXPECT_EQ(FromDoubleUnits(0.00006), 1);
  EXPECT_EQ(FromDoubleUnits(0.03125), 312);
  EXPECT_EQ(FromDoubleUnits(1e15), kOverflow);
  EXPECT_EQ(Short(2'5000), 2);
  EXPECT_EQ(Short(-2'5000), -2);
  EXPECT_EQ(Short(3'5000), 4);
  EXPECT_EQ(Short(-32'768'5000), -32'768);
  EXPECT_EQ(Short(32'767'5000), std::nullopt);
  EXPECT_EQ(Product(1'0001, 1'0001), 1'0002);
}

TEST(CurrencyTest, FromShortIsExactAndToShortUndoesIt) {
  EXPECT_EQ(Currency::FromShort(1).units(), 1'0000);
  EXPECT_EQ(Currency::FromShort(32'767).units(), 32'767'0000);
  for (int n = std::numeric_limits<std::int16_t>::min(); n <= 32'767; ++n) {
    const Currency c = Currency::FromShort(static_cast<std::int16_t>(n));
    ASSERT_EQ(c.units(), n * 1'0000) << n;
    ASSERT_EQ(c.ToShort(), n);
  }
}

TEST(CurrencyTest, ToShortRoundsTiesToEvenAndOverflowsOutsideTheShortRange) {
  const struct {
    std::int64_t units;
    Units expected;
  } kCases[] = {
      // clang-format off
      {5000, 0},   {1'5000, 2},   {2'5000, 2},   {3'5000, 4},
      {-5000, 0},  {-1'5000, -2}, {-2'5000, -2}, {-3'5000, -4},
      {4999, 0},   {5001, 1},     {-5001, -1},   {-1, 0},
      {32'767'4999, 32'767},     {32'767'5000, kOverflow},  {32'766'5000, 32'766},
      {32'768'0000, kOverflow},  {-32'767'5000, -32'768},   {-32'768'4999, -32'768},
      {-32'768'5000, -32'768},   {-32'768'5001, kOverflow}, {-32'769'0000, kOverflow},
      {kMax, kOverflow},         {kMin, kOverflow},
      // clang-format on
  };
  for (const auto& c : kCases) EXPECT_EQ(Short(c.units), c.expected) << c.units;
}

TEST(CurrencyTest, SubtractionIsExactUpToBothEndsOfTheRange) {
  const struct {
    std::int64_t a, b;
    Units expected;
  } kCases[] = {{2'5000, 1'0000, 1'5000}, {1'0000, 2'5000, -1'5000}, {kMin, 1, kOverflow},
                {kMax, -1, kOverflow},    {kMin, 0, kMin},           {kMax, 0, kMax},
                {0, kMax, kMin + 1},      {-1, kMax, kMin},          {-2, kMax, kOverflow},
                {0, kMin, kOverflow},     {-1, kMin, kMax},          {kMax, kMin, kOverflow},
                {kMin, kMax, kOverflow},  {kMax, kMax, 0},           {kMin, kMin, 0},
                {kMax, 1, kMax - 1},      {kMin + 1, 1, kMin},       {kMin, -1, kMin + 1}};
  for (const auto& c : kCases) EXPECT_EQ(Difference(c.a, c.b), c.expected) << c.a << " - " << c.b;
}

TEST(CurrencyTest, MultiplicationRoundsTheExactProductOnceTiesToEven) {
  const struct {
    std::int64_t a, b;
    Units expected;
  } kCases[] = {
      {1'0001, 1'0001, 1'0002},  // 1.00020001
      {1'000'000'000'0000, 1'000'000'0000, kOverflow},
      // clang-format off
      {1, 5000, 0},  {3, 5000, 2},   {5, 5000, 2},   {7, 5000, 4},  // 0.00005 * k: ties to even
      {-1, 5000, 0}, {-3, 5000, -2}, {5, -5000, -2}, {-7, -5000, 4},
      {1, 4999, 0},  {1, 5001, 1},   {1, 1, 0},
      // clang-format on
      {kMin, 1'0000, kMin},
      {kMin, -1'0000, kOverflow},
      {kMax, 1'0000, kMax},
      {kMax, -1'0000, kMin + 1},
      {kMax, 1'0001, kOverflow},
      {kMax, 5000, 461'168'601'842'738'7904},  // ...7903.5 rounds to the even count
      {kMin, 5000, -461'168'601'842'738'7904},
      {kMax, 9999, 922'244'969'965'109'0329},
      {kMin, 9999, -922'244'969'965'109'0330},
      // Products of about 2^76 units: the largest squares in range, and the first beyond.
      {30'370'004'9997, 30'370'004'9997, 922'337'203'681'802'9970},
      {-30'370'004'9997, 30'370'004'9997, -922'337'203'681'802'9970},
      {30'370'004'9998, 30'370'004'9998, kOverflow},
      {30'370'004'9998, -30'370'004'9998, kOverflow},
      // Beyond each end before rounding, back inside after it.
      {1'0004, 921'968'416'318'950'0007, kMax},   // Max + 0.00000028
      {1'0004, -921'968'416'318'950'0008, kMin},  // Min - 0.00000032
      // Exactly half a unit beyond each end: the even neighbour is 2^63 units, which only the
      // negative side can hold.
      {32'767'5000, 28'147'927'174'3489, kOverflow},  // Max + 0.00005
      {137'088'5000, -6'728'042'131'0721, kMin},      // Min - 0.00005
      {-137'088'5000, -6'728'042'131'0721, kOverflow},
  };
  for (const auto& c : kCases) EXPECT_EQ(Product(c.a, c.b), c.expected) << c.a << " * " << c.b;
}

TEST(CurrencyTest, ToDoubleRoundsTheExactQuotientOnce) {
  // The expected values are decimal literals, which the compiler rounds correctly. Dividing
  // the unit count converted to a double, or multiplying it by 0.0001, misses the rows marked.
  const struct {
    std::int64_t units;
    double expected;
  } kCases[] = {
      {0, 0.0},
      {1, 0.0001},
      {-1, -0.0001},
      {20'5000, 20.5},
      {184'756'0000, 184'756.0},
      {32'247'603'683'100'0000, 32'247'603'683'100.0},
      {900'719'925'473'8992, 900'719'925'473.8992},  // times 0.0001: ...8993
      {900'719'925'474'0991, 900'719'925'474.0991},  // 2^53 - 1 units
      {900'719'925'474'0995, 900'719'925'474.0995},  // divided: ...0996
      {900'719'925'474'0997, 900'719'925'474.0997},  // divided: ...0996
      {900'719'925'474'0999, 900'719'925'474.0999},  // divided: ...1
      {-900'719'925'474'0999, -900'719'925'474.0999},
      {900'719'925'474'1001, 900'719'925'474.1001},          // divided: ...1
      {32'247'603'683'099'9950, 32'247'603'683'099.9950},    // divided: ...992
      {100'000'000'000'000'0065, 100'000'000'000'000.0065},  // divided: ...02
      {461'168'601'842'738'8417, 461'168'601'842'738.8417},  // divided: ...9
      {922'337'203'685'477'3126, 922'337'203'685'477.3126},  // divided: ...25
      // Exact ties between two doubles 0.125 apart go to the even one.
      {562'949'953'421'312'0625, 562'949'953'421'312.0},
      {-562'949'953'421'312'3125, -562'949'953'421'312.25},
      {kMax, 922'337'203'685'477.5807},
      {kMin, -922'337'203'685'477.5808},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(Currency::FromUnits(c.units).ToDouble(), c.expected) << c.units;
    EXPECT_EQ(reference::ToDouble(c.units), c.expected) << c.units;
  }
}

TEST(CurrencyTest, FromDoubleRoundsTheExactScaledValueOnceTiesToEven) {
  // Below the smallest double at or above 2^63 / 10,000 the value fits; Min and Max themselves
  // are not doubles, so no double reaches them.
  const double kTop = 922'337'203'685'477.5;
  const double kHuge = std::numeric_limits<double>::max();
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  const double kTiny = std::numeric_limits<double>::denorm_min();
  const double kSmallestNormal = std::numeric_limits<double>::min();
  ASSERT_LT(kTop * 10'000, 0x1p63);
  ASSERT_GE(std::nextafter(kTop, kInfinity) * 10'000, 0x1p63);
  const struct {
    double x;
    Units expected;
  } kCases[] = {
      {1e15, kOverflow},
      {0.00004, 0},
      {0.00006, 1},
      {0.00005, 1},  // just above half a unit, though 0.00005 * 10000.0 rounds to 0.5
      {-0.00005, -1},
      {0.00015, 1},  // slightly below 1.5 units
      {0.00025, 3},  // slightly above 2.5
      {0.00035, 3},  // slightly below 3.5
      {123.45675, 123'4567},
      {0.03125, 312},  // 312.5 exactly: ties go to the even count
      {-0.03125, -312},
      {0.09375, 938},
      {-0.09375, -938},
      {std::nextafter(0.03125, 0.0), 312},
      {std::nextafter(0.03125, 1.0), 313},
      {std::nextafter(-0.09375, 0.0), -937},
      {0.03135, 314},  // slightly above 313.5
      // (2^53 - 1) / 32, a tie; x * 10000.0: ...655.9488
      {0x1.fffffffffffffp47, 281'474'976'710'655'9688},
      {-0x1.fffffffffffffp47, -281'474'976'710'655'9688},
      {32'247'603'683'101.0, 32'247'603'683'101'0000},  // x * 10000.0: ...100.9984
      {kTop, 922'337'203'685'477'5000},                 // x * 10000.0: ...477.4784
      {-kTop, -922'337'203'685'477'5000},
      {std::nextafter(kTop, kInfinity), kOverflow},
      {std::nextafter(-kTop, -kInfinity), kOverflow},
      {0x1p63, kOverflow},
      {-0x1p63 / 10'000, kOverflow},  // the double nearest Min is beyond it
      {kHuge, kOverflow},
      {kNaN, kOverflow},
      // Infinities overflow; the smallest doubles round to nothing.
      // clang-format off
      {kInfinity, kOverflow}, {-kInfinity, kOverflow}, {kTiny, 0}, {-kTiny, 0},
      {kSmallestNormal, 0},   {-0.0, 0},               {0.0, 0},
      // clang-format on
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(FromDoubleUnits(c.x), c.expected) << std::hexfloat << c.x;
    EXPECT_EQ(reference::FromDouble(c.x), c.expected) << std::hexfloat << c.x;
  }
}

// Fixed random state: every run draws the same values.
constexpr std::uint64_t kRandomStart = 0x6d6f7276616e65;
constexpr int kDraws = 40'000;

class RandomUnits {
 public:
  // A unit count from one of several families, each aimed at a different kind of fault.
  std::int64_t Next() {
    switch (Below(7)) {
      case 0:  // anywhere in the range
        return static_cast<std::int64_t>(bits_());
      case 1:  // ordinary small values
        return Between(-1'000'000'0000, 1'000'000'0000);
      case 2:  // around 2^53 units, where a double stops holding every count
        return Sign() * (k2To53 + Between(-(1 << 24), 1 << 24));
      case 3:  // near the ends of the range
        return Below(2) == 0 ? kMin + Between(0, 1 << 24) : kMax - Between(0, 1 << 24);
      case 4:  // halves of a whole, ties for rounding
        return Between(-40'000, 40'000) * 1'0000 + Sign() * 5000;
      case 5:  // whole values
        return Between(kMin / 1'0000, kMax / 1'0000) * 1'0000;
      default:  // every magnitude from one unit to 2^63, equally often
        return Sign() * static_cast<std::int64_t>(bits_() >> Between(1, 63));
    }
  }

  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return std::uniform_int_distribution<std::int64_t>(low, high)(bits_);
  }
  std::int64_t Below(std::int64_t n) { return Between(0, n - 1); }
  std::int64_t Sign() { return Below(2) == 0 ? 1 : -1; }
  std::uint64_t Bits() { return bits_(); }

 private:
  std::mt19937_64 bits_{kRandomStart};
};

TEST(CurrencyRandomTest, ToDoubleAndToShortMatchTheExactReference) {
  RandomUnits random;
  for (int draw = 0; draw < kDraws; ++draw) {
    const std::int64_t units = random.Next();
    ASSERT_EQ(Currency::FromUnits(units).ToDouble(), reference::ToDouble(units)) << units;
    ASSERT_EQ(Short(units), reference::ToShort(units)) << units;
  }
}

TEST(CurrencyRandomTest, SubtractionAndMultiplicationMatchTheExactReference) {
  RandomUnits random;
  int overflows = 0;
  for (int draw = 0; draw < kDraws; ++draw) {
    const std::int64_t a = random.Next();
    std::int64_t b = random.Next();
    ASSERT_EQ(Difference(a, b), reference::Subtract(a, b)) << a << " - " << b;
    ASSERT_EQ(Difference(a, a), 0) << a;
    ASSERT_EQ(Product(a, b), reference::Multiply(a, b)) << a << " * " << b;
    // A second factor sized so that the product lands near the ends of the range.
    const int width = 64 - std::countl_zero(static_cast<std::uint64_t>(a < 0 ? -(a + 1) : a));
    const int other_width = static_cast<int>(
        std::clamp(77 - width + random.Between(-2, 2), std::int64_t{1}, std::int64_t{63}));
    b = random.Sign() * static_cast<std::int64_t>(random.Bits() >> (64 - other_width));
    const Units product = Product(a, b);
    ASSERT_EQ(product, reference::Multiply(a, b)) << a << " * " << b;
    overflows += !product.has_value();
  }
  // The sized products fall on both sides of the ends.
  EXPECT_GT(overflows, kDraws / 10);
  EXPECT_LT(overflows, kDraws * 4 / 5);
}

TEST(CurrencyRandomTest, FromDoubleMatchesTheExactReference) {
  RandomUnits random;
  int overflows = 0;
  for (int draw = 0; draw < kDraws; ++draw) {
    double x = 0;
    switch (random.Below(4)) {
      case 0:  // the double a unit count turns into, and its neighbours
        x = std::nextafter(Currency::FromUnits(random.Next()).ToDouble(),
                           static_cast<double>(random.Sign()) * kInfinity);
        break;
      case 1:  // t / 32 with t odd: exactly half a unit off a whole count
        x = static_cast<double>(random.Sign() * (2 * random.Between(0, k2To53 / 2 - 1) + 1)) / 32;
        break;
      case 2:  // any double from about a thousandth of a unit to beyond the range
        x = std::ldexp(static_cast<double>(random.Sign()) *
                           (1 + static_cast<double>(random.Bits() >> 12) * 0x1p-52),
                       static_cast<int>(random.Between(-25, 51)));
        break;
      default:  // any bit pattern: NaNs, infinities, subnormals, the huge and the tiny
        x = std::bit_cast<double>(random.Bits());
        break;
    }
    const Units units = FromDoubleUnits(x);
    ASSERT_EQ(units, reference::FromDouble(x)) << std::hexfloat << x;
    overflows += !units.has_value();
  }
  // Both outcomes are well represented.
  EXPECT_GT(overflows, kDraws / 20);
  EXPECT_LT(overflows, kDraws / 2);
}

TEST(CurrencyRandomTest, ValuesSurviveTheTripThroughADouble) {
  // Every whole value survives; so does every value below 2^39 in magnitude, where doubles are
  // at most 2^-14 apart and rounding to one moves a value by less than half a unit. Above 2^39
  // neighbouring counts can share a double: 549,755,813,888.0003 comes back as ....0002.
  const auto round_trip = [](std::int64_t units) {
    return Currency::FromDouble(Currency::FromUnits(units).ToDouble()).units();
  };
  const std::int64_t kExactWholes[] = {0,
                                       1'0000,
                                       900'719'925'474'0000,
                                       900'719'925'475'0000,
                                       kMax / 1'0000 * 1'0000,
                                       kMin / 1'0000 * 1'0000};
  for (const std::int64_t units : kExactWholes) EXPECT_EQ(round_trip(units), units);
  EXPECT_EQ(round_trip(549'755'813'888'0003), 549'755'813'888'0002);

  RandomUnits random;
  const std::int64_t kFineLimit = (std::int64_t{1} << 39) * 1'0000;
  for (int draw = 0; draw < kDraws; ++draw) {
    const std::int64_t whole = random.Between(kMin / 1'0000, kMax / 1'0000) * 1'0000;
    ASSERT_EQ(round_trip(whole), whole);
    const std::int64_t fine = random.Between(-kFineLimit + 1, kFineLimit - 1);
    ASSERT_EQ(round_trip(fine), fine);
  }
}

}  // namespace
}  // namespace morvane
