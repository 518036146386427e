// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/binomiale.h"

#include <cstdint>
#include <limits>

#include "morvane/checked_division.h"

namespace morvane {

Currency Binomiale(Currency n, Currency k) {
  Currency w = Currency::FromShort(1);
  const std::int16_t steps = k.ToShort();
  for (std::int16_t i = 1; i <= steps;) {
    const Currency factor = n - (k - Currency::FromShort(i));
    const Currency product = w * factor;
    w = Currency::FromDouble(CheckedDivide(product.ToDouble(), static_cast<double>(i)));
    // The step counter is a short integer: the increment after step 32,767 overflows.
    if (i == std::numeric_limits<std::int16_t>::max()) RaiseOverflow();
    ++i;
  }
  return w;
}

}  // namespace morvane
