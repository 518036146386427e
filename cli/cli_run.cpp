#include "morvane/cli_run.h"

#include <string>

#include "morvane/cli_options.h"
#include "morvane/explain.h"
#include "morvane/go_command.h"
#include "morvane/line_processor.h"
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

int Run(const CliOptions& options, const CliContext& context, const NumberSeparators& separators) {
  const auto result_text = options.raw ? RawCountText : GoCommand;
  switch (options.action) {
    case CliAction::kShowHelp:
      context.output.Write(CliHelpText());
      return kExitSuccess;
    case CliAction::kShowVersion:
      context.output.Write(std::string(kCliName) + " " + std::string(kVersionText) + "\n");
      return kExitSuccess;
    case CliAction::kCountOne:
      context.output.Write(result_text(options.n_text, options.k_text, separators) + "\n");
      return kExitSuccess;
    case CliAction::kExplainOne:
      context.output.Write(ExplainText(options.n_text, options.k_text, separators));
      return kExitSuccess;
    case CliAction::kCountLines: {
      const LineHandler handler = [&](std::string_view n_text, std::string_view k_text,
                                      std::string& out) {
        out += result_text(n_text, k_text, separators);
      };
      const LineReport report =
          ProcessLines(context.input, context.output, context.errors, handler,
                       {.flush_each_line = context.interactive_output, .threads = context.threads});
      return report.lines_without_tab == 0 ? kExitSuccess : kExitLineWithoutTab;
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
  } catch (const IoError& error) {
    if (!error.quiet()) Report(context.errors, error.what());
    return kExitIo;
  }
}

}  // namespace morvane
