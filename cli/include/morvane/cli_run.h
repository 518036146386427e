// SPDX-License-Identifier: GPL-3.0-or-later
// One run of morvane-cli from its arguments to its exit status, on streams given by the
// caller, so the whole program can run in memory as well as on a process's descriptors.
#pragma once

#include <span>
#include <string_view>

#include "morvane/byte_stream.h"
#include "morvane/number_separators.h"

namespace morvane {

// Exit statuses of morvane-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitBadInput = 1;  // some input line had no tab, or --strict rejected a text
inline constexpr int kExitUsage = 2;     // the command line asked for nothing we do
inline constexpr int kExitIo = 3;        // reading or writing failed, or no memory

// Where a run reads and writes, and how.
struct CliContext {
  ByteSource& input;
  ByteSink& output;
  ByteSink& errors;
  // Output goes out line by line (a terminal) instead of in large blocks.
  bool interactive_output = false;
  // Threads that compute the results of input lines at once; interactive output uses one.
  unsigned threads = 1;
};

// Runs morvane-cli with the arguments after the program name and the user's separators, and
// returns the exit status. Results go to context.output; usage errors, malformed lines and
// I/O failures are reported on context.errors, except a closed output, which ends the run
// quietly with kExitIo. Running out of memory, or any other failure of the system, ends the run
// with a one-line report and kExitIo; where no thread can be started, lines are computed on the
// calling thread. Raises nothing.
// Every N and K is read as FieldAsBox cuts it; lines are read in bounded memory, through
// Utf8Input: UTF-16 input is reported, with nothing written to output, and kExitBadInput.
// Example: {"20", "10"} writes " 184,756\n" (separators "." and ",") and returns kExitSuccess;
// {"-x"} writes "morvane-cli: unknown option '-x'" and a hint to errors, and returns kExitUsage.
int RunCli(std::span<const std::string_view> arguments, const CliContext& context,
           const NumberSeparators& separators);

}  // namespace morvane
