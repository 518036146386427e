// SPDX-License-Identifier: GPL-3.0-or-later
// DecimalToDouble: the double nearest to a decimal number given as its digits and a power of
// ten, exact however many digits there are, without the C library and its locale.
#pragma once

#include <cstdint>
#include <string_view>

namespace morvane {

// The double nearest to digits * 10^exponent, ties to the even significand (IEEE 754 rounding
// to nearest): +infinity when that value lies at or beyond the halfway point above the largest
// double, 0 when it lies at or below half the smallest subnormal. digits holds ASCII digits
// only (leading and trailing zeros allowed, none at all means 0); the result is never
// negative. Reads at most 800 digits and scans the rest only for one that is not zero, so the
// time is linear in the length of digits. Independent of the process locale.
// Examples: ("25", -1) gives 2.5; ("1", -1) gives 0.1, the double nearest to a tenth;
// ("9007199254740993", 0) gives 9007199254740992 (a tie, to even); ("18", 307) gives
// +infinity; ("24703282292062328", -340) gives the smallest subnormal.
double DecimalToDouble(std::string_view digits, std::int64_t exponent);

}  // namespace morvane
