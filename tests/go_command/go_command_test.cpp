// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/go_command.h"

#include <gtest/gtest.h>

#include <string>

#include "morvane/run_time_error.h"
#include "separator_sets.h"

namespace morvane {
namespace {

struct GoCase {
  std::string n_text;
  std::string k_text;
  std::string expected_point_comma;
  std::string expected_comma_point;
};

class GoCommandShows : public testing::TestWithParam<GoCase> {};

TEST_P(GoCommandShows, ResultText) {
  const GoCase& c = GetParam();
  EXPECT_EQ(GoCommand(c.n_text, c.k_text, kPointComma), c.expected_point_comma)
      << "N \"" << c.n_text << "\", K \"" << c.k_text << '"';
  EXPECT_EQ(GoCommand(c.n_text, c.k_text, kCommaPoint), c.expected_comma_point)
      << "N \"" << c.n_text << "\", K \"" << c.k_text << "\" with a decimal comma";
}

INSTANTIATE_TEST_SUITE_P(
    Counts, GoCommandShows,
    testing::Values(GoCase{"20", "10", " 184,756", " 184.756"},
                    GoCase{"48", "24", " 32,247,603,683,100", " 32.247.603.683.100"},
                    GoCase{"49", "24", "Error", "Error"}, GoCase{"5", "10", " 0", " 0"},
                    GoCase{"100", "10", " 17,310,309,456,440", " 17.310.309.456.440"},
                    GoCase{"100", "90", "Error", "Error"}, GoCase{"10", "40000", "Error", "Error"},
                    GoCase{"32767", "32767", "Error", "Error"},
                    GoCase{"32766", "32766", " 1", " 1"}, GoCase{"-1", "3", " -1", " -1"}));

// How the texts are read: Val's rules, whatever the separators.
INSTANTIATE_TEST_SUITE_P(Texts, GoCommandShows,
                         testing::Values(GoCase{"abc", "2", " 0", " 0"},
                                         GoCase{"", "2", " 0", " 0"}, GoCase{"7", "", " 1", " 1"},
                                         GoCase{"7", "0", " 1", " 1"},
                                         GoCase{"7", "-3", " 1", " 1"},
                                         GoCase{"20 apples", "10", " 184,756", " 184.756"},
                                         GoCase{"2 0", "1 0", " 184,756", " 184.756"},
                                         GoCase{"2e1", "1e1", " 184,756", " 184.756"}));

// Fractions reach Migliaia through the general format, with the separators' decimal mark.
INSTANTIATE_TEST_SUITE_P(
    Fractions, GoCommandShows,
    testing::Values(GoCase{"5", "2.5", " 8", " 8"}, GoCase{"5", "2,5", " 10", " 10"},
                    GoCase{"5.5", "1", " 6", " 6"}, GoCase{"-0.5", "1", " -1", " -1"},
                    GoCase{"-0.4", "1", " 0", " 0"}, GoCase{"10", "0.5001", " 10", " 10"}));

// Texts whose value a currency value cannot hold show "Error" too.
INSTANTIATE_TEST_SUITE_P(OutOfRange, GoCommandShows,
                         testing::Values(GoCase{"1000000000000000", "2", "Error", "Error"},
                                         GoCase{"1e400", "2", "Error", "Error"},
                                         GoCase{"2", "1e400", "Error", "Error"},
                                         GoCase{"-1e15", "0", "Error", "Error"},
                                         GoCase{"922337203685477", "1", " 922,337,203,685,477",
                                                " 922.337.203.685.477"}));

struct RawCase {
  std::string n_text;
  std::string k_text;
  NumberSeparators separators;
  std::string expected;
};

class RawCountTextShows : public testing::TestWithParam<RawCase> {};

TEST_P(RawCountTextShows, GeneralFormatOfTheCount) {
  const RawCase& c = GetParam();
  EXPECT_EQ(RawCountText(c.n_text, c.k_text, c.separators), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, RawCountTextShows,
                         testing::Values(RawCase{"5", "2.5", kPointComma, "7.875"},
                                         RawCase{"5", "2.5", kCommaPoint, "7,875"},
                                         RawCase{"20", "10", kCommaPoint, "184756"},
                                         RawCase{"10", "0.5001", kPointComma, "10.4999"},
                                         RawCase{"49", "24", kPointComma, "Error"},
                                         RawCase{"1e15", "1", kPointComma, "Error"}));

TEST(GoCommandLongText, ShowsErrorForAValueOfMillionsOfDigits) {
  EXPECT_EQ(GoCommand("1" + std::string(2'000'000, '0'), "1", kPointComma), "Error");
}

TEST(CountFromTexts, RaisesOverflowForATextOutsideTheCurrencyRange) {
  try {
    CountFromTexts("1000000000000000", "2");
    ADD_FAILURE() << "no failure";
  } catch (const RunTimeError& error) {
    EXPECT_EQ(error.kind(), ErrorKind::kOverflow);
  }
}

}  // namespace
}  // namespace morvane
