// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/explain_sentences.h"

#include <algorithm>

// Marks the texts for Qt's lupdate, which reads this file to put them into the translations
// (window/translations/*.ts) from which every front end fills its own table; it stands for the
// text itself, so this library needs nothing of Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace morvane {

namespace {

// In the order of Sentence; the assertion below catches a sentence added to one and not the
// other.
constexpr auto kEnglishTexts = std::to_array<std::string_view>({
    QT_TRANSLATE_NOOP("morvane::Explanation", "%1: \"%2\" reads as %3."),
    QT_TRANSLATE_NOOP("morvane::Explanation",
                      "%1: \"%2\" reads as %3 and rounds to %4: with fewer than one step the "
                      "count is 1."),
    QT_TRANSLATE_NOOP("morvane::Explanation", "%1: \"%2\" reads as %3 and rounds to %4 step."),
    QT_TRANSLATE_NOOP("morvane::Explanation", "%1: \"%2\" reads as %3 and rounds to %4 steps."),
    QT_TRANSLATE_NOOP(
        "morvane::Explanation",
        "Step i multiplies the running value (at first 1) by the factor N - (K - i) and rounds\n"
        "the product to four decimals; the quotient is the product divided by i in double\n"
        "precision, and the new running value is the quotient rounded to four decimals."),
    QT_TRANSLATE_NOOP("morvane::Explanation", "Step"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "Factor"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "Product"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "Quotient"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "Running value"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "overflow"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "failed"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "The count is %1; the result box shows \"%2\"."),
    QT_TRANSLATE_NOOP("morvane::Explanation", "The result box shows \"%1\"."),
    QT_TRANSLATE_NOOP("morvane::Explanation",
                      "Writing the count %1 as the result box shows it failed."),
    QT_TRANSLATE_NOOP("morvane::Explanation", "Reading %1: \"%2\" is too large for a double."),
    QT_TRANSLATE_NOOP("morvane::Explanation", "Reading %1: \"%2\" reads as %3 and so %4."),
    QT_TRANSLATE_NOOP("morvane::Explanation",
                      "Rounding K to the number of steps: %1 rounds to %2 and so %3."),
    QT_TRANSLATE_NOOP("morvane::Explanation",
                      "Step %1 of %2 computes the factor: N - (K - i) = %3 - (%4 - %5) is %6 "
                      "and so %7."),
    QT_TRANSLATE_NOOP(
        "morvane::Explanation",
        "Step %1 of %2 computes the product: the running value %3 times the factor %4 is %5 "
        "and so %6."),
    QT_TRANSLATE_NOOP("morvane::Explanation",
                      "Step %1 of %2 computes the quotient: the product %3 divided by %4 failed "
                      "the floating-point check."),
    QT_TRANSLATE_NOOP(
        "morvane::Explanation",
        "Step %1 of %2 rounds the quotient to four decimals: the product %3 divided by %4 is %5 "
        "and so %6."),
    QT_TRANSLATE_NOOP("morvane::Explanation",
                      "Step %1 of %2 adds one to the step counter: %3 + 1 is %4 and so %5."),
    QT_TRANSLATE_NOOP("morvane::Explanation", "exceeds the largest value %1"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "falls below the smallest value %1"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "exceeds the largest number of steps %1"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "falls below the smallest number of steps %1"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "exceeds the largest step counter %1"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "falls below the smallest step counter %1"),
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
