#include "morvane/checked_division.h"

#include <cmath>

#include "morvane/run_time_error.h"

namespace morvane {

double CheckedDivide(double dividend, double divisor) {
  const double quotient = dividend / divisor;
  // A NaN quotient from non-NaN operands is an invalid operation; an infinite quotient from a
  // finite dividend is a division by zero or an overflow. Quiet NaN and infinite operands
  // pass through without a signal, as in IEEE 754.
  const bool invalid = std::isnan(quotient) && !std::isnan(dividend) && !std::isnan(divisor);
  const bool infinite_from_finite = std::isinf(quotient) && std::isfinite(dividend);
  if (invalid || infinite_from_finite) RaiseFloatingPointError();
  return quotient;
}

}  // namespace morvane
