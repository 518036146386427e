// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/number_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "morvane/run_time_error.h"
#include "separator_sets.h"

namespace morvane {
namespace {

struct GeneralCase {
  std::int64_t units;
  NumberSeparators separators;
  std::string expected;
};

class GeneralFormatWrites : public testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralFormatWrites, SignificantDecimalsOnly) {
  const GeneralCase& c = GetParam();
  EXPECT_EQ(GeneralFormat(Currency::FromUnits(c.units), c.separators), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, GeneralFormatWrites,
    testing::Values(
        GeneralCase{0, kPointComma, "0"}, GeneralCase{1'847'560'000, kPointComma, "184756"},
        GeneralCase{78'750, kPointComma, "7.875"}, GeneralCase{78'750, kCommaPoint, "7,875"},
        GeneralCase{78'750, {"::", "x"}, "7::875"}, GeneralCase{10'000, kPointComma, "1"},
        GeneralCase{100'000, kPointComma, "10"}, GeneralCase{12'300, kPointComma, "1.23"},
        GeneralCase{10'001, kPointComma, "1.0001"}, GeneralCase{5, kPointComma, "0.0005"},
        GeneralCase{-5, kPointComma, "-0.0005"}, GeneralCase{-5'000, kCommaPoint, "-0,5"},
        GeneralCase{-78'750, kPointComma, "-7.875"}, GeneralCase{-10'000, kPointComma, "-1"},
        GeneralCase{322'476'036'831'000'000, kCommaPoint, "32247603683100"},
        GeneralCase{INT64_MAX, kPointComma, "922337203685477.5807"},
        GeneralCase{INT64_MIN, kPointComma, "-922337203685477.5808"},
        GeneralCase{INT64_MIN + 2'192, kPointComma, "-922337203685477.3616"},
        GeneralCase{-9'223'372'036'854'770'000, kPointComma, "-922337203685477"}));

struct MigliaiaCase {
  std::string cifra;
  NumberSeparators separators;
  std::string expected;
};

class MigliaiaWrites : public testing::TestWithParam<MigliaiaCase> {};

TEST_P(MigliaiaWrites, RoundedAndGrouped) {
  const MigliaiaCase& c = GetParam();
  EXPECT_EQ(Migliaia(c.cifra, c.separators), c.expected) << '"' << c.cifra << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Grouping, MigliaiaWrites,
    testing::Values(MigliaiaCase{"0", kPointComma, "0"}, MigliaiaCase{"123", kPointComma, "123"},
                    MigliaiaCase{"1234", kPointComma, "1,234"},
                    MigliaiaCase{"184756", kPointComma, "184,756"},
                    MigliaiaCase{"184756", kCommaPoint, "184.756"},
                    MigliaiaCase{"-123456", kPointComma, "-123,456"},
                    MigliaiaCase{"32247603683100", kPointComma, "32,247,603,683,100"},
                    MigliaiaCase{"007", kPointComma, "7"}, MigliaiaCase{"000", kPointComma, "0"},
                    MigliaiaCase{"0001234", kPointComma, "1,234"}));

// Ties go away from zero; a value that rounds to zero has no minus sign.
INSTANTIATE_TEST_SUITE_P(
    Rounding, MigliaiaWrites,
    testing::Values(
        MigliaiaCase{"7.875", kPointComma, "8"}, MigliaiaCase{"7,875", kCommaPoint, "8"},
        MigliaiaCase{"0.5", kPointComma, "1"}, MigliaiaCase{"-0.5", kPointComma, "-1"},
        MigliaiaCase{"2.5", kPointComma, "3"}, MigliaiaCase{"-2.5", kPointComma, "-3"},
        MigliaiaCase{"3.5", kPointComma, "4"}, MigliaiaCase{"0.4999", kPointComma, "0"},
        MigliaiaCase{"-0.4", kPointComma, "0"}, MigliaiaCase{"-0.0001", kPointComma, "0"},
        MigliaiaCase{"-0", kPointComma, "0"}, MigliaiaCase{".5", kPointComma, "1"},
        MigliaiaCase{",5", kCommaPoint, "1"}, MigliaiaCase{"-.4", kPointComma, "0"},
        MigliaiaCase{"999.5", kPointComma, "1,000"}, MigliaiaCase{"-999.5", kPointComma, "-1,000"},
        MigliaiaCase{"999999,5", kCommaPoint, "1.000.000"},
        MigliaiaCase{"1.49999999999999999999", kPointComma, "1"},
        MigliaiaCase{"-922337203685477.5808", kPointComma, "-922,337,203,685,478"},
        MigliaiaCase{"922337203685477.5807", kPointComma, "922,337,203,685,478"}));

// More digits than a double holds are kept, every one.
INSTANTIATE_TEST_SUITE_P(ManyDigits, MigliaiaWrites,
                         testing::Values(MigliaiaCase{"9007199254740993", kPointComma,
                                                      "9,007,199,254,740,993"},
                                         MigliaiaCase{"12345678901234567890123", kPointComma,
                                                      "12,345,678,901,234,567,890,123"},
                                         MigliaiaCase{"-99999999999999999999.5", kPointComma,
                                                      "-100,000,000,000,000,000,000"}));

// Separators of any length and content, so that nothing depends on "," or ".".
INSTANTIATE_TEST_SUITE_P(
    Separators, MigliaiaWrites,
    testing::Values(MigliaiaCase{"1234567", {".", "'"}, "1'234'567"},
                    MigliaiaCase{"1234567", {",", "\u202F"}, "1\u202F234\u202F567"},
                    MigliaiaCase{"1234567.5", {".", "\u2019"}, "1\u2019234\u2019568"},
                    MigliaiaCase{"1234567", {".", "--"}, "1--234--567"},
                    MigliaiaCase{"1234567", {".", ""}, "1234567"},
                    MigliaiaCase{"1234\u066B5", {"\u066B", "\u066C"}, "1\u066C235"},
                    MigliaiaCase{"-1::5", {"::", ","}, "-2"}));

// A million nines and a half: the carry runs through every digit.
TEST(MigliaiaLongText, CarriesThroughEveryDigit) {
  const std::string text = Migliaia(std::string(999'999, '9') + ".5", kPointComma);
  ASSERT_EQ(text.size(), 1'000'000 + 333'333);
  EXPECT_EQ(text.substr(0, 9), "1,000,000");
  EXPECT_EQ(text.find_first_not_of("0,", 1), std::string::npos);
}

struct MismatchCase {
  std::string cifra;
  NumberSeparators separators;
};

class MigliaiaRejects : public testing::TestWithParam<MismatchCase> {};

TEST_P(MigliaiaRejects, TextThatIsNotANumber) {
  try {
    const std::string text = Migliaia(GetParam().cifra, GetParam().separators);
    ADD_FAILURE() << '"' << GetParam().cifra << "\" gave \"" << text << '"';
  } catch (const RunTimeError& error) {
    EXPECT_EQ(error.kind(), ErrorKind::kTypeMismatch);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MigliaiaRejects,
    testing::Values(MismatchCase{"", kPointComma}, MismatchCase{"-", kPointComma},
                    MismatchCase{".", kPointComma}, MismatchCase{"-.", kPointComma},
                    MismatchCase{"5.", kPointComma}, MismatchCase{"abc", kPointComma},
                    MismatchCase{"12a", kPointComma}, MismatchCase{"1.2.3", kPointComma},
                    MismatchCase{"+5", kPointComma}, MismatchCase{"--5", kPointComma},
                    MismatchCase{" 5", kPointComma}, MismatchCase{"5 ", kPointComma},
                    MismatchCase{"1e5", kPointComma}, MismatchCase{"1,5", kPointComma},
                    MismatchCase{"1.5", kCommaPoint}, MismatchCase{"1:5", {"::", ","}},
                    MismatchCase{"1.5", {"", ","}}));

}  // namespace
}  // namespace morvane
