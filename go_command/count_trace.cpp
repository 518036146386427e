// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/count_trace.h"

#include <limits>

#include "morvane/binomiale.h"
#include "morvane/exact_text.h"
#include "morvane/val.h"

namespace morvane {
namespace {

using currency_internal::DivideRoundHalfEven;
using currency_internal::Int128;

// Takes each value from the count's loop, and so always knows which operation runs next.
class StepRecorder {
 public:
  explicit StepRecorder(CountTrace& trace) : trace_(trace) {}

  void Steps(std::int16_t steps) {
    trace_.steps = steps;
    trace_.completed.reserve(steps > 0 ? static_cast<std::size_t>(steps) : 0);
  }
  void Step(std::int16_t i) {
    step_ = TracedStep{.i = i};
    next_ = CountOperation::kFactor;
  }
  void Factor(Currency factor) {
    step_.factor = factor;
    next_ = CountOperation::kProduct;
  }
  void Product(Currency product) {
    step_.product = product;
    next_ = CountOperation::kDivision;
  }
  void Quotient(double quotient) {
    step_.quotient = quotient;
    next_ = CountOperation::kConversion;
  }
  void RunningValue(Currency running) {
    step_.running = running;
    trace_.completed.push_back(step_);
    next_ = CountOperation::kCounter;
  }

  CountOperation next() const { return next_; }
  const TracedStep& step() const { return step_; }

 private:
  CountTrace& trace_;
  TracedStep step_{};
  CountOperation next_ = CountOperation::kStepCount;
};

std::string CurrencyLimit(bool above) {
  return ExactUnitsText(above ? std::numeric_limits<std::int64_t>::max()
                              : std::numeric_limits<std::int64_t>::min());
}

// An exact count of units that left the currency range, beside the end it passed.
CountFailure UnitsOverflow(CountOperation operation, Int128 units) {
  return {
      .operation = operation, .value = ExactUnitsText(units), .limit = CurrencyLimit(units > 0)};
}

// A whole number that left the short-integer range of the step count or counter.
CountFailure ShortOverflow(CountOperation operation, std::int64_t value) {
  return {.operation = operation,
          .value = std::to_string(value),
          .limit = std::to_string(value > 0 ? std::numeric_limits<std::int16_t>::max()
                                            : std::numeric_limits<std::int16_t>::min())};
}

// Reads one text as the Go command does; on a failure records it and gives nothing.
std::optional<Currency> Read(std::string_view text, CountOperation operation, CountTrace& trace) {
  double read = 0;
  try {
    read = Val(text);
  } catch (const RunTimeError& error) {
    trace.failure = CountFailure{.operation = operation, .kind = error.kind()};
    return std::nullopt;
  }
  try {
    return Currency::FromDouble(read);
  } catch (const RunTimeError& error) {
    trace.failure = CountFailure{.operation = operation,
                                 .kind = error.kind(),
                                 .value = ExactDoubleText(read),
                                 .limit = CurrencyLimit(read > 0)};
    return std::nullopt;
  }
}

// Works out, outside the count's own arithmetic, the exact value that the failed operation
// would have produced.
CountFailure DescribeFailure(const CountTrace& trace, const StepRecorder& recorder,
                             ErrorKind kind) {
  const Currency n = *trace.n;
  const Currency k = *trace.k;
  const TracedStep& step = recorder.step();
  constexpr Int128 kPerWhole = Currency::kUnitsPerWhole;
  CountFailure failure{.operation = recorder.next(), .kind = kind};
  switch (recorder.next()) {
    case CountOperation::kStepCount:
      failure = ShortOverflow(failure.operation,
                              DivideRoundHalfEven(k.units(), Currency::kUnitsPerWhole));
      break;
    case CountOperation::kFactor: {
      const Int128 difference = Int128{k.units()} - Int128{step.i} * kPerWhole;
      failure = UnitsOverflow(failure.operation, Int128{n.units()} - difference);
      break;
    }
    case CountOperation::kProduct: {
      const Currency running =
          trace.completed.empty() ? Currency::FromShort(1) : trace.completed.back().running;
      const Int128 product = Int128{running.units()} * step.factor.units();
      failure = UnitsOverflow(failure.operation, DivideRoundHalfEven(product, kPerWhole));
      break;
    }
    case CountOperation::kConversion:
      failure.value = ExactDoubleText(step.quotient);
      failure.limit = CurrencyLimit(step.quotient > 0);
      break;
    case CountOperation::kCounter:
      failure = ShortOverflow(failure.operation, std::int64_t{step.i} + 1);
      break;
    case CountOperation::kReadN:
    case CountOperation::kReadK:
    case CountOperation::kDivision:
      break;
  }
  failure.kind = kind;
  return failure;
}

}  // namespace

CountTrace TraceCount(std::string_view n_text, std::string_view k_text) {
  CountTrace trace;
  trace.n = Read(n_text, CountOperation::kReadN, trace);
  if (!trace.n) return trace;
  trace.k = Read(k_text, CountOperation::kReadK, trace);
  if (!trace.k) return trace;

  StepRecorder recorder(trace);
  try {
    trace.count = Binomiale(*trace.n, *trace.k, recorder);
  } catch (const RunTimeError& error) {
    trace.failure = DescribeFailure(trace, recorder, error.kind());
    if (recorder.next() != CountOperation::kStepCount &&
        recorder.next() != CountOperation::kCounter) {
      trace.failing_step = recorder.step();
    }
  }
  return trace;
}

}  // namespace morvane
