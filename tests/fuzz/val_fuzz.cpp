// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz harness for Val on arbitrary bytes. Every text is also read by a plain left-to-right model
// and converted by the C library's correctly rounded strtod, and the two readings must agree to
// the bit, overflow included. Blanks inserted or removed anywhere, and text appended after a
// number whose end is already settled, must not change the value. Run with long inputs
// (-max_len of a megabyte) and a short -timeout, so that work growing faster than the length of
// the text shows up as a timeout.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "morvane/run_time_error.h"
#include "morvane/val.h"

namespace {

using morvane::fuzz::Escaped;
using morvane::fuzz::IsDigit;

bool IsBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// Exponents beyond this are all alike: no text that fits in memory brings such a value back
// into the range of a double.
constexpr std::int64_t kExponentCap = 1'000'000'000'000;

// The number at the start of a text, as a plain reading finds it.
struct Reading {
  bool any_digit = false;
  bool negative = false;
  std::string digits;      // from the first non-zero digit on
  std::int64_t scale = 0;  // the value is digits * 10^scale
  std::size_t end = 0;     // just past the last character that belongs to the number
  bool open = false;       // the text ended where the number could still have gone on
};

Reading Read(std::string_view text) {
  Reading r;
  std::size_t i = 0;
  const auto skip_blanks = [&] {
    while (i < text.size() && IsBlank(text[i])) ++i;
  };
  const auto at_end = [&] { return i == text.size(); };

  skip_blanks();
  if (!at_end() && (text[i] == '-' || text[i] == '+')) {
    r.negative = text[i] == '-';
    ++i;
    skip_blanks();
  }
  bool point = false;
  while (!at_end()) {
    const char c = text[i];
    if (IsDigit(c)) {
      r.any_digit = true;
      if (c != '0' || !r.digits.empty()) r.digits.push_back(c);
      if (point) --r.scale;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
    r.end = ++i;
    skip_blanks();
  }
  if (at_end()) {
    r.open = true;
    return r;
  }
  if (!r.any_digit || (text[i] != 'e' && text[i] != 'E')) return r;

  ++i;
  skip_blanks();
  bool exponent_negative = false;
  if (!at_end() && (text[i] == '-' || text[i] == '+')) {
    exponent_negative = text[i] == '-';
    ++i;
    skip_blanks();
  }
  std::int64_t exponent = 0;
  while (!at_end() && IsDigit(text[i])) {
    exponent = std::min(kExponentCap, exponent * 10 + (text[i] - '0'));
    r.end = ++i;
    skip_blanks();
  }
  r.open = at_end();
  r.scale += exponent_negative ? -exponent : exponent;
  return r;
}

// What reading a number gives: a double, or the overflow failure.
struct Outcome {
  bool overflow = false;
  double value = 0.0;

  friend bool operator==(const Outcome& a, const Outcome& b) {
    return a.overflow == b.overflow &&
           std::bit_cast<std::uint64_t>(a.value) == std::bit_cast<std::uint64_t>(b.value);
  }
};

std::string Describe(const Outcome& outcome) {
  if (outcome.overflow) return "overflow";
  char text[64];
  std::snprintf(text, sizeof text, "%.17g (%a)", outcome.value, outcome.value);
  return text;
}

// The value of a reading by strtod, on the significant digits and the scale alone.
Outcome Expected(const Reading& r) {
  const double zero = r.negative ? -0.0 : 0.0;
  if (!r.any_digit) return {false, 0.0};
  std::string digits = r.digits;
  std::int64_t scale = r.scale;
  while (!digits.empty() && digits.back() == '0') {
    digits.pop_back();
    ++scale;
  }
  if (digits.empty()) return {false, zero};
  // The value lies in [10^(lead - 1), 10^lead); far outside the doubles, strtod is not needed.
  const std::int64_t lead = static_cast<std::int64_t>(digits.size()) + scale;
  if (lead > 400) return {true, 0.0};
  if (lead < -400) return {false, zero};
  digits += "e" + std::to_string(scale);
  const double magnitude = std::strtod(digits.c_str(), nullptr);
  if (std::isinf(magnitude)) return {true, 0.0};
  return {false, r.negative ? -magnitude : magnitude};
}

Outcome RunVal(std::string_view text) {
  try {
    return {false, morvane::Val(text)};
  } catch (const morvane::RunTimeError& error) {
    MORVANE_FUZZ_CHECK(error.kind() == morvane::ErrorKind::kOverflow,
                       "Val failed with another error than overflow on " + Escaped(text));
    return {true, 0.0};
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const Outcome got = RunVal(text);
  const Reading reading = Read(text);
  const Outcome expected = Expected(reading);
  MORVANE_FUZZ_CHECK(got == expected, "Val(" + Escaped(text) + ") gave " + Describe(got) +
                                          ", the correctly rounded reading is " +
                                          Describe(expected));

  std::string without_blanks;
  for (const char c : text) {
    if (!IsBlank(c)) without_blanks.push_back(c);
  }
  MORVANE_FUZZ_CHECK(RunVal(without_blanks) == got,
                     "removing the blanks of " + Escaped(text) + " changed its value");

  // A run of every kind of blank, at a place that depends on the input.
  const std::size_t place = size == 0 ? 0 : data[0] % (size + 1);
  const std::string with_blanks =
      std::string(text.substr(0, place)) + " \t\n\v\f\r" + std::string(text.substr(place));
  MORVANE_FUZZ_CHECK(RunVal(with_blanks) == got, "blanks inserted at " + std::to_string(place) +
                                                     " changed the value of " + Escaped(text));

  MORVANE_FUZZ_CHECK(RunVal(text.substr(0, reading.end)) == got,
                     "the number of " + Escaped(text) + " alone, the first " +
                         std::to_string(reading.end) + " bytes, reads differently");
  if (!reading.open) {
    // Digits, a point and an exponent would all continue a number that had not ended.
    MORVANE_FUZZ_CHECK(
        RunVal(std::string(text) + "7.5e5") == got,
        "text appended after the end of the number in " + Escaped(text) + " changed its value");
  }
  return 0;
}
