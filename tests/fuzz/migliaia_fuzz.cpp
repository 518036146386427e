// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz harness for Migliaia on arbitrary text with arbitrary separators. The input is
// "DECIMAL\nTHOUSANDS\nTEXT" (the text may hold further line feeds). Whatever it is given,
// Migliaia either refuses the text as a type mismatch or writes a grouped whole number; with a
// decimal separator that cannot be confused with digits, it accepts exactly the number texts and
// writes exactly their value rounded half away from zero.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "morvane/number_format.h"
#include "morvane/run_time_error.h"

namespace {

using morvane::fuzz::AllDigits;
using morvane::fuzz::Escaped;

// Migliaia's result, or nothing when it refused the text.
struct Outcome {
  bool refused = false;
  std::string text;
};

Outcome RunMigliaia(std::string_view cifra, const morvane::NumberSeparators& separators) {
  try {
    return {false, morvane::Migliaia(cifra, separators)};
  } catch (const morvane::RunTimeError& error) {
    MORVANE_FUZZ_CHECK(
        error.kind() == morvane::ErrorKind::kTypeMismatch,
        "Migliaia failed with another error than type mismatch on " + Escaped(cifra));
    return {true, {}};
  }
}

// The expected result for a number text: an optional "-", digits, and optionally the decimal
// separator followed by at least one digit; at least one digit in all. Nothing for other text.
// Requires a plain decimal separator, whose first occurrence is then the only possible one.
Outcome Model(std::string_view cifra, const morvane::NumberSeparators& separators) {
  const bool negative = cifra.starts_with('-');
  if (negative) cifra.remove_prefix(1);
  const std::size_t point = cifra.find(separators.decimal);
  const std::string_view whole = cifra.substr(0, point);
  const std::string_view decimals = point == std::string_view::npos
                                        ? std::string_view()
                                        : cifra.substr(point + separators.decimal.size());
  const bool number = AllDigits(whole) && AllDigits(decimals) &&
                      (point == std::string_view::npos || !decimals.empty()) &&
                      !(whole.empty() && decimals.empty());
  if (!number) return {true, {}};
  const std::string digits = morvane::fuzz::RoundedHalfAway(whole, decimals);
  return {false, (negative && digits != "0" ? "-" : "") +
                     morvane::fuzz::Grouped(digits, separators.thousands)};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto fields = morvane::fuzz::CutFields(data, size, 3);
  const morvane::NumberSeparators separators{std::string(fields[0]), std::string(fields[1])};
  const std::string_view cifra = fields[2];
  const std::string context = " for " + Escaped(cifra) + " with decimal separator " +
                              Escaped(separators.decimal) + " and thousands separator " +
                              Escaped(separators.thousands);

  const Outcome got = RunMigliaia(cifra, separators);
  if (!got.refused) {
    MORVANE_FUZZ_CHECK(morvane::fuzz::IsGroupedWhole(got.text, separators.thousands),
                       "Migliaia wrote " + Escaped(got.text) + context);
  }
  const Outcome again = RunMigliaia(cifra, separators);
  MORVANE_FUZZ_CHECK(again.refused == got.refused && again.text == got.text,
                     "a second call gave another result" + context);

  if (morvane::fuzz::IsPlainDecimalSeparator(separators.decimal)) {
    const Outcome expected = Model(cifra, separators);
    MORVANE_FUZZ_CHECK(got.refused == expected.refused,
                       std::string(got.refused ? "refused" : "accepted") + " a text" + context);
    MORVANE_FUZZ_CHECK(
        got.text == expected.text,
        "Migliaia wrote " + Escaped(got.text) + " instead of " + Escaped(expected.text) + context);
  }
  return 0;
}
