// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/explain.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "morvane/count_trace.h"
#include "morvane/exact_text.h"
#include "morvane/go_command.h"

namespace morvane {
namespace {

// Enough of a text to recognise it; a box may hold thousands of characters.
constexpr std::size_t kEscapedBytes = 40;

std::string Escaped(std::string_view text) {
  std::string quoted;
  std::size_t end = std::min(text.size(), kEscapedBytes);
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
  Writer(std::string_view n_text, std::string_view k_text, const NumberSeparators& separators,
         const ExplainSentences& sentences)
      : n_text_(n_text), k_text_(k_text), separators_(separators), sentences_(sentences) {}

  std::string Say(Sentence sentence, std::initializer_list<std::string_view> args = {}) const {
    return FillSentence(SentenceText(sentences_, sentence), args);
  }

  std::string Number(Currency value) const {
    return GroupedText(ExactUnitsText(value.units()), separators_);
  }
  std::string Number(double value) const {
    return GroupedText(ExactDoubleText(value), separators_);
  }
  std::string Whole(std::int64_t value) const {
    return GroupedText(std::to_string(value), separators_);
  }
  // "exceeds the largest value 922,337,203,685,477.5807": above names the bound above the
  // range, below the one under it.
  std::string Beyond(const CountFailure& failure, Sentence above, Sentence below) const {
    return Say(failure.value.starts_with('-') ? below : above,
               {GroupedText(failure.limit, separators_)});
  }
  std::string BeyondValue(const CountFailure& failure) const {
    return Beyond(failure, Sentence::kBeyondLargestValue, Sentence::kBelowSmallestValue);
  }

  std::string Reason(const CountTrace& trace) const {
    const CountFailure& failure = *trace.failure;
    const TracedStep step = trace.failing_step.value_or(
        trace.completed.empty() ? TracedStep{} : trace.completed.back());
    const std::string i = Whole(step.i);
    const std::string steps = Whole(trace.steps);
    const std::string value = GroupedText(failure.value, separators_);
    switch (failure.operation) {
      case CountOperation::kReadN:
      case CountOperation::kReadK: {
        const bool is_n = failure.operation == CountOperation::kReadN;
        const std::string which = is_n ? "N" : "K";
        const std::string text = Escaped(is_n ? n_text_ : k_text_);
        if (failure.value.empty()) return Say(Sentence::kReasonReadTooLarge, {which, text});
        return Say(Sentence::kReasonRead, {which, text, value, BeyondValue(failure)});
      }
      case CountOperation::kStepCount:
        return Say(Sentence::kReasonStepCount, {Number(*trace.k), value,
                                                Beyond(failure, Sentence::kBeyondLargestStepCount,
                                                       Sentence::kBelowSmallestStepCount)});
      case CountOperation::kFactor:
        return Say(Sentence::kReasonFactor,
                   {i, steps, Number(*trace.n), Number(*trace.k), i, value, BeyondValue(failure)});
      case CountOperation::kProduct: {
        const std::size_t done = trace.completed.size();
        const Currency running =
            done == 0 ? Currency::FromShort(1) : trace.completed[done - 1].running;
        return Say(Sentence::kReasonProduct,
                   {i, steps, Number(running), Number(step.factor), value, BeyondValue(failure)});
      }
      case CountOperation::kDivision:
        // No input reaches this sentence: the dividend is a currency value, finite and below
        // 2^63 / 10,000, and the divisor a step number from 1 to 32,767, so the division can
        // neither divide by zero, overflow nor be invalid. It names the check should it fail.
        return Say(Sentence::kReasonDivision, {i, steps, Number(step.product), i});
      case CountOperation::kConversion:
        return Say(Sentence::kReasonConversion,
                   {i, steps, Number(step.product), i, value, BeyondValue(failure)});
      case CountOperation::kCounter:
        return Say(Sentence::kReasonCounter, {i, steps, i, value,
                                              Beyond(failure, Sentence::kBeyondLargestCounter,
                                                     Sentence::kBelowSmallestCounter)});
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
      // "failed" marks the division alone, which no input makes fail (see Reason).
      cells[computed + 1] =
          Say(trace.failure->kind == ErrorKind::kFloatingPoint ? Sentence::kCellFailed
                                                               : Sentence::kCellOverflow);
    }
    return cells;
  }

  std::string Table(const CountTrace& trace) const {
    std::vector<std::array<std::string, 5>> rows{
        {Say(Sentence::kColumnStep), Say(Sentence::kColumnFactor), Say(Sentence::kColumnProduct),
         Say(Sentence::kColumnQuotient), Say(Sentence::kColumnRunning)}};
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
    if (trace.n) text += Say(Sentence::kReadsAs, {"N", Escaped(n_text_), Number(*trace.n)}) + "\n";
    if (trace.k) {
      Sentence sentence = Sentence::kReadsAsSteps;
      if (trace.failure && trace.failure->operation == CountOperation::kStepCount) {
        sentence = Sentence::kReadsAs;
      } else if (trace.steps < 1) {
        sentence = Sentence::kReadsAsNoSteps;
      } else if (trace.steps == 1) {
        sentence = Sentence::kReadsAsOneStep;
      }
      text += Say(sentence, {"K", Escaped(k_text_), Number(*trace.k), Whole(trace.steps)}) + "\n";
    }
    if (!trace.completed.empty() || trace.failing_step) {
      text += Say(Sentence::kMethod) + "\n";
      text += Table(trace);
    }
    if (trace.count) {
      text += Say(Sentence::kCountShown, {Number(*trace.count), Shown(*trace.count)}) + "\n";
      if (const std::string reason = ResultReason(*trace.count); !reason.empty()) {
        text += reason + "\n";
      }
    } else {
      text += Say(Sentence::kErrorShown, {"Error"}) + "\n" + Reason(trace) + "\n";
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
    return Say(Sentence::kWritingFailed, {Number(count)});
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
  const ExplainSentences& sentences_;
};

}  // namespace

std::string FailureReason(std::string_view n_text, std::string_view k_text,
                          const NumberSeparators& separators, const ExplainSentences& sentences) {
  const Writer writer(n_text, k_text, separators, sentences);
  const CountTrace trace = TraceCount(n_text, k_text);
  return trace.count ? writer.ResultReason(*trace.count) : writer.Reason(trace);
}

std::string ExplainText(std::string_view n_text, std::string_view k_text,
                        const NumberSeparators& separators, const ExplainSentences& sentences) {
  return Writer(n_text, k_text, separators, sentences).Explanation(TraceCount(n_text, k_text));
}

}  // namespace morvane
