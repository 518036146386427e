// SPDX-License-Identifier: GPL-3.0-or-later
// The characters of a number as Morvane reads and writes it: which are blanks and digits, and
// what may follow a sign. Val, the number formats and morvane-cli's option parser share them.
#pragma once

#include <cstddef>
#include <string_view>

namespace morvane {

// The blanks Val skips wherever they stand: space, tab, line feed, vertical tab, form feed and
// carriage return. No other character, however white it looks, is a blank.
constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Only the ASCII digits are digits.
constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The length of the run of digits that text begins with: "184,756" gives 3, "x1" gives 0.
constexpr std::size_t DigitRun(std::string_view text) {
  std::size_t length = 0;
  while (length < text.size() && IsDigit(text[length])) ++length;
  return length;
}

// Whether c, standing right after a sign, lets the number go on: a digit, the decimal point or
// a blank ("-5", "-.5", "- 5"). After any other character the sign began no number.
constexpr bool CanFollowSign(char c) {
  return IsDigit(c) || c == '.' || IsBlank(c);
}

}  // namespace morvane
