// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of morvane-cli: what the arguments ask for, and the help and version texts.
#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace morvane {

inline constexpr std::string_view kCliName = "morvane-cli";

// What one run of morvane-cli does.
enum class CliAction {
  kCountLines,  // no operands: one result per line of standard input
  kCountOne,    // two operands, N and K: one result
  kExplainOne,  // --explain and two operands: the steps of one count
  kShowHelp,
  kShowVersion,
};

struct CliOptions {
  CliAction action = CliAction::kCountLines;
  // Print the count itself in the general number format instead of the result text.
  bool raw = false;
  // Reject an N or K that is not wholly a number (see FieldComplaint).
  bool strict = false;
  // The operands of kCountOne, as given.
  std::string n_text{};
  std::string k_text{};

  friend bool operator==(const CliOptions&, const CliOptions&) = default;
};

// A command line that asks for nothing this program does. what() is the message without the
// program name: "unknown option '-x'".
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads the arguments that follow the program name. Options may stand anywhere before "--";
// the first --help or --version decides the run at once, whatever follows it. An argument that
// begins with "-" is an option unless it is "-" alone or its second character is a digit, "."
// or a blank (space, tab, line feed, vertical tab, form feed, carriage return): those are
// numbers, as Val reads them. After "--" every argument is an operand.
// On Windows "/?" asks for the help too, as it does of Windows' own programs; elsewhere it is
// an operand, as any argument that does not begin with "-".
// Raises UsageError for an unknown option, for an operand count other than 0 or 2, and for
// --explain without operands.
// Examples: {"20", "10"} counts one; {"--raw", "-5", "3"} counts one, raw, with N "-5";
// {"--strict"} reads standard input strictly;
// {"--", "--raw", "1"} counts one with N "--raw"; {"--explain", "49", "24"} explains one;
// {"-x"}, {"1"} and {"--explain"} raise.
CliOptions ParseCliArguments(std::span<const std::string_view> arguments);

// The text --help prints, ending with a newline, in the GNU layout: usage, what the program
// does, the options, the exit status and where to report bugs. The manual page is made from
// it, so it is the one description of the options.
std::string CliHelpText();

}  // namespace morvane
