// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/translated_sentences.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QString>

#include <array>
#include <cstddef>

namespace morvane {

namespace {

// The English table's texts again, where lupdate finds them for the .ts files; in the order
// of Sentence. The widget test checks that they match EnglishSentences() one for one.
constexpr std::array<const char*, kSentenceCount> kSources = {
    QT_TRANSLATE_NOOP("morvane::Explanation", "%1: \"%2\" reads as %3."),
    QT_TRANSLATE_NOOP("morvane::Explanation",
                      "%1: \"%2\" reads as %3, which rounds to %4 steps: with fewer than one step "
                      "the count is 1."),
    QT_TRANSLATE_NOOP("morvane::Explanation", "%1: \"%2\" reads as %3, which rounds to %4 step."),
    QT_TRANSLATE_NOOP("morvane::Explanation", "%1: \"%2\" reads as %3, which rounds to %4 steps."),
    QT_TRANSLATE_NOOP(
        "morvane::Explanation",
        "Step i multiplies the running value, at first 1, by the factor N - (K - i) and rounds\n"
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
    QT_TRANSLATE_NOOP("morvane::Explanation", "Reading %1: \"%2\" reads as %3, %4."),
    QT_TRANSLATE_NOOP("morvane::Explanation",
                      "Rounding K to the number of steps: %1 rounds to %2, %3."),
    QT_TRANSLATE_NOOP("morvane::Explanation",
                      "Step %1 of %2, the factor: N - (K - i) = %3 - (%4 - %5) is %6, %7."),
    QT_TRANSLATE_NOOP(
        "morvane::Explanation",
        "Step %1 of %2, the product: the running value %3 times the factor %4 is %5, %6."),
    QT_TRANSLATE_NOOP(
        "morvane::Explanation",
        "Step %1 of %2, the quotient: the product %3 divided by %4 failed the floating-point "
        "check."),
    QT_TRANSLATE_NOOP(
        "morvane::Explanation",
        "Step %1 of %2, rounding the quotient back: the product %3 divided by %4 is %5, %6."),
    QT_TRANSLATE_NOOP("morvane::Explanation", "Step %1 of %2, the step counter: %3 + 1 is %4, %5."),
    QT_TRANSLATE_NOOP("morvane::Explanation", "beyond the largest value %1"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "below the smallest value %1"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "beyond the largest number of steps %1"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "below the smallest number of steps %1"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "beyond the largest step counter %1"),
    QT_TRANSLATE_NOOP("morvane::Explanation", "below the smallest step counter %1"),
};

}  // namespace

ExplainSentences TranslatedSentences() {
  ExplainSentences sentences;
  for (std::size_t i = 0; i < kSentenceCount; ++i) {
    sentences[i] = QCoreApplication::translate("morvane::Explanation", kSources[i]).toStdString();
  }
  return sentences;
}

}  // namespace morvane
