// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/cli_run.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "morvane/cli_options.h"
#include "morvane/version.h"
#include "test_streams.h"

namespace morvane {
namespace {

using namespace std::string_literals;
using testing_streams::FailingSink;
using testing_streams::StringSink;
using testing_streams::StringSource;

const NumberSeparators kCommaGroups{.decimal = ".", .thousands = ","};
const NumberSeparators kPeriodGroups{.decimal = ",", .thousands = "."};

const std::string kUtf16 =
    "morvane-cli: standard input is UTF-16 text; give it as UTF-8 (in Notepad: Save As, Encoding "
    "UTF-8)\n";
const std::string kUsageHint = "morvane-cli: try 'morvane-cli --help' for more information\n";

struct RunCase {
  const char* name;
  std::vector<std::string_view> arguments;
  std::string input;
  NumberSeparators separators;
  std::string output;
  std::string errors;
  int status;
  // Standard output is a terminal, where every line is written as soon as it is known.
  bool interactive = false;
  int writes = 0;  // how many writes the output takes, where it matters
};

class RunCliTest : public testing::TestWithParam<RunCase> {};

// Each case is read whole and byte by byte, as a terminal may hand input over.
TEST_P(RunCliTest, WritesResultsAndExitStatus) {
  const RunCase& c = GetParam();
  for (const std::size_t chunk : {std::string::npos, std::size_t{1}}) {
    StringSource input(c.input, chunk);
    StringSink output;
    StringSink errors;
    EXPECT_EQ(RunCli(c.arguments,
                     {.input = input,
                      .output = output,
                      .errors = errors,
                      .interactive_output = c.interactive,
                      .threads = 2},
                     c.separators),
              c.status);
    EXPECT_EQ(output.text(), c.output) << "read size " << chunk;
    if (c.writes != 0 && chunk == std::string::npos) {
      EXPECT_EQ(output.writes(), c.writes);
    }
    EXPECT_EQ(errors.text(), c.errors);
    EXPECT_LE(input.ends(), 1) << "read size " << chunk;
  }
}

// K texts around the 4,096 bytes a box holds: the blanks of the first are skipped, the "10"
// of the second is cut off.
const std::string kBoxFullK = std::string(4094, ' ') + "10";
const std::string kBoxOverflowK = std::string(4095, ' ') + "10";
// A complaint quotes 32 bytes at most, here the middle of the euro sign's three.
const std::string kEuroAcrossQuoteEnd = std::string(30, '7') + "\u20ac";

const std::vector<RunCase> kRunCases = {
    {"OneCount", {"20", "10"}, "", kCommaGroups, " 184,756\n", "", kExitSuccess},
    {"OtherSeparators", {"20", "10"}, "", kPeriodGroups, " 184.756\n", "", kExitSuccess},
    {"ErrorIsAResult", {"49", "24"}, "", kCommaGroups, "Error\n", "", kExitSuccess},
    {"NegativeOperand", {"-1", "2"}, "", kCommaGroups, " 1\n", "", kExitSuccess},
    {"RoundedResult", {"5", "2.5"}, "", kCommaGroups, " 8\n", "", kExitSuccess},
    {"Raw", {"--raw", "5", "2.5"}, "", kCommaGroups, "7.875\n", "", kExitSuccess},
    // --raw is read back by programs: "." and no grouping, whatever the user's separators.
    {"RawDecimalComma", {"--raw", "5", "2.5"}, "", kPeriodGroups, "7.875\n", "", kExitSuccess},
    {"RawNarrowSpaceGroups",
     {"--raw", "1000", "2"},
     "",
     {.decimal = ",", .thousands = "\u202f"},
     "499500\n",
     "",
     kExitSuccess},
    {"RawError", {"--raw", "32767", "32767"}, "", kCommaGroups, "Error\n", "", kExitSuccess},
    {"OperandsIgnoreInput", {"20", "10"}, "1\t1\n", kCommaGroups, " 184,756\n", "", kExitSuccess},
    {"Lines",
     {},
     "20\t10\n48\t24\r\n49\t24\n5\t2.5",
     kCommaGroups,
     " 184,756\n 32,247,603,683,100\nError\n 8\n",
     "",
     kExitSuccess},
    {"ByteOrderMarkSkipped",
     {},
     "\xEF\xBB\xBF"
     "20\t10\n\xEF\xBB\xBF"
     "5\t2\n",
     kCommaGroups,
     " 184,756\n 0\n",
     "",
     kExitSuccess},
    // Input that ends before, or in the middle of, what could be a mark.
    {"NoInput", {}, "", kCommaGroups, "", "", kExitSuccess},
    {"EndsInsideAMark",
     {},
     "\xEF\xBB",
     kCommaGroups,
     "\n",
     "morvane-cli: line 1: expected N and K separated by a tab\n",
     kExitBadInput},
    {"Utf16Refused",
     {},
     "\xFF\xFE"
     "2\0\t\0"
     "1\0\n\0"s,
     kCommaGroups,
     "",
     kUtf16,
     kExitBadInput},
    {"Utf16WithoutMarkRefused",
     {},
     "\0"
     "2\0\t\0"
     "1\0\n"s,
     kCommaGroups,
     "",
     kUtf16,
     kExitBadInput},
    {"LinesInOneBlock",
     {},
     "20\t10\n5\t10\n",
     kCommaGroups,
     " 184,756\n 0\n",
     "",
     kExitSuccess,
     false,
     1},
    {"TerminalLineByLine",
     {},
     "20\t10\n5\t10\n49\t24\n",
     kCommaGroups,
     " 184,756\n 0\nError\n",
     "",
     kExitSuccess,
     true,
     3},
    {"RawLines", {"--raw"}, "20\t10\n5\t2.5\n", kPeriodGroups, "184756\n7.875\n", "", kExitSuccess},
    {"StrictOperand",
     {"--strict", "20", "10 apples"},
     "",
     kCommaGroups,
     "\n",
     "morvane-cli: K \"10 apples\" is not a number\n",
     kExitBadInput},
    {"StrictWholeNumbers",
     {"--strict", " 2 0 ", "1e1"},
     "",
     kCommaGroups,
     " 184,756\n",
     "",
     kExitSuccess},
    {"StrictLinesAroundABoxFull",
     {"--strict"},
     "20\t" + kBoxFullK + "\n20\t" + kBoxOverflowK + "\n",
     kCommaGroups,
     " 184,756\n\n",
     "morvane-cli: line 2: K \"" + std::string(32, ' ') + "...\" is longer than 4096 bytes\n",
     kExitBadInput},
    {"StrictQuoteKeepsCharactersWhole",
     {"--strict", "20", kEuroAcrossQuoteEnd},
     "",
     kCommaGroups,
     "\n",
     "morvane-cli: K \"" + std::string(30, '7') + "...\" is not a number\n",
     kExitBadInput},
    // As the window's Show Steps does: the K box holds the blanks and the "1".
    {"ExplainReadsTheFieldAsABoxHoldsIt",
     {"--explain", "20", kBoxOverflowK},
     "",
     kCommaGroups,
     "N: \"20\" reads as 20.\nK: \"" + std::string(40, ' ') +
         "...\" reads as 1 and rounds to 1 step.\n"
         "Step i multiplies the running value (at first 1) by the factor N - (K - i) and rounds\n"
         "the product to four decimals; the quotient is the product divided by i in double\n"
         "precision, and the new running value is the quotient rounded to four decimals.\n"
         "Step  Factor  Product  Quotient  Running value\n"
         "   1      20       20        20             20\n"
         "The count is 20; the result box shows \" 20\".\n",
     "",
     kExitSuccess},
    {"StrictLines",
     {"--strict"},
     "20\t10\n1e\t\n5\t2.5\r\nx\t\"\x1b\n",
     kCommaGroups,
     " 184,756\n\n 8\n\n",
     "morvane-cli: line 2: N \"1e\" is not a number\n"
     "morvane-cli: line 2: K \"\" is not a number\n"
     "morvane-cli: line 4: N \"x\" is not a number\n"
     "morvane-cli: line 4: K \"\\\"\\x1b\" is not a number\n",
     kExitBadInput},
    {"StrictThirdField",
     {"--strict"},
     "5\t2\t3\n20\t10\n",
     kCommaGroups,
     "\n 184,756\n",
     "morvane-cli: line 1: expected two fields, N and K; got 3\n",
     kExitBadInput},
    {"LineWithoutTab",
     {},
     "20\t10\n20 10\n5\t10\n",
     kCommaGroups,
     " 184,756\n\n 0\n",
     "morvane-cli: line 2: expected N and K separated by a tab\n",
     kExitBadInput},
    {"Help", {"--help"}, "", kCommaGroups, std::string(CliHelpText()), "", kExitSuccess},
    {"Version",
     {"--version"},
     "",
     kCommaGroups,
     "morvane-cli " + std::string(kVersionText) + "\n",
     "",
     kExitSuccess},
    {"UnknownOption",
     {"-x", "1", "2"},
     "",
     kCommaGroups,
     "",
     "morvane-cli: unknown option '-x'\n" + kUsageHint,
     kExitUsage},
    {"ExplainLinesIsAUsageError",
     {"--explain"},
     "20\t10\n",
     kCommaGroups,
     "",
     "morvane-cli: --explain needs two operands, N and K (it does not read standard input); "
     "got 0\n" +
         kUsageHint,
     kExitUsage},
    {"ExplainOneOperand",
     {"--explain", "20"},
     "",
     kCommaGroups,
     "",
     "morvane-cli: --explain needs two operands, N and K (it does not read standard input); "
     "got 1\n" +
         kUsageHint,
     kExitUsage},
    {"ExplainRaw",
     {"--explain", "--raw", "20", "10"},
     "",
     kCommaGroups,
     "",
     "morvane-cli: --explain and --raw cannot be combined\n" + kUsageHint,
     kExitUsage},
    {"OneOperand",
     {"20"},
     "",
     kCommaGroups,
     "",
     "morvane-cli: expected two operands, N and K, or none to read standard input; got 1\n" +
         kUsageHint,
     kExitUsage},
};

INSTANTIATE_TEST_SUITE_P(Table, RunCliTest, testing::ValuesIn(kRunCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A closed pipe ends the run at the first write without a word; any other write failure is
// reported once, however many lines were waiting.
TEST(RunCliFailureTest, FailedOutputEndsTheRun) {
  std::string input;
  for (int line = 0; line < 200'000; ++line) input += "20\t10\n";
  for (const bool quiet : {true, false}) {
    for (const std::vector<std::string_view>& arguments :
         {std::vector<std::string_view>{}, std::vector<std::string_view>{"20", "10"}}) {
      SCOPED_TRACE(std::string(quiet ? "quiet" : "loud") + ", " + std::to_string(arguments.size()) +
                   " operands");
      StringSource source(input);
      FailingSink output(quiet);
      StringSink errors;
      EXPECT_EQ(
          RunCli(arguments, {.input = source, .output = output, .errors = errors, .threads = 2},
                 kCommaGroups),
          kExitIo);
      EXPECT_EQ(output.writes(), 1);
      EXPECT_LE(source.reads(), 3);
      EXPECT_EQ(errors.text(), quiet ? "" : "morvane-cli: write error: test\n");
    }
  }
}

// No memory for the output is a failure to write, status 3, with a word rather than an abort.
TEST(RunCliFailureTest, OutputWithoutMemoryEndsTheRun) {
  struct NoMemorySink final : ByteSink {
    void Write(std::string_view /*bytes*/) override { throw std::bad_alloc(); }
  };
  for (const std::vector<std::string_view>& arguments :
       {std::vector<std::string_view>{}, std::vector<std::string_view>{"20", "10"}}) {
    StringSource source("20\t10\n");
    NoMemorySink output;
    StringSink errors;
    EXPECT_EQ(RunCli(arguments, {.input = source, .output = output, .errors = errors, .threads = 2},
                     kCommaGroups),
              kExitIo);
    EXPECT_EQ(errors.text(), "morvane-cli: out of memory\n");
  }
}

// With nowhere to report problems, the run still does its work and its status still tells.
TEST(RunCliFailureTest, FailedErrorStreamIsNoReasonToStop) {
  FailingSink errors(false);
  {
    StringSource source("1\t1\nno tab\n20\t10\n");
    StringSink output;
    EXPECT_EQ(RunCli({}, {.input = source, .output = output, .errors = errors}, kCommaGroups),
              kExitBadInput);
    EXPECT_EQ(output.text(), " 1\n\n 184,756\n");
  }
  {
    StringSource source("");
    StringSink output;
    const std::vector<std::string_view> arguments{"--bogus"};
    EXPECT_EQ(
        RunCli(arguments, {.input = source, .output = output, .errors = errors}, kCommaGroups),
        kExitUsage);
  }
  EXPECT_EQ(errors.writes(), 3);
}

// Arbitrary bytes: every line is answered, in order, with a result of the expected shape, and
// exactly the lines without a tab are reported.
TEST(RunCliHostileInputTest, RandomBytesAreAnsweredLineByLine) {
  constexpr std::uint64_t kRandomStart = 20'240'611;
  std::mt19937_64 random(kRandomStart);
  // Half the bytes come from digits, blanks, signs and line ends, so that many lines hold
  // numbers and tabs; the other half are anything.
  constexpr std::string_view kNumberish = "0123456789 -.\t\n\r";
  std::uniform_int_distribution<std::size_t> numberish(0, kNumberish.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  std::bernoulli_distribution any_byte(0.5);
  std::string input;
  while (input.size() < (std::size_t{1} << 20)) {
    input.push_back(any_byte(random) ? static_cast<char>(byte(random))
                                     : kNumberish[numberish(random)]);
  }
  std::uint64_t lines = 0;
  std::uint64_t without_tab = 0;
  for (std::size_t start = 0; start < input.size(); ++lines) {
    std::size_t end = input.find('\n', start);
    if (end == std::string::npos) end = input.size();
    if (input.find('\t', start) >= end) ++without_tab;
    start = end + 1;
  }

  StringSource source(input);
  StringSink output;
  StringSink errors;
  EXPECT_EQ(
      RunCli({}, {.input = source, .output = output, .errors = errors, .threads = 2}, kCommaGroups),
      without_tab > 0 ? kExitBadInput : kExitSuccess);

  const std::regex result_line("Error| -?[0-9]{1,3}(,[0-9]{3})*|");
  std::uint64_t output_lines = 0;
  for (std::size_t start = 0; start < output.text().size(); ++output_lines) {
    const std::size_t end = output.text().find('\n', start);
    ASSERT_NE(end, std::string::npos) << "unterminated last line";
    const std::string line = output.text().substr(start, end - start);
    EXPECT_TRUE(std::regex_match(line, result_line)) << line;
    start = end + 1;
  }
  EXPECT_EQ(output_lines, lines);
  std::uint64_t reports = 0;
  for (const char c : errors.text()) reports += c == '\n' ? 1 : 0;
  EXPECT_EQ(reports, without_tab);
}

}  // namespace
}  // namespace morvane
