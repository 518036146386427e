// SPDX-License-Identifier: GPL-3.0-or-later
// Val: reads the number that a text begins with, as the N and K boxes are read. Never fails on
// text that is not a number; only a value too large for a double is a failure.
#pragma once

#include <string_view>

namespace morvane {

// The double nearest to the decimal number at the start of text (correctly rounded).
// Blanks (space, tab, line feed, vertical tab, form feed, carriage return) are skipped
// wherever they stand. The number is: an optional sign ("-" or "+"), digits with at most one
// "." (whatever the locale), then an optional exponent: "e" or "E", an optional sign, digits.
// The first character that cannot continue the number ends it; a text that does not begin
// with a number gives 0. Only ASCII digits are digits. There are no radix prefixes.
// Linear in the length of the text.
// Raises RunTimeError (overflow) when the value is too large for a double; a value too small
// for one reads as 0 (with its sign).
// Examples: "20 apples" gives 20; "2 0" gives 20; "20,5" gives 20; "- 1.5e1" gives -15;
// "abc" and "" give 0; "1e400" raises.
// Users read this rule in docs/reading-and-rounding.md, whose examples a test runs.
double Val(std::string_view text);

// Whether text is wholly a number: what Val reads, followed by nothing but blanks. A text that
// does not begin with a number, the empty text included, is not one; a number too large for a
// double still is. An "e" without exponent digits ends the number, so it is left over.
// Examples: "10", " -1.5e3 ", "2 0", "1." and "1e400" are numbers; "10 apples", "1e", "",
// " ", "." and "0x10" are not.
bool IsWholeNumber(std::string_view text);

}  // namespace morvane
