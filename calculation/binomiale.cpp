// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/binomiale.h"

namespace morvane {

Currency Binomiale(Currency n, Currency k) {
  NoStepObserver none;
  return Binomiale(n, k, none);
}

}  // namespace morvane
