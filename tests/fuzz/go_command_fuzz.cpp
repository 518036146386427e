// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz harness for the Go command on two texts cut from the input, with separators cut from it
// too: "DECIMAL\nTHOUSANDS\nN\nK" (K takes the rest, line feeds included). The result text is
// "Error" or one space and a grouped whole number, the same every time; it fails exactly when
// the count fails; the raw count text holds exactly the count; and with a plain decimal
// separator the result is that count rounded half away from zero. A failure reason is given
// exactly for "Error", and the explanation ends with it (for separators no longer than a
// locale's).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "morvane/currency.h"
#include "morvane/explain.h"
#include "morvane/go_command.h"
#include "morvane/run_time_error.h"

namespace {

using morvane::fuzz::Escaped;
using morvane::fuzz::GeneralText;

using morvane::currency_internal::Int128;

// The unit count that the parts stand for, worked out on 128-bit integers.
Int128 UnitsOf(const GeneralText& parts) {
  Int128 units = 0;
  for (const char c : parts.whole) units = units * 10 + (c - '0');
  std::string decimals(parts.decimals);
  decimals.resize(4, '0');
  for (const char c : decimals) units = units * 10 + (c - '0');
  return parts.negative ? -units : units;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto fields = morvane::fuzz::CutFields(data, size, 4);
  const morvane::NumberSeparators separators{std::string(fields[0]), std::string(fields[1])};
  const std::string_view n_text = fields[2];
  const std::string_view k_text = fields[3];
  const std::string context = " for N " + Escaped(n_text) + ", K " + Escaped(k_text) +
                              ", decimal separator " + Escaped(separators.decimal) +
                              ", thousands separator " + Escaped(separators.thousands);

  const std::string result = morvane::GoCommand(n_text, k_text, separators);
  MORVANE_FUZZ_CHECK(
      result == "Error" ||
          (result.starts_with(' ') &&
           morvane::fuzz::IsGroupedWhole(std::string_view(result).substr(1), separators.thousands)),
      "the result text is " + Escaped(result) + context);
  MORVANE_FUZZ_CHECK(morvane::GoCommand(n_text, k_text, separators) == result,
                     "a second click gave another result than " + Escaped(result) + context);

  const std::string reason = morvane::FailureReason(n_text, k_text, separators);
  MORVANE_FUZZ_CHECK(reason.empty() == (result != "Error"),
                     "the result text is " + Escaped(result) + ", the failure reason " +
                         Escaped(reason) + context);
  // An explanation writes every step, up to 32,767 of them, with the separators in each number:
  // a locale's are a few bytes, but a kilobyte of them would make tens of megabytes of text and
  // a timeout that stops the run without a fault.
  constexpr std::size_t kLocaleSeparatorBytes = 16;
  const bool locale_like = separators.decimal.size() <= kLocaleSeparatorBytes &&
                           separators.thousands.size() <= kLocaleSeparatorBytes;
  if (!reason.empty() && locale_like) {
    MORVANE_FUZZ_CHECK(
        morvane::ExplainText(n_text, k_text, separators).ends_with("\n" + reason + "\n"),
        "the explanation does not end with the reason " + Escaped(reason) + context);
  }

  std::optional<morvane::Currency> count;
  try {
    count = morvane::CountFromTexts(n_text, k_text);
  } catch (const morvane::RunTimeError&) {
  }
  const std::string raw = morvane::RawCountText(n_text, k_text, separators);
  if (!count) {
    MORVANE_FUZZ_CHECK(result == "Error" && raw == "Error",
                       "the count failed, yet the result is " + Escaped(result) +
                           " and the raw text " + Escaped(raw) + context);
    return 0;
  }
  MORVANE_FUZZ_CHECK(raw != "Error", "the count succeeded, the raw text is \"Error\"" + context);
  if (!morvane::fuzz::IsPlainDecimalSeparator(separators.decimal)) return 0;

  const std::optional<GeneralText> parts = morvane::fuzz::ReadGeneral(raw, separators.decimal);
  MORVANE_FUZZ_CHECK(parts.has_value(), "the raw text " + Escaped(raw) + " is malformed" + context);
  MORVANE_FUZZ_CHECK(UnitsOf(*parts) == count->units(),
                     "the raw text " + Escaped(raw) + " is not the count of " +
                         std::to_string(count->units()) + " units" + context);
  const std::string digits = morvane::fuzz::RoundedHalfAway(parts->whole, parts->decimals);
  const std::string expected = std::string(parts->negative && digits != "0" ? " -" : " ") +
                               morvane::fuzz::Grouped(digits, separators.thousands);
  MORVANE_FUZZ_CHECK(result == expected, "the result text is " + Escaped(result) + " instead of " +
                                             Escaped(expected) + context);
  return 0;
}
