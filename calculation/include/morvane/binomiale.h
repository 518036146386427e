// SPDX-License-Identifier: GPL-3.0-or-later
// Binomiale: the number of combinations C(n, k) by the multiplicative formula, computed step by
// step in fixed point, with exactly the roundings and failures of Morvane's arithmetic.
#pragma once

#include "morvane/currency.h"

namespace morvane {

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
Currency Binomiale(Currency n, Currency k);

}  // namespace morvane
