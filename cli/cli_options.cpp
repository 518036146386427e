// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/cli_options.h"

#include <vector>

#include "morvane/number_lexis.h"
#include "morvane/version.h"

namespace morvane {

namespace {

// "-5", "-.5" and "- 5" are negative numbers as Val reads them, so a negative N or K can be
// typed without "--"; "-" alone is the conventional operand, never an option.
bool LooksLikeOption(std::string_view argument) {
  if (argument.size() < 2 || argument[0] != '-') return false;
  return !CanFollowSign(argument[1]);
}

// What differs on Windows: where the separators come from, the console, and "/?", which
// Windows programs answer with their help.
#if defined(_WIN32)
constexpr bool kWindowsHelp = true;
constexpr std::string_view kSeparatorsSource = R"(The output's separators are the decimal symbol and
the digit grouping symbol of the Regional settings.

At a console the output is written as the console's own characters, whatever
its code page; into a file or a pipe it is UTF-8. Typed lines end with Ctrl+Z
then Enter.
)";
constexpr std::string_view kHelpOption = "  -h, --help, /?  ";
// Windows packages carry no manual page: the reading rules are read on the project's home.
std::string ReadingRules() {
  return "docs/reading-and-rounding.md at\n" + std::string(kHomepageUrl) + ".\n";
}
#else
constexpr bool kWindowsHelp = false;
constexpr std::string_view kSeparatorsSource =
    R"(The output's separators follow LC_ALL, LC_NUMERIC or
LANG.
)";
constexpr std::string_view kHelpOption = "  -h, --help      ";
std::string ReadingRules() {
  return "READING AND ROUNDING in morvane-cli(1), or docs/reading-and-rounding.md.\n";
}
#endif

}  // namespace

CliOptions ParseCliArguments(std::span<const std::string_view> arguments) {
  CliOptions options;
  std::vector<std::string_view> operands;
  bool options_ended = false;
  bool explain = false;
  for (const std::string_view argument : arguments) {
    const bool windows_help = kWindowsHelp && argument == "/?";
    if (options_ended || (!LooksLikeOption(argument) && !windows_help)) {
      operands.push_back(argument);
    } else if (argument == "--") {
      options_ended = true;
    } else if (argument == "--raw") {
      options.raw = true;
    } else if (argument == "--strict") {
      options.strict = true;
    } else if (argument == "--explain") {
      explain = true;
    } else if (argument == "--help" || argument == "-h" || windows_help) {
      return CliOptions{.action = CliAction::kShowHelp};
    } else if (argument == "--version") {
      return CliOptions{.action = CliAction::kShowVersion};
    } else {
      throw UsageError("unknown option '" + std::string(argument) + "'");
    }
  }

  if (explain) {
    // A table per input line would bury the results; one count is explained at a time.
    if (operands.size() != 2) {
      throw UsageError(
          "--explain needs two operands, N and K (it does not read standard input); got " +
          std::to_string(operands.size()));
    }
    // The explanation already gives every number exactly; a plain count is --raw alone.
    if (options.raw) throw UsageError("--explain and --raw cannot be combined");
  }
  if (operands.empty()) {
    options.action = CliAction::kCountLines;
  } else if (operands.size() == 2) {
    options.action = CliAction::kCountOne;
    options.n_text = operands[0];
    options.k_text = operands[1];
  } else {
    throw UsageError("expected two operands, N and K, or none to read standard input; got " +
                     std::to_string(operands.size()));
  }
  if (explain) options.action = CliAction::kExplainOne;
  return options;
}

std::string CliHelpText() {
  return R"(Usage: morvane-cli [OPTION]... [--] N K
  or:  morvane-cli [OPTION]... < LINES
  or:  morvane-cli --explain [OPTION]... [--] N K
Print the number of combinations of N items taken K at a time, as Morvane does.

The result is the text of Morvane's result box after a click on Go: one space,
then the count rounded to a whole number with its thousands grouped, or "Error"
when the calculation fails. With no operands, each line of standard input holds
N and K separated by a tab and gets one line of output, in order; a line
without a tab is reported on standard error and gets an empty output line.
A UTF-8 byte-order mark at the start of the input is skipped; UTF-16 input is
refused.

N and K are read as the window reads its boxes, at most 4096 bytes of each: see
)" + ReadingRules() +
         R"(An argument that begins with "-" and a digit, "." or a blank is a number, so
"morvane-cli -5 3" works. )" +
         std::string(kSeparatorsSource) + R"(
Options:
      --raw       print the count itself: all its decimals, "." as the decimal
                    point and no grouping, whatever the locale
      --strict    reject an N or K that is not wholly a number (or is longer
                    than 4096 bytes), and an input line with more than two
                    fields: report it on standard error and print an empty
                    line for it
      --explain   print how N and K are read, every step of the count with its
                    exact values, and the result; after an "Error", the last
                    line names the step and the operation that failed. It
                    needs N and K as operands, and cannot be combined with
                    --raw
)" + std::string(kHelpOption) +
         R"(display this help and exit
      --version   output version information and exit
      --          end the options; every later argument is an operand

Exit status:
 0  if OK; "Error" is a result, not a failure
 1  if an input line had no tab, the input was UTF-16, or --strict rejected an
      N or K
 2  if the command line was wrong
 3  if reading or writing failed, or memory ran out

Report bugs to: )" +
         std::string(kIssuesUrl) + "\n";
}

}  // namespace morvane
