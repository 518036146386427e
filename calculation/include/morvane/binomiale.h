// SPDX-License-Identifier: GPL-3.0-or-later
// Binomiale: the number of combinations C(n, k) by the multiplicative formula, computed step by
// step in fixed point, with exactly the roundings and failures of Morvane's arithmetic.
#pragma once

#include <cstdint>
#include <limits>

#include "morvane/checked_division.h"
#include "morvane/currency.h"
#include "morvane/run_time_error.h"

namespace morvane {

// The hooks of a count that is watched as it goes (see Binomiale below). Each hook runs right
// after the value it receives has been computed, so when an operation raises, the last hook
// that ran tells which operation it was. This one watches nothing and compiles away.
struct NoStepObserver {
  void Steps(std::int16_t /*steps*/) {}       // k rounded to the number of steps
  void Step(std::int16_t /*i*/) {}            // step i begins
  void Factor(Currency /*factor*/) {}         // n - (k - i)
  void Product(Currency /*product*/) {}       // running value * factor
  void Quotient(double /*quotient*/) {}       // product / i in double precision
  void RunningValue(Currency /*running*/) {}  // the quotient rounded back to fixed point
};

// C(n, k) = prod_{i=1..k} (n - (k - i)) / i. The number of steps is k rounded to a short
// integer (ties to even); below one step the result is 1 whatever n is. Each step i:
//   f = n - (k - i)                     exact, in that grouping
//   p = w * f                           fixed-point product, rounded once
//   w = FromDouble(p.ToDouble() / i)    double division, checked, rounded back
// For whole 0 <= k <= n every w is the whole number C(n - k + i, i), so the result is exact
// unless a product leaves the currency range. Fractional and negative inputs take the same
// steps with the same roundings.
// Raises RunTimeError (overflow) when k rounds outside -32,768..32,767, when a difference,
// product or quotient leaves the currency range, and after the step with i = 32,767, whose
// increment overflows the short-integer step counter.
// Examples: (20, 10) gives 184,756 through 11, 66, 286, ..., 92,378; (48, 24) gives
// 32,247,603,683,100; (49, 24) overflows; (5, 2.5) gives 7.875; (-1, 2) gives 1.
// Users read this rule in docs/reading-and-rounding.md, whose examples a test runs.
Currency Binomiale(Currency n, Currency k);

// The same count, handing each value to observer as it is computed (the hooks of
// NoStepObserver), so that an explanation of the count comes from this very loop.
template <typename Observer>
Currency Binomiale(Currency n, Currency k, Observer& observer) {
  Currency w = Currency::FromShort(1);
  const std::int16_t steps = k.ToShort();
  observer.Steps(steps);
  for (std::int16_t i = 1; i <= steps;) {
    observer.Step(i);
    const Currency factor = n - (k - Currency::FromShort(i));
    observer.Factor(factor);
    const Currency product = w * factor;
    observer.Product(product);
    const double quotient = CheckedDivide(product.ToDouble(), static_cast<double>(i));
    observer.Quotient(quotient);
    w = Currency::FromDouble(quotient);
    observer.RunningValue(w);
    // The step counter is a short integer: the increment after step 32,767 overflows.
    if (i == std::numeric_limits<std::int16_t>::max()) RaiseOverflow();
    ++i;
  }
  return w;
}

}  // namespace morvane
