// SPDX-License-Identifier: GPL-3.0-or-later
// CountTrace: the record of the count a click on Go computes, value by value, and of the one
// operation that failed, if any, with the value that left its range. Explanations are made
// from it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "morvane/currency.h"
#include "morvane/run_time_error.h"

namespace morvane {

// The operations of a count, in the order they run, each of which can fail.
enum class CountOperation {
  kReadN,       // N's text read as a number, then turned into a currency value
  kReadK,       // the same for K
  kStepCount,   // K rounded to the number of steps, a short integer
  kFactor,      // the factor N - (K - i) of step i
  kProduct,     // the running value times the factor, rounded to four decimals
  kDivision,    // the product divided by i in double precision, checked
  kConversion,  // the quotient rounded back to four decimals: the new running value
  kCounter,     // the step counter going past step 32,767
};

// The values of one step; a failing step holds those computed before the failure.
struct TracedStep {
  std::int16_t i = 0;
  Currency factor{};
  Currency product{};
  double quotient = 0;
  Currency running{};
};

struct CountFailure {
  CountOperation operation = CountOperation::kReadN;
  ErrorKind kind = ErrorKind::kOverflow;
  // For an overflow, the exact value that left the range and the end of the range it passed,
  // as ExactUnitsText and ExactDoubleText write them ("1516927277253024",
  // "922337203685477.5807"). Both empty when there is no such value: a text too large for a
  // double, or a failed floating-point check.
  std::string value{};
  std::string limit{};
};

struct CountTrace {
  // The numbers read from the texts, each present once read successfully.
  std::optional<Currency> n{};
  std::optional<Currency> k{};
  std::int16_t steps = 0;
  // Every step that completed, in order, then the step that failed, if one did.
  std::vector<TracedStep> completed{};
  std::optional<TracedStep> failing_step{};
  // Exactly one of these two is present.
  std::optional<Currency> count{};
  std::optional<CountFailure> failure{};
};

// The count of the two texts as CountFromTexts computes it, recorded by the very loop of
// Binomiale. Example: ("49", "24") completes 23 steps, then fails in step 24 at kProduct with
// the value "1516927277253024" beyond the limit "922337203685477.5807".
CountTrace TraceCount(std::string_view n_text, std::string_view k_text);

}  // namespace morvane
