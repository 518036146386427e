// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/cli_options.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace morvane {
namespace {

struct ParseCase {
  const char* name;
  std::vector<std::string_view> arguments;
  // The options expected, or nothing when the arguments must be refused.
  std::optional<CliOptions> expected;
  const char* error_part = "";  // a piece of the refusal's message
};

CliOptions One(std::string n_text, std::string k_text, bool raw = false) {
  return {.action = CliAction::kCountOne,
          .raw = raw,
          .n_text = std::move(n_text),
          .k_text = std::move(k_text)};
}

CliOptions Lines(bool raw = false) {
  return {.action = CliAction::kCountLines, .raw = raw};
}

const CliOptions kHelp{.action = CliAction::kShowHelp};
const CliOptions kVersion{.action = CliAction::kShowVersion};

class ParseCliArgumentsTest : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseCliArgumentsTest, GivesOptionsOrRefuses) {
  const ParseCase& c = GetParam();
  if (c.expected) {
    EXPECT_EQ(ParseCliArguments(c.arguments), *c.expected);
  } else {
    try {
      ParseCliArguments(c.arguments);
      ADD_FAILURE() << "accepted";
    } catch (const UsageError& error) {
      EXPECT_NE(std::string(error.what()).find(c.error_part), std::string::npos) << error.what();
    }
  }
}

const std::vector<ParseCase> kParseCases = {
    {"TwoOperands", {"20", "10"}, One("20", "10")},
    {"NoOperandsReadsLines", {}, Lines()},
    {"RawBeforeOperands", {"--raw", "5", "2.5"}, One("5", "2.5", true)},
    {"RawAfterOperands", {"5", "2.5", "--raw"}, One("5", "2.5", true)},
    {"RawBetweenOperands", {"5", "--raw", "2.5"}, One("5", "2.5", true)},
    {"RawReadsLines", {"--raw"}, Lines(true)},
    {"StrictWithRaw",
     {"--strict", "1", "--raw", "2"},
     CliOptions{.action = CliAction::kCountOne,
                .raw = true,
                .strict = true,
                .n_text = "1",
                .k_text = "2"}},
    {"OperandsKeepTheirText", {" 2 0 apples", ""}, One(" 2 0 apples", "")},
    {"NegativeNumbers", {"-5", "-3"}, One("-5", "-3")},
    {"NegativeFraction", {"-.5", "1"}, One("-.5", "1")},
    {"MinusThenSpace", {"- 5", "1"}, One("- 5", "1")},
    {"MinusThenTab", {"-\t5", "1"}, One("-\t5", "1")},
    {"MinusThenCarriageReturn", {"-\r", "1"}, One("-\r", "1")},
    {"MinusAlone", {"-", "2"}, One("-", "2")},
    {"DashesEndOptions", {"--", "--raw", "-x"}, One("--raw", "-x")},
    {"OptionsBeforeDashes", {"--raw", "--", "-1", "2"}, One("-1", "2", true)},
    {"SecondDashesIsOperand", {"--", "--", "1"}, One("--", "1")},
    {"DashesAlone", {"--"}, Lines()},
    {"Explain",
     {"49", "--explain", "24"},
     {{.action = CliAction::kExplainOne, .n_text = "49", .k_text = "24"}}},
    {"Help", {"--help"}, kHelp},
    {"ShortHelp", {"-h"}, kHelp},
    {"Version", {"--version"}, kVersion},
    {"HelpWinsOverBadOperandCount", {"1", "--help"}, kHelp},
    {"HelpWinsOverLaterUnknownOption", {"--help", "--bogus"}, kHelp},
    {"FirstOfHelpAndVersionWins", {"--version", "--help"}, kVersion},
    {"HelpAfterDashesIsOperand", {"--", "--help", "1"}, One("--help", "1")},
    // Windows programs answer "/?" with their help; here it is an operand like any other.
    {"SlashQuestionIsAnOperand", {"/?", "1"}, One("/?", "1")},
    {"UnknownLongOption", {"--rawer", "1", "2"}, std::nullopt, "unknown option '--rawer'"},
    {"UnknownShortOption", {"-x"}, std::nullopt, "unknown option '-x'"},
    {"MinusLetterIsNoNumber", {"-e5", "1"}, std::nullopt, "unknown option '-e5'"},
    {"MinusPlusIsNoNumber", {"-+5", "1"}, std::nullopt, "unknown option '-+5'"},
    {"UnknownBeforeHelp", {"-x", "--help"}, std::nullopt, "unknown option '-x'"},
    {"OneOperand", {"20"}, std::nullopt, "got 1"},
    {"ThreeOperands", {"1", "2", "3"}, std::nullopt, "got 3"},
    {"OneOperandAfterDashes", {"--raw", "--", "--raw"}, std::nullopt, "got 1"},
    {"ExplainReadsNoLines", {"--explain"}, std::nullopt, "does not read standard input"},
};

INSTANTIATE_TEST_SUITE_P(Table, ParseCliArgumentsTest, testing::ValuesIn(kParseCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvane
