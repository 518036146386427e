#include "morvane/cli_options.h"

#include <vector>

#include "morvane/number_lexis.h"

namespace morvane {

namespace {

// "-5", "-.5" and "- 5" are negative numbers as Val reads them, so a negative N or K can be
// typed without "--"; "-" alone is the conventional operand, never an option.
bool LooksLikeOption(std::string_view argument) {
  if (argument.size() < 2 || argument[0] != '-') return false;
  return !CanFollowSign(argument[1]);
}

}  // namespace

CliOptions ParseCliArguments(std::span<const std::string_view> arguments) {
  CliOptions options;
  std::vector<std::string_view> operands;
  bool options_ended = false;
  bool explain = false;
  for (const std::string_view argument : arguments) {
    if (options_ended || !LooksLikeOption(argument)) {
      operands.push_back(argument);
    } else if (argument == "--") {
      options_ended = true;
    } else if (argument == "--raw") {
      options.raw = true;
    } else if (argument == "--explain") {
      explain = true;
    } else if (argument == "--help" || argument == "-h") {
      return CliOptions{.action = CliAction::kShowHelp};
    } else if (argument == "--version") {
      return CliOptions{.action = CliAction::kShowVersion};
    } else {
      throw UsageError("unknown option '" + std::string(argument) + "'");
    }
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
  if (explain) {
    // A table per input line would bury the results; one count is explained at a time.
    if (options.action == CliAction::kCountLines) {
      throw UsageError("--explain needs N and K as operands; it does not read standard input");
    }
    options.action = CliAction::kExplainOne;
  }
  return options;
}

std::string_view CliHelpText() {
  return R"(Usage: morvane-cli [--raw] [--] N K
       morvane-cli [--raw] < LINES
       morvane-cli --explain [--] N K
Prints the number of combinations of N items taken K at a time as Morvane's Go
button shows it: one space, then the count rounded to a whole number with its
thousands grouped, or "Error" when the calculation fails.

With no operands, reads standard input: each line holds N and K separated by a
tab, and each line gets one line of output, in order. A line without a tab is
reported on standard error and gets an empty output line.

N and K are read like the window's input boxes: the number a text begins with,
blanks skipped, "." as the decimal point. An argument that begins with "-"
followed by a digit, "." or a blank is a number, so "morvane-cli -5 3" works.
The separators of the output follow LC_ALL, LC_NUMERIC or LANG.

Options:
  --raw        print the count itself: all its decimals, no grouping
  --explain    print how N and K are read, every step of the count with its
               exact values, and the result; after an "Error", the last line
               names the step and the operation that failed
  -h, --help   print this help and exit
  --version    print the version and exit
  --           end the options; every later argument is an operand

Exit status: 0 on success ("Error" is a result), 1 when an input line had no
tab, 2 on a usage error, 3 when reading or writing failed.
)";
}

}  // namespace morvane
