// SPDX-License-Identifier: GPL-3.0-or-later
// Double-precision division followed by Morvane's floating-point check: a division that
// signals invalid operation, division by zero or overflow raises a run-time error.
#pragma once

namespace morvane {

// dividend / divisor, correctly rounded. Raises RunTimeError (floating point) exactly when
// the IEEE 754 division signals invalid operation (0/0, inf/inf, a signaling NaN operand),
// division by zero (finite non-zero / 0) or overflow (a finite quotient too large for a double);
// inexact and underflow are ignored. The signals are read off the operands and the quotient,
// which determine them, so the check needs no access to the floating-point environment.
// Examples: 7 / 2 gives 3.5; 1e308 / 1e-10 and 1 / 0 raise; 1e-310 / 1e20 gives 0.
double CheckedDivide(double dividend, double divisor);

}  // namespace morvane
