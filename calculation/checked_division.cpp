// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/checked_division.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "morvane/run_time_error.h"

namespace morvane {
namespace {

// A NaN whose quiet bit, the top bit of the significand, is clear.
bool IsSignalingNaN(double x) {
  constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 51;
  return std::isnan(x) && (std::bit_cast<std::uint64_t>(x) & kQuietBit) == 0;
}

}  // namespace

double CheckedDivide(double dividend, double divisor) {
  const double quotient = dividend / divisor;
  // A NaN quotient from non-NaN operands is an invalid operation, and so is any division of a
  // signaling NaN; an infinite quotient from a finite dividend is a division by zero or an
  // overflow. Quiet NaN and infinite operands pass through without a signal, as in IEEE 754.
  const bool invalid = (std::isnan(quotient) && !std::isnan(dividend) && !std::isnan(divisor)) ||
                       IsSignalingNaN(dividend) || IsSignalingNaN(divisor);
  const bool infinite_from_finite = std::isinf(quotient) && std::isfinite(dividend);
  if (invalid || infinite_from_finite) RaiseFloatingPointError();
  return quotient;
}

}  // namespace morvane
