// SPDX-License-Identifier: GPL-3.0-or-later
// Number formatting for the result: the general number format of a currency value, and
// Migliaia, which rounds a number held as text to a whole number with grouped thousands.
#pragma once

#include <string>
#include <string_view>

#include "morvane/currency.h"
#include "morvane/number_separators.h"

namespace morvane {

// The value with its significant decimals only (at most four, none for a whole value), the
// given decimal separator, a leading "-" when negative, no grouping and no padding. Exact.
// Examples: 184756 gives "184756"; 7.875 gives "7.875", or "7,875" with a decimal comma.
std::string GeneralFormat(Currency value, const NumberSeparators& separators);

// The number that cifra holds, written by the given separators' rules (an optional "-",
// digits, optionally the decimal separator and more digits: what GeneralFormat writes),
// rounded to a whole number, half away from zero, with its digits grouped by threes and
// separated by the thousands separator; at least one digit; "-" only when the rounded value is
// not zero. The text is read exactly, however many digits it holds.
// Raises RunTimeError (type mismatch) when cifra does not hold such a number.
// Examples: "184756" gives "184,756" ("184.756" with a thousands period); "7.875" gives "8";
// "-2.5" gives "-3"; "-0.4" gives "0".
std::string Migliaia(std::string_view cifra, const NumberSeparators& separators);

}  // namespace morvane
