// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/explain.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "morvane/count_trace.h"
#include "morvane/exact_text.h"
#include "morvane/go_command.h"

namespace morvane {
namespace {

// Enough of a text to recognise it; a box may hold thousands of characters.
constexpr std::size_t kQuotedBytes = 40;

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  std::size_t end = std::min(text.size(), kQuotedBytes);
  // Never cut a UTF-8 sequence: back up to the byte that starts one.
  while (end < text.size() && end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
    --end;
  }
  for (const char c : text.substr(0, end)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\t') {
      quoted += "\\t";
    } else if (c == '\n') {
      quoted += "\\n";
    } else if (c == '\r') {
      quoted += "\\r";
    } else if (byte < 0x20 || byte == 0x7F) {
      constexpr std::string_view kHex = "0123456789abcdef";
      quoted += "\\x";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 0xF];
    } else {
      quoted += c;
    }
  }
  if (end < text.size()) quoted += "...";
  quoted += '"';
  return quoted;
}

// The characters a terminal shows for UTF-8 text: every byte but the continuation bytes.
std::size_t DisplayWidth(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

class Writer {
 public:
  Writer(std::string_view n_text, std::string_view k_text, const NumberSeparators& separators)
      : n_text_(n_text), k_text_(k_text), separators_(separators) {}

  std::string Number(Currency value) const {
    return GroupedText(ExactUnitsText(value.units()), separators_);
  }
  std::string Number(double value) const {
    return GroupedText(ExactDoubleText(value), separators_);
  }
  std::string Whole(std::int64_t value) const {
    return GroupedText(std::to_string(value), separators_);
  }
  // "beyond the largest value 922,337,203,685,477.5807"
  std::string Beyond(const CountFailure& failure, std::string_view what) const {
    return (failure.value.starts_with('-') ? "below the smallest " : "beyond the largest ") +
           std::string(what) + " " + GroupedText(failure.limit, separators_);
  }

  std::string Reason(const CountTrace& trace) const {
    const CountFailure& failure = *trace.failure;
    const TracedStep step = trace.failing_step.value_or(
        trace.completed.empty() ? TracedStep{} : trace.completed.back());
    const std::string in_step = "Step " + Whole(step.i) + " of " + Whole(trace.steps) + ", ";
    const std::string value = GroupedText(failure.value, separators_);
    switch (failure.operation) {
      case CountOperation::kReadN:
      case CountOperation::kReadK: {
        const bool is_n = failure.operation == CountOperation::kReadN;
        std::string reason =
            std::string("Reading ") + (is_n ? "N: " : "K: ") + Quoted(is_n ? n_text_ : k_text_);
        if (failure.value.empty()) return reason + " is too large for a double.";
        return reason + " reads as " + value + ", " + Beyond(failure, "value") + ".";
      }
      case CountOperation::kStepCount:
        return "Rounding K to the number of steps: " + Number(*trace.k) + " rounds to " + value +
               ", " + Beyond(failure, "number of steps") + ".";
      case CountOperation::kFactor:
        return in_step + "the factor: N - (K - i) = " + Number(*trace.n) + " - (" +
               Number(*trace.k) + " - " + Whole(step.i) + ") is " + value + ", " +
               Beyond(failure, "value") + ".";
      case CountOperation::kProduct: {
        const std::size_t done = trace.completed.size();
        const Currency running =
            done == 0 ? Currency::FromShort(1) : trace.completed[done - 1].running;
        return in_step + "the product: the running value " + Number(running) +
               " times the factor " + Number(step.factor) + " is " + value + ", " +
               Beyond(failure, "value") + ".";
      }
      case CountOperation::kDivision:
        return in_step + "the quotient: the product " + Number(step.product) + " divided by " +
               Whole(step.i) + " failed the floating-point check.";
      case CountOperation::kConversion:
        return in_step + "rounding the quotient back: the product " + Number(step.product) +
               " divided by " + Whole(step.i) + " is " + value + ", " + Beyond(failure, "value") +
               ".";
      case CountOperation::kCounter:
        return in_step + "the step counter: " + Whole(step.i) + " + 1 is " + value + ", " +
               Beyond(failure, "step counter") + ".";
    }
    return {};
  }

  // The row of a step: its number, then each value computed, then the failure, if any.
  std::array<std::string, 5> Row(const TracedStep& step, const CountTrace& trace,
                                 bool failing) const {
    std::array<std::string, 5> cells{Whole(step.i)};
    const std::size_t computed = failing ? Column(trace.failure->operation) - 1 : 4;
    if (computed >= 1) cells[1] = Number(step.factor);
    if (computed >= 2) cells[2] = Number(step.product);
    if (computed >= 3) cells[3] = Number(step.quotient);
    if (computed >= 4) cells[4] = Number(step.running);
    if (failing) {
      cells[computed + 1] =
          trace.failure->kind == ErrorKind::kFloatingPoint ? "failed" : "overflow";
    }
    return cells;
  }

  std::string Table(const CountTrace& trace) const {
    std::vector<std::array<std::string, 5>> rows{
        {"Step", "Factor", "Product", "Quotient", "Running value"}};
    rows.reserve(trace.completed.size() + 2);
    for (const TracedStep& step : trace.completed) rows.push_back(Row(step, trace, false));
    if (trace.failing_step) rows.push_back(Row(*trace.failing_step, trace, true));

    std::array<std::size_t, 5> widths{};
    std::size_t bytes = 0;
    for (const auto& row : rows) {
      for (std::size_t column = 0; column < row.size(); ++column) {
        widths[column] = std::max(widths[column], DisplayWidth(row[column]));
        bytes += row[column].size();
      }
    }
    std::string table;
    table.reserve(bytes +
                  rows.size() * (widths[0] + widths[1] + widths[2] + widths[3] + widths[4] + 10));
    for (const auto& row : rows) {
      for (std::size_t column = 0; column < row.size(); ++column) {
        if (column > 0) table += "  ";
        table.append(widths[column] - DisplayWidth(row[column]), ' ');
        table += row[column];
      }
      // A failing row may stop early; its padding would only trail.
      table.erase(table.find_last_not_of(' ') + 1);
      table += '\n';
    }
    return table;
  }

  std::string Explanation(const CountTrace& trace) const {
    std::string text;
    if (trace.n) text += "N: " + Quoted(n_text_) + " reads as " + Number(*trace.n) + ".\n";
    if (trace.k) {
      text += "K: " + Quoted(k_text_) + " reads as " + Number(*trace.k);
      if (trace.failure && trace.failure->operation == CountOperation::kStepCount) {
        text += ".\n";
      } else if (trace.steps < 1) {
        text += ", which rounds to " + Whole(trace.steps) +
                " steps: with fewer than one step the count is 1.\n";
      } else {
        text += ", which rounds to " + Whole(trace.steps) +
                (trace.steps == 1 ? " step.\n" : " steps.\n");
      }
    }
    if (!trace.completed.empty() || trace.failing_step) {
      text +=
          "Step i multiplies the running value, at first 1, by the factor N - (K - i) and rounds\n"
          "the product to four decimals; the quotient is the product divided by i in double\n"
          "precision, and the new running value is the quotient rounded to four decimals.\n";
      text += Table(trace);
    }
    if (trace.count) {
      text += "The count is " + Number(*trace.count) + "; the result box shows \"" +
              Shown(*trace.count) + "\".\n";
      if (const std::string reason = ResultReason(*trace.count); !reason.empty()) {
        text += reason + "\n";
      }
    } else {
      text += "The result box shows \"Error\".\n" + Reason(trace) + "\n";
    }
    return text;
  }

  std::string Shown(Currency count) const {
    try {
      return ResultText(count, separators_);
    } catch (const RunTimeError&) {
      return "Error";
    }
  }

  // Why a count that succeeded still shows "Error": its formatting failed.
  std::string ResultReason(Currency count) const {
    if (Shown(count) != "Error") return {};
    return "Writing the count " + Number(count) + " as the result box shows it failed.";
  }

 private:
  // The column where an operation's result stands in the table.
  static std::size_t Column(CountOperation operation) {
    switch (operation) {
      case CountOperation::kFactor:
        return 1;
      case CountOperation::kProduct:
        return 2;
      case CountOperation::kDivision:
        return 3;
      default:
        return 4;
    }
  }

  std::string_view n_text_;
  std::string_view k_text_;
  const NumberSeparators& separators_;
};

}  // namespace

std::string FailureReason(std::string_view n_text, std::string_view k_text,
                          const NumberSeparators& separators) {
  const Writer writer(n_text, k_text, separators);
  const CountTrace trace = TraceCount(n_text, k_text);
  return trace.count ? writer.ResultReason(*trace.count) : writer.Reason(trace);
}

std::string ExplainText(std::string_view n_text, std::string_view k_text,
                        const NumberSeparators& separators) {
  return Writer(n_text, k_text, separators).Explanation(TraceCount(n_text, k_text));
}

}  // namespace morvane
