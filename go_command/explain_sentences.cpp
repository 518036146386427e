// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/explain_sentences.h"

#include <algorithm>

namespace morvane {

namespace {

// In the order of Sentence; the assertion below catches a sentence added to one and not the
// other.
constexpr auto kEnglishTexts = std::to_array<std::string_view>({
    R"(%1: "%2" reads as %3.)",
    R"(%1: "%2" reads as %3, which rounds to %4 steps: with fewer than one step the count is 1.)",
    R"(%1: "%2" reads as %3, which rounds to %4 step.)",
    R"(%1: "%2" reads as %3, which rounds to %4 steps.)",
    "Step i multiplies the running value, at first 1, by the factor N - (K - i) and rounds\n"
    "the product to four decimals; the quotient is the product divided by i in double\n"
    "precision, and the new running value is the quotient rounded to four decimals.",
    "Step",
    "Factor",
    "Product",
    "Quotient",
    "Running value",
    "overflow",
    "failed",
    R"(The count is %1; the result box shows "%2".)",
    R"(The result box shows "%1".)",
    "Writing the count %1 as the result box shows it failed.",
    R"(Reading %1: "%2" is too large for a double.)",
    R"(Reading %1: "%2" reads as %3, %4.)",
    "Rounding K to the number of steps: %1 rounds to %2, %3.",
    "Step %1 of %2, the factor: N - (K - i) = %3 - (%4 - %5) is %6, %7.",
    "Step %1 of %2, the product: the running value %3 times the factor %4 is %5, %6.",
    "Step %1 of %2, the quotient: the product %3 divided by %4 failed the floating-point "
    "check.",
    "Step %1 of %2, rounding the quotient back: the product %3 divided by %4 is %5, %6.",
    "Step %1 of %2, the step counter: %3 + 1 is %4, %5.",
    "beyond the largest value %1",
    "below the smallest value %1",
    "beyond the largest number of steps %1",
    "below the smallest number of steps %1",
    "beyond the largest step counter %1",
    "below the smallest step counter %1",
});
static_assert(kEnglishTexts.size() == kSentenceCount);

}  // namespace

const ExplainSentences& EnglishSentences() {
  static const ExplainSentences kEnglish = [] {
    ExplainSentences sentences;
    std::copy(kEnglishTexts.begin(), kEnglishTexts.end(), sentences.begin());
    return sentences;
  }();
  return kEnglish;
}

const std::string& SentenceText(const ExplainSentences& sentences, Sentence sentence) {
  return sentences[static_cast<std::size_t>(sentence)];
}

std::string FillSentence(std::string_view sentence, std::initializer_list<std::string_view> args) {
  std::string filled;
  filled.reserve(sentence.size());
  for (std::size_t at = 0; at < sentence.size(); ++at) {
    const char next = at + 1 < sentence.size() ? sentence[at + 1] : '\0';
    const auto index = static_cast<std::size_t>(next - '1');
    if (sentence[at] == '%' && next >= '1' && next <= '9' && index < args.size()) {
      filled += *(args.begin() + index);
      ++at;
    } else {
      filled += sentence[at];
    }
  }
  return filled;
}

}  // namespace morvane
