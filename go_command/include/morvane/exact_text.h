// SPDX-License-Identifier: GPL-3.0-or-later
// Exact decimal texts of the values a count passes through, for explaining it: nothing is
// rounded away, so a reader can redo every step by hand.
#pragma once

#include <string>
#include <string_view>

#include "morvane/currency.h"
#include "morvane/number_separators.h"

namespace morvane {

// A count of ten-thousandths, possibly beyond the currency range (an exact product or
// difference that overflowed): "-" when negative, the whole digits, and all four decimals
// after "." when there is a fraction. Examples: 490,000 gives "49"; 78,750 gives "7.8750";
// -5,808 gives "-0.5808".
std::string ExactUnitsText(currency_internal::Int128 units);

// Every decimal of a finite double, with "." and at least four decimals when there is a
// fraction. Examples: 26 gives "26"; 7.875 gives "7.8750"; 0.1 gives
// "0.1000000000000000055511151231257827021181583404541015625"; 1e15 gives "1000000000000000".
std::string ExactDoubleText(double x);

// A text written by the two functions above, or a plain integer, with its whole digits
// grouped by threes with separators.thousands and its "." replaced by separators.decimal.
// Example ("," and "."): "-1234567.8750" gives "-1.234.567,8750".
std::string GroupedText(std::string_view plain, const NumberSeparators& separators);

}  // namespace morvane
