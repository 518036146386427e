// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/cli_run.h"

#include <algorithm>

#include <initializer_list>
#include <new>
#include <string>
#include <system_error>

#include "morvane/cli_options.h"
#include "morvane/explain.h"
#include "morvane/field_check.h"
#include "morvane/go_command.h"
#include "morvane/line_processor.h"
#include "morvane/utf8_input.h"
#include "morvane/version.h"

namespace morvane {

namespace {

// A failing error stream leaves nowhere to say anything; the exit status still tells.
void Report(ByteSink& errors, std::string_view message) {
  try {
    errors.Write(std::string(kCliName) + ": " + std::string(message) + "\n");
  } catch (const IoError&) {
  }
}

// Reports without taking memory, for when there is none left.
void ReportInPlace(ByteSink& errors, std::initializer_list<std::string_view> parts) {
  try {
    for (const std::string_view part : parts) errors.Write(part);
  } catch (const IoError&) {
  }
}

// --strict's complaints about one N and K, one line each.
void Complain(std::string_view n_text, std::string_view k_text, std::string& complaints) {
  for (const auto& [name, text] : {std::pair{"N", n_text}, std::pair{"K", k_text}}) {
    const std::string complaint = FieldComplaint(name, text);
    if (!complaint.empty()) complaints.append(complaint).push_back('\n');
  }
}

// --strict's complaints about one input line, split at its first tab: a further tab starts a
// third field, which would otherwise be read as part of K ("2\t3" reads as 23).
void ComplainAboutLine(std::string_view n_text, std::string_view k_text, std::string& complaints) {
  if (const auto tabs = std::ranges::count(k_text, '\t'); tabs > 0) {
    complaints.append("expected two fields, N and K; got " + std::to_string(tabs + 2))
        .push_back('\n');
  }
  Complain(n_text, k_text, complaints);
}

int Run(const CliOptions& options, const CliContext& context, const NumberSeparators& separators) {
  // --raw is read back by programs, which expect the C locale's number whatever the user's.
  static const NumberSeparators kPlainSeparators{};
  const NumberSeparators& shown = options.raw ? kPlainSeparators : separators;
  const auto result_text = options.raw ? RawCountText : GoCommand;
  const auto result = [&](std::string_view n_text, std::string_view k_text) {
    return result_text(FieldAsBox(n_text), FieldAsBox(k_text), shown);
  };
  switch (options.action) {
    case CliAction::kShowHelp:
      context.output.Write(CliHelpText());
      return kExitSuccess;
    case CliAction::kShowVersion:
      context.output.Write(std::string(kCliName) + " " + std::string(kVersionText) + "\n");
      return kExitSuccess;
    case CliAction::kCountOne:
    case CliAction::kExplainOne: {
      std::string complaints;
      if (options.strict) Complain(options.n_text, options.k_text, complaints);
      if (!complaints.empty()) {
        for (std::string_view rest = complaints; !rest.empty();) {
          const std::size_t newline = rest.find('\n');
          Report(context.errors, rest.substr(0, newline));
          rest.remove_prefix(newline + 1);
        }
        context.output.Write("\n");
        return kExitBadInput;
      }
      if (options.action == CliAction::kExplainOne) {
        context.output.Write(
            ExplainText(FieldAsBox(options.n_text), FieldAsBox(options.k_text), separators));
      } else {
        context.output.Write(result(options.n_text, options.k_text) + "\n");
      }
      return kExitSuccess;
    }
    case CliAction::kCountLines: {
      const LineHandler handler = [&](std::string_view n_text, std::string_view k_text,
                                      std::string& out) { out += result(n_text, k_text); };
      Utf8Input input(context.input);
      const LineReport report =
          ProcessLines(input, context.output, context.errors, handler,
                       {.flush_each_line = context.interactive_output,
                        .threads = context.threads,
                        .check = options.strict ? LineCheck(ComplainAboutLine) : LineCheck(),
                        .field_limit = static_cast<std::size_t>(kBoxCapacity)});
      const bool all_read = report.lines_without_tab == 0 && report.lines_rejected == 0;
      return all_read ? kExitSuccess : kExitBadInput;
    }
  }
  return kExitSuccess;
}

}  // namespace

int RunCli(std::span<const std::string_view> arguments, const CliContext& context,
           const NumberSeparators& separators) {
  try {
    return Run(ParseCliArguments(arguments), context, separators);
  } catch (const UsageError& error) {
    Report(context.errors, error.what());
    Report(context.errors, "try 'morvane-cli --help' for more information");
    return kExitUsage;
  } catch (const Utf16InputError& error) {
    Report(context.errors, error.what());
    return kExitBadInput;
  } catch (const IoError& error) {
    if (!error.quiet()) Report(context.errors, error.what());
    return kExitIo;
  } catch (const std::bad_alloc&) {
    ReportInPlace(context.errors, {kCliName, ": out of memory\n"});
    return kExitIo;
  } catch (const std::system_error& error) {
    // The line reader computes on this thread when it cannot start others, so this is a
    // failure of the system itself; it still ends with a word rather than an abort.
    ReportInPlace(context.errors, {kCliName, ": ", error.what(), "\n"});
    return kExitIo;
  }
}

}  // namespace morvane
