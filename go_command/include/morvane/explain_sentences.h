// SPDX-License-Identifier: GPL-3.0-or-later
// The sentences an explanation of a count is made of, as one table a front end fills in its
// user's language (Qt's tr(), a Windows string table, a JavaScript array); English by default.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace morvane {

// One entry per sentence or word of an explanation. The values are the table's indices and
// stay as they are, so a string table or an array can be written in this order; new entries
// go at the end, before kCount. Each comment lists what its placeholders receive.
// In every language a figure is never followed by a comma, which under a decimal comma would
// seem to go on ("477,6250, ..."), and a step count below one, which may be 0 or -1 as well as
// -2, takes the sentence that names no counted noun; 1 and more take the singular and plural.
enum class Sentence : std::size_t {
  kReadsAs,                 // %1 "N" or "K", %2 the text read (escaped, cut), %3 its value
  kReadsAsNoSteps,          // %1 "K", %2 the text, %3 its value, %4 the number of steps (< 1)
  kReadsAsOneStep,          // %1 "K", %2 the text, %3 its value, %4 the number of steps (1)
  kReadsAsSteps,            // %1 "K", %2 the text, %3 its value, %4 the number of steps
  kMethod,                  // the paragraph before the table; its line breaks are kept
  kColumnStep,              // the table's five column titles
  kColumnFactor,            //
  kColumnProduct,           //
  kColumnQuotient,          //
  kColumnRunning,           //
  kCellOverflow,            // the cell of an operation whose value left the range
  kCellFailed,              // the cell of a division that failed its floating-point check
  kCountShown,              // %1 the count, %2 the result box's text
  kErrorShown,              // %1 the result box's text, "Error"
  kWritingFailed,           // %1 the count
  kReasonReadTooLarge,      // %1 "N" or "K", %2 the text
  kReasonRead,              // %1 "N" or "K", %2 the text, %3 its value, %4 a bound (below)
  kReasonStepCount,         // %1 K, %2 the steps it rounds to, %3 a bound
  kReasonFactor,            // %1 step, %2 steps, %3 N, %4 K, %5 i, %6 the factor, %7 a bound
  kReasonProduct,           // %1 step, %2 steps, %3 running value, %4 factor, %5 product, %6 bound
  kReasonDivision,          // %1 step, %2 steps, %3 the product, %4 the divisor i
  kReasonConversion,        // %1 step, %2 steps, %3 the product, %4 i, %5 the quotient, %6 bound
  kReasonCounter,           // %1 step, %2 steps, %3 i, %4 the counter after it, %5 a bound
  kBeyondLargestValue,      // the bounds, ending a reason as its verb ("exceeds ..."); %1 the limit
  kBelowSmallestValue,      //
  kBeyondLargestStepCount,  //
  kBelowSmallestStepCount,  //
  kBeyondLargestCounter,    //
  kBelowSmallestCounter,    //
  kCount
};

inline constexpr std::size_t kSentenceCount = static_cast<std::size_t>(Sentence::kCount);

// UTF-8 texts indexed by Sentence, with "%1" to "%9" where the figures and quoted texts go;
// a placeholder may appear in any order, more than once, or not at all.
using ExplainSentences = std::array<std::string, kSentenceCount>;

// The English sentences: morvane-cli's, and any front end's that has no translation.
const ExplainSentences& EnglishSentences();

// The entry of a table for a sentence.
const std::string& SentenceText(const ExplainSentences& sentences, Sentence sentence);

// The sentence with each "%n" replaced by the n-th argument, in one pass, so an argument that
// itself holds "%1" (a quoted box text) stays as it is. A "%" not followed by a digit from 1
// to the number of arguments is kept.
std::string FillSentence(std::string_view sentence, std::initializer_list<std::string_view> args);

}  // namespace morvane
