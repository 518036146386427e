// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/checked_division.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "morvane/run_time_error.h"

namespace morvane {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMaxDouble = std::numeric_limits<double>::max();

// The quotient, or nullopt when the division raised the floating-point error.
std::optional<double> Divide(double dividend, double divisor) {
  try {
    return CheckedDivide(dividend, divisor);
  } catch (const RunTimeError& error) {
    EXPECT_EQ(error.kind(), ErrorKind::kFloatingPoint) << error.what();
    return std::nullopt;
  }
}

TEST(CheckedDivideTest, RaisesOnInvalidDivisionByZeroAndOverflowOnly) {
  const std::optional<double> kRaises = std::nullopt;
  const struct {
    double dividend, divisor;
    std::optional<double> expected;
  } kCases[] = {
      {7, 2, 3.5},  // the header's examples
      {1e308, 1e-10, kRaises},
      {1, 0, kRaises},
      {1e-310, 1e20, 0.0},  // underflow is ignored
      {1e-310, 1e10, 1e-320},
      {1, 4, 0.25},
      {-1, 0, kRaises},
      {1, -0.0, kRaises},
      {0, 0, kRaises},
      {kInfinity, kInfinity, kRaises},
      {-kInfinity, kInfinity, kRaises},
      {kMaxDouble, 0.5, kRaises},
      {-kMaxDouble, 0.5, kRaises},
      {kMaxDouble, 1, kMaxDouble},
      {kMaxDouble, -1, -kMaxDouble},
      {std::numeric_limits<double>::denorm_min(), 2, 0.0},
      // Infinite operands give exact infinite or zero quotients, which signal nothing.
      {kInfinity, 2, kInfinity},
      {kInfinity, 0, kInfinity},
      {-kInfinity, 0, -kInfinity},
      {0, kInfinity, 0.0},
      {5, -kInfinity, -0.0},
  };
  for (const auto& c : kCases) {
    const std::optional<double> quotient = Divide(c.dividend, c.divisor);
    EXPECT_EQ(quotient, c.expected) << c.dividend << " / " << c.divisor;
    if (quotient && c.expected) {
      EXPECT_EQ(std::signbit(*quotient), std::signbit(*c.expected))
          << c.dividend << " / " << c.divisor;
    }
  }
}

TEST(CheckedDivideTest, QuietNaNOperandsPassThrough) {
  for (const double divisor : {1.0, 0.0, kInfinity, kNaN}) {
    const std::optional<double> quotient = Divide(kNaN, divisor);
    ASSERT_TRUE(quotient.has_value()) << divisor;
    EXPECT_TRUE(std::isnan(*quotient)) << divisor;
  }
  const std::optional<double> quotient = Divide(1, kNaN);
  ASSERT_TRUE(quotient.has_value());
  EXPECT_TRUE(std::isnan(*quotient));
}

// Dividing a signaling NaN signals invalid operation, whatever the other operand is.
TEST(CheckedDivideTest, SignalingNaNOperandsRaise) {
  const double signaling = std::numeric_limits<double>::signaling_NaN();
  ASSERT_TRUE(std::isnan(signaling));
  for (const double other : {1.0, 0.0, kInfinity, kNaN, signaling}) {
    EXPECT_EQ(Divide(signaling, other), std::nullopt) << other;
    EXPECT_EQ(Divide(other, signaling), std::nullopt) << other;
  }
}

}  // namespace
}  // namespace morvane
