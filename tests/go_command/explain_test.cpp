// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/explain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "separator_sets.h"

namespace morvane {
namespace {

struct ReasonCase {
  const char* name;
  std::string n_text;
  std::string k_text;
  NumberSeparators separators;
  std::string reason;
};

class FailureReasonTest : public testing::TestWithParam<ReasonCase> {};

TEST_P(FailureReasonTest, NamesTheFailingStepAndOperation) {
  const ReasonCase& c = GetParam();
  EXPECT_EQ(FailureReason(c.n_text, c.k_text, c.separators), c.reason);
}

// One case for each operation that can fail, and the two that users ask about.
const std::vector<ReasonCase> kReasonCases = {
    {"Counts", "20", "10", kPointComma, ""},
    {"ReadingN", "1e15", "2", kPointComma,
     "Reading N: \"1e15\" reads as 1,000,000,000,000,000 and so exceeds the largest value "
     "922,337,203,685,477.5807."},
    {"ReadingNBeyondADouble", "\t1e400", "2", kPointComma,
     R"(Reading N: "\t1e400" is too large for a double.)"},
    {"ReadingK", "2", "-999999999999999.9", kCommaPoint,
     "Reading K: \"-999999999999999.9\" reads as -999.999.999.999.999,8750 and so falls below the "
     "smallest value -922.337.203.685.477,5808."},
    {"StepCount", "10", "32767.5", kPointComma,
     "Rounding K to the number of steps: 32,767.5000 rounds to 32,768 and so exceeds the largest "
     "number of steps 32,767."},
    // A quote of the text, cut at 40 bytes but never inside a character.
    {"ReadingNQuotedSafely", "1e15\x7f" + std::string(34, ' ') + "\u00e9 apples", "2", kPointComma,
     "Reading N: \"1e15\\x7f" + std::string(34, ' ') +
         "...\" reads as 1,000,000,000,000,000 and so exceeds the largest value "
         "922,337,203,685,477.5807."},
    {"StepCountBelow", "10", "-32768.6", kPointComma,
     "Rounding K to the number of steps: -32,768.6000 rounds to -32,769 and so falls below the "
     "smallest number of steps -32,768."},
    {"Factor", "-922337203685477", "2", kPointComma,
     "Step 1 of 2 computes the factor: N - (K - i) = -922,337,203,685,477 - (2 - 1) is "
     "-922,337,203,685,478 and so falls below the smallest value -922,337,203,685,477.5808."},
    {"Product", "49", "24", kPointComma,
     "Step 24 of 24 computes the product: the running value 30,957,699,535,776 times the factor "
     "49 is 1,516,927,277,253,024 and so exceeds the largest value 922,337,203,685,477.5807."},
    {"ProductOfTheSameCountAs200And8", "200", "192", kPointComma,
     "Step 146 of 192 computes the product: the running value 6,183,023,199,255 times the factor "
     "154 is 952,185,572,685,270 and so exceeds the largest value 922,337,203,685,477.5807."},
    {"QuotientConversion", "922337203685477.5", "0.93", kPointComma,
     "Step 1 of 1 rounds the quotient to four decimals: the product 922,337,203,685,477.5700 "
     "divided by 1 is 922,337,203,685,477.6250 and so exceeds the largest value "
     "922,337,203,685,477.5807."},
    {"QuotientConversionBelow", "-922337203685477.5", "1.07", kPointComma,
     "Step 1 of 1 rounds the quotient to four decimals: the product -922,337,203,685,477.5700 "
     "divided by 1 is -922,337,203,685,477.6250 and so falls below the smallest value "
     "-922,337,203,685,477.5808."},
    // Odd separators that the result's writing rejects: a digit then a letter as the point.
    {"WritingTheCount",
     "5",
     "2.5",
     {"1x", ","},
     "Writing the count 71x8750 as the result box shows it failed."},
    {"Counter", "32767", "32767", kPointComma,
     "Step 32,767 of 32,767 adds one to the step counter: 32,767 + 1 is 32,768 and so exceeds the "
     "largest step counter 32,767."},
};

INSTANTIATE_TEST_SUITE_P(Table, FailureReasonTest, testing::ValuesIn(kReasonCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A front end's table is used, and a box text that holds a placeholder is not filled in.
TEST(FailureReasonTest, SpeaksTheFrontEndsSentences) {
  ExplainSentences german = EnglishSentences();
  german[static_cast<std::size_t>(Sentence::kReasonRead)] = "%1 liest „%2“ als %3 und ist %4.";
  german[static_cast<std::size_t>(Sentence::kBeyondLargestValue)] = "größer als %1";
  EXPECT_EQ(FailureReason("1e15 %1 %4", "2", kCommaPoint, german),
            "N liest „1e15 %1 %4“ als 1.000.000.000.000.000 und ist größer als "
            "922.337.203.685.477,5807.");
}

struct ExplainCase {
  const char* name;
  std::string n_text;
  std::string k_text;
  std::string text;
  NumberSeparators separators = kPointComma;
};

class ExplainTextTest : public testing::TestWithParam<ExplainCase> {};

TEST_P(ExplainTextTest, ReadsTabulatesAndConcludes) {
  const ExplainCase& c = GetParam();
  EXPECT_EQ(ExplainText(c.n_text, c.k_text, c.separators), c.text);
}

const std::string kLegend =
    "Step i multiplies the running value (at first 1) by the factor N - (K - i) and rounds\n"
    "the product to four decimals; the quotient is the product divided by i in double\n"
    "precision, and the new running value is the quotient rounded to four decimals.\n";

// text with every "_" a narrow no-break space, French thousands separator.
std::string WithNarrowSpaces(std::string text) {
  for (std::size_t at = text.find('_'); at != std::string::npos; at = text.find('_', at)) {
    text.replace(at, 1, "\u202f");
  }
  return text;
}

// A count, a count without steps, and a failure in the middle of a step.
const std::vector<ExplainCase> kExplainCases = {
    {"Fractions", "5", "2.5",
     "N: \"5\" reads as 5.\n"
     "K: \"2.5\" reads as 2.5000 and rounds to 2 steps.\n" +
         kLegend +
         "Step  Factor  Product  Quotient  Running value\n"
         "   1  3.5000   3.5000    3.5000         3.5000\n"
         "   2  4.5000  15.7500    7.8750         7.8750\n"
         "The count is 7.8750; the result box shows \" 8\".\n"},
    {"NoStep", "x", "0.05",
     "N: \"x\" reads as 0.\n"
     "K: \"0.05\" reads as 0.0500 and rounds to 0: with fewer than one step the count is 1.\n"
     "The count is 1; the result box shows \" 1\".\n"},
    {"OneStepBelowOne", "0.5", "1",
     "N: \"0.5\" reads as 0.5000.\n"
     "K: \"1\" reads as 1 and rounds to 1 step.\n" +
         kLegend +
         "Step  Factor  Product  Quotient  Running value\n"
         "   1  0.5000   0.5000    0.5000         0.5000\n"
         "The count is 0.5000; the result box shows \" 1\".\n"},
    // The narrow no-break space is one character in three bytes; the columns count characters.
    {"FrenchSeparators",
     "2000",
     "2",
     WithNarrowSpaces("N: \"2000\" reads as 2_000.\n"
                      "K: \"2\" reads as 2 and rounds to 2 steps.\n" +
                      kLegend +
                      "Step  Factor    Product   Quotient  Running value\n"
                      "   1   1_999      1_999      1_999          1_999\n"
                      "   2   2_000  3_998_000  1_999_000      1_999_000\n"
                      "The count is 1_999_000; the result box shows \" 1_999_000\".\n"),
     {",", "\u202f"}},
    // The typed texts quoted as in a reason: escaped, cut, their placeholders left alone.
    {"QuotedBoxTexts", "\t7%3" + std::string(50, 'x'), "%4",
     "N: \"\\t7%3" + std::string(36, 'x') +
         "...\" reads as 7.\n"
         "K: \"%4\" reads as 0 and rounds to 0: with fewer than one step the count is 1.\n"
         "The count is 1; the result box shows \" 1\".\n"},
    {"StepCountOverflow", "10", "32767.5",
     "N: \"10\" reads as 10.\n"
     "K: \"32767.5\" reads as 32,767.5000.\n"
     "The result box shows \"Error\".\n"
     "Rounding K to the number of steps: 32,767.5000 rounds to 32,768 and so exceeds the largest "
     "number of steps 32,767.\n"},
    {"ProductOverflow", "100000000000000", "2",
     "N: \"100000000000000\" reads as 100,000,000,000,000.\n"
     "K: \"2\" reads as 2 and rounds to 2 steps.\n" +
         kLegend +
         "Step               Factor             Product            Quotient       Running value\n"
         "   1   99,999,999,999,999  99,999,999,999,999  99,999,999,999,999  99,999,999,999,999\n"
         "   2  100,000,000,000,000            overflow\n"
         "The result box shows \"Error\".\n"
         "Step 2 of 2 computes the product: the running value 99,999,999,999,999 times the factor "
         "100,000,000,000,000 is 9,999,999,999,999,900,000,000,000,000 and so exceeds the largest "
         "value 922,337,203,685,477.5807.\n"},
};

INSTANTIATE_TEST_SUITE_P(Table, ExplainTextTest, testing::ValuesIn(kExplainCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvane
