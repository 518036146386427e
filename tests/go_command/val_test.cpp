// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/val.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "morvane/run_time_error.h"

namespace morvane {
namespace {

struct ValCase {
  std::string text;
  double expected;
};

class ValReads : public testing::TestWithParam<ValCase> {};

TEST_P(ValReads, TheNumberAtTheStart) {
  const ValCase& c = GetParam();
  EXPECT_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, ValReads,
    testing::Values(ValCase{"20", 20}, ValCase{"20 apples", 20}, ValCase{"2 0", 20},
                    ValCase{"20,5", 20}, ValCase{" \t\n\v\f\r1\t2\r\n.\f5", 12.5},
                    ValCase{"- 1.5e1", -15}, ValCase{"-\t7", -7}, ValCase{"+7", 7},
                    ValCase{"+-7", 0}, ValCase{"--7", 0}, ValCase{"-", 0}, ValCase{"", 0},
                    ValCase{"   ", 0}, ValCase{"abc", 0}, ValCase{".", 0}, ValCase{"-.", 0},
                    ValCase{".5", 0.5}, ValCase{"-.5", -0.5}, ValCase{"5.", 5},
                    ValCase{"1.2.3", 1.2}, ValCase{"00012.50", 12.5},
                    ValCase{std::string{'1', '2', '\0', '3'}, 12}, ValCase{"&H10", 0},
                    ValCase{"0x10", 0}, ValCase{"\uFF11", 0} /* a full-width digit one */,
                    ValCase{"1\u00A02", 1} /* a no-break space */));

INSTANTIATE_TEST_SUITE_P(Exponents, ValReads,
                         testing::Values(ValCase{"1E3", 1000}, ValCase{"2.5e+2", 250},
                                         ValCase{"1e 3", 1000}, ValCase{"1e- 3", 0.001},
                                         ValCase{"1 e\t-\t0 3", 0.001}, ValCase{"1.5e", 1.5},
                                         ValCase{"1e+", 1}, ValCase{"1e-", 1}, ValCase{"1e-x", 1},
                                         ValCase{"1ee5", 1}, ValCase{"1e5e5", 100000},
                                         ValCase{"1e3x", 1000}, ValCase{"e5", 0}, ValCase{".e5", 0},
                                         ValCase{"0e99999999999", 0}, ValCase{"5e-1", 0.5},
                                         ValCase{"0.0000001e7", 1}, ValCase{"123456e-3", 123.456}));

// The double nearest to the decimal text, also where the deciding digit lies beyond the 17th.
INSTANTIATE_TEST_SUITE_P(
    CorrectRounding, ValReads,
    testing::Values(ValCase{"0.1", 0.1}, ValCase{"9007199254740993", 9007199254740992.0},
                    ValCase{"9007199254740993.000000000000000000000000001", 9007199254740994.0},
                    ValCase{"9007199254740995", 9007199254740996.0},
                    ValCase{"2.2250738585072011e-308", 2.2250738585072009e-308},
                    ValCase{"1.7976931348623157e308", DBL_MAX},
                    ValCase{"-1.7976931348623158e308", -DBL_MAX},
                    ValCase{"4.9e-324", std::nextafter(0.0, 1.0)},
                    ValCase{"2.4703282292062328e-324", std::nextafter(0.0, 1.0)},
                    ValCase{"1e23", 1e23}, ValCase{"8.589973e9", 8589973000.0}));

// Too large for a double: the failure is a run-time error, not a crash or an infinity.
class ValOverflows : public testing::TestWithParam<std::string> {};

TEST_P(ValOverflows, Raises) {
  try {
    const double value = Val(GetParam());
    ADD_FAILURE() << '"' << GetParam() << "\" read as " << value;
  } catch (const RunTimeError& error) {
    EXPECT_EQ(error.kind(), ErrorKind::kOverflow);
  }
}

INSTANTIATE_TEST_SUITE_P(Values, ValOverflows,
                         testing::Values("1e309", "1.7976931348623159e308", "-1e400",
                                         "0.00000000000000000001e329", "1" + std::string(309, '0'),
                                         "1e99999999999999999999999", "9e308"));

// Too small for a double: zero, keeping the sign.
struct UnderflowCase {
  std::string text;
  bool negative;
};

class ValUnderflows : public testing::TestWithParam<UnderflowCase> {};

TEST_P(ValUnderflows, ReadsAsSignedZero) {
  const double value = Val(GetParam().text);
  EXPECT_EQ(value, 0.0);
  EXPECT_EQ(std::signbit(value), GetParam().negative);
}

INSTANTIATE_TEST_SUITE_P(Values, ValUnderflows,
                         testing::Values(UnderflowCase{"1e-400", false},
                                         UnderflowCase{"-1e-400", true},
                                         UnderflowCase{"2.4703282292062327e-324", false},
                                         UnderflowCase{"-2.4703282292062327e-324", true},
                                         UnderflowCase{"0." + std::string(400, '0') + "1", false},
                                         UnderflowCase{"1e-99999999999999999999999", false}));

// The decimal digits of 5^exponent, so that they followed by exponent zeros after the point
// are 2^-exponent exactly.
std::string PowerOfFiveDigits(int exponent) {
  std::string digits = "1";  // least significant first while multiplying
  for (int i = 0; i < exponent; ++i) {
    int carry = 0;
    for (char& digit : digits) {
      const int product = (digit - '0') * 5 + carry;
      digit = static_cast<char>('0' + product % 10);
      carry = product / 10;
    }
    if (carry != 0) digits.push_back(static_cast<char>('0' + carry));
  }
  return {digits.rbegin(), digits.rend()};
}

// Texts of megabytes, each with a value that depends on every part of the text. The texts are
// made when the test runs, not when the program starts.
struct LongCase {
  const char* name;
  std::string (*make)();
  double expected;
};

class ValLongText : public testing::TestWithParam<LongCase> {};

TEST_P(ValLongText, IsReadExactly) {
  EXPECT_EQ(Val(GetParam().make()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Megabytes, ValLongText,
    testing::Values(
        LongCase{"Thirds", [] { return "3." + std::string(4'000'000, '3'); }, 10.0 / 3.0},
        LongCase{"TieBrokenByLastDigit",
                 [] { return "9007199254740993." + std::string(3'000'000, '0') + "1"; },
                 9007199254740994.0},
        LongCase{"TieKeptWithoutLastDigit",
                 [] { return "9007199254740993." + std::string(3'000'000, '0'); },
                 9007199254740992.0},
        LongCase{"FractionTieToEven",
                 [] {
                   return "1.00000000000000011102230246251565404236316680908203125" +
                          std::string(3'000'000, '0');
                 },
                 1.0},
        LongCase{"FractionTieBrokenByLastDigit",
                 [] {
                   return "1.00000000000000011102230246251565404236316680908203125" +
                          std::string(3'000'000, '0') + "1";
                 },
                 std::nextafter(1.0, 2.0)},
        LongCase{"LeadingZeros", [] { return std::string(3'000'000, '0') + "42"; }, 42},
        LongCase{"ZerosAfterPoint",
                 [] { return "0." + std::string(3'000'000, '0') + "15e3000001"; }, 1.5},
        LongCase{"TrailingZerosAndExponent",
                 [] { return "1" + std::string(3'000'000, '0') + "e-3000000"; }, 1},
        LongCase{"ExponentWithLeadingZeros",
                 [] { return "1e" + std::string(1'000'000, '0') + "5"; }, 1e5},
        LongCase{"HugeNegativeExponent", [] { return "-1e-" + std::string(1'000'000, '9'); }, 0},
        LongCase{"BlankBetweenEveryDigit",
                 [] {
                   std::string text;
                   for (int i = 0; i < 1'000'000; ++i) text += "0 ";
                   return text + "7";
                 },
                 7}),
    [](const testing::TestParamInfo<LongCase>& info) { return std::string(info.param.name); });

// Past the 800 digits that are compared exactly, a digit only tells whether the value lies
// above the halfway point or on it.
INSTANTIATE_TEST_SUITE_P(
    PastTheExactDigits, ValLongText,
    testing::Values(
        LongCase{"TieBrokenBy801stDigit",
                 [] { return "9007199254740993." + std::string(784, '0') + "1"; },
                 9007199254740994.0},
        // 2^-1075, halfway between 0 and the smallest subnormal, in its 752 digits.
        LongCase{"SubnormalTieBrokenByNextDigit",
                 [] { return PowerOfFiveDigits(1075) + "1e-1076"; }, std::nextafter(0.0, 1.0)},
        LongCase{"SubnormalTieBrokenBy801stDigit",
                 [] { return PowerOfFiveDigits(1075) + std::string(48, '0') + "1e-1124"; },
                 std::nextafter(0.0, 1.0)}),
    [](const testing::TestParamInfo<LongCase>& info) { return std::string(info.param.name); });

TEST(ValHugeExponent, Overflows) {
  EXPECT_THROW(Val("1e" + std::string(1'000'000, '9')), RunTimeError);
}

// Wholly a number: what Val reads and then only blanks, to the very end of the text.
struct WholeCase {
  std::string text;
  bool whole;
};

class IsWholeNumberTest : public testing::TestWithParam<WholeCase> {};

TEST_P(IsWholeNumberTest, NothingButBlanksAfterTheNumber) {
  EXPECT_EQ(IsWholeNumber(GetParam().text), GetParam().whole) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, IsWholeNumberTest,
    testing::Values(WholeCase{"10", true}, WholeCase{" -1.5e3 \r", true}, WholeCase{"2 0", true},
                    WholeCase{"5.", true}, WholeCase{"1e400", true}, WholeCase{"1 e - 3", true},
                    WholeCase{"10 apples", false}, WholeCase{"1e", false}, WholeCase{"1e+ ", false},
                    WholeCase{"", false}, WholeCase{" ", false}, WholeCase{".", false},
                    WholeCase{"-", false}, WholeCase{"0x10", false}, WholeCase{"20,5", false},
                    WholeCase{std::string{'1', '\0'}, false}));

}  // namespace
}  // namespace morvane
