// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz harness for the line reader of morvane-cli on arbitrary input: any bytes, lines without
// a tab, carriage returns, NUL, invalid UTF-8 and, with a large -max_len, very long lines. The
// first byte chooses how the program runs (raw output, line-by-line output, threads, the size of
// the pieces the input arrives in, the separators); the rest is standard input.
// The whole program must give one output line per input line, report each line without a tab
// with its number, and exit with status 1 exactly when there was one; the line reader itself
// must hand every line's N and K, cut at the first tab, to its handler in order.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "morvane/cli_run.h"
#include "morvane/line_processor.h"
#include "test_streams.h"

namespace {

using morvane::fuzz::Escaped;
using morvane::testing_streams::StringSink;
using morvane::testing_streams::StringSource;

struct Settings {
  bool raw = false;
  bool flush_each_line = false;
  unsigned threads = 1;
  std::size_t chunk_size = std::string::npos;
  morvane::NumberSeparators separators;
};

Settings SettingsOf(std::uint8_t byte) {
  static constexpr unsigned kThreads[] = {1, 2, 3, 8};
  // Pieces around the reader's own 64 KiB chunks, and tiny ones that split every line.
  static constexpr std::size_t kChunkSizes[] = {
      std::string::npos, 1, 2, 3, 7, 65'535, 65'536, 65'537};
  Settings s;
  s.raw = (byte & 1) != 0;
  s.flush_each_line = (byte & 2) != 0;
  s.threads = kThreads[(byte >> 2) & 3];
  s.chunk_size = kChunkSizes[(byte >> 4) & 7];
  if ((byte & 0x80) != 0) s.separators = {",", "."};
  return s;
}

// The input's lines: cut at each "\n", with the bytes after the last one as a last line.
std::vector<std::string_view> LinesOf(std::string_view input) {
  std::vector<std::string_view> lines;
  while (!input.empty()) {
    const std::size_t newline = input.find('\n');
    lines.push_back(input.substr(0, newline));
    input.remove_prefix(newline == std::string_view::npos ? input.size() : newline + 1);
  }
  return lines;
}

std::string_view WithoutCarriageReturn(std::string_view line) {
  if (line.ends_with('\r')) line.remove_suffix(1);
  return line;
}

std::string ReportFor(std::size_t line_number) {
  return "morvane-cli: line " + std::to_string(line_number) +
         ": expected N and K separated by a tab\n";
}

// Whether text is what the Go command writes: "Error", or one space and a grouped whole number.
bool IsResultText(std::string_view text, const morvane::NumberSeparators& separators) {
  return text == "Error" || (text.starts_with(' ') &&
                             morvane::fuzz::IsGroupedWhole(text.substr(1), separators.thousands));
}

// Whether text is what --raw writes: "Error", or the count in the general format with "." as
// the decimal point and no grouping, whatever the separators.
bool IsRawText(std::string_view text) {
  return text == "Error" || morvane::fuzz::ReadGeneral(text, ".").has_value();
}

// Runs the whole program on the input, checks its output line by line against the input, and
// returns the output.
std::string CheckProgram(std::string_view input, const std::vector<std::string_view>& lines,
                         const Settings& settings) {
  StringSource source(std::string(input), settings.chunk_size);
  StringSink output;
  StringSink errors;
  const morvane::CliContext context{.input = source,
                                    .output = output,
                                    .errors = errors,
                                    .interactive_output = settings.flush_each_line,
                                    .threads = settings.threads};
  std::vector<std::string_view> arguments;
  if (settings.raw) arguments.emplace_back("--raw");
  const int status = morvane::RunCli(arguments, context, settings.separators);

  const std::vector<std::string_view> output_lines = LinesOf(output.text());
  MORVANE_FUZZ_CHECK(output.text().empty() || output.text().ends_with('\n'),
                     "the output " + Escaped(output.text()) + " ends without a line feed");
  MORVANE_FUZZ_CHECK(output_lines.size() == lines.size(),
                     std::to_string(lines.size()) + " input lines gave " +
                         std::to_string(output_lines.size()) + " output lines for " +
                         Escaped(input));
  std::string expected_errors;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool has_tab = WithoutCarriageReturn(lines[i]).find('\t') != std::string_view::npos;
    if (!has_tab) {
      expected_errors += ReportFor(i + 1);
      MORVANE_FUZZ_CHECK(
          output_lines[i].empty(),
          "line " + std::to_string(i + 1) + " has no tab, yet gave " + Escaped(output_lines[i]));
    } else {
      const bool well_formed = settings.raw ? IsRawText(output_lines[i])
                                            : IsResultText(output_lines[i], settings.separators);
      MORVANE_FUZZ_CHECK(well_formed, "line " + std::to_string(i + 1) + ", " + Escaped(lines[i]) +
                                          ", gave " + Escaped(output_lines[i]));
    }
  }
  MORVANE_FUZZ_CHECK(
      errors.text() == expected_errors,
      "the error report is " + Escaped(errors.text()) + " instead of " + Escaped(expected_errors));
  const int expected_status =
      expected_errors.empty() ? morvane::kExitSuccess : morvane::kExitBadInput;
  MORVANE_FUZZ_CHECK(status == expected_status, "the exit status is " + std::to_string(status) +
                                                    " instead of " +
                                                    std::to_string(expected_status));
  return output.text();
}

// Runs the line reader with a handler that writes back the N and K it receives, with the length
// of N so that no other cut at another tab could give the same text.
void CheckLineReader(std::string_view input, const std::vector<std::string_view>& lines,
                     const Settings& settings) {
  const morvane::LineHandler echo = [](std::string_view n_text, std::string_view k_text,
                                       std::string& out) {
    out += std::to_string(n_text.size());
    out += ':';
    out += n_text;
    out += k_text;
  };
  std::string expected;
  std::uint64_t without_tab = 0;
  for (const std::string_view raw_line : lines) {
    const std::string_view line = WithoutCarriageReturn(raw_line);
    if (const std::size_t tab = line.find('\t'); tab != std::string_view::npos) {
      echo(line.substr(0, tab), line.substr(tab + 1), expected);
    } else {
      ++without_tab;
    }
    expected += '\n';
  }

  StringSource source(std::string(input), settings.chunk_size);
  StringSink output;
  StringSink errors;
  const morvane::LineReport report = morvane::ProcessLines(
      source, output, errors, echo,
      {.flush_each_line = settings.flush_each_line, .threads = settings.threads});
  MORVANE_FUZZ_CHECK(output.text() == expected, "the line reader wrote " + Escaped(output.text()) +
                                                    " instead of " + Escaped(expected));
  MORVANE_FUZZ_CHECK(report.lines == lines.size() && report.lines_without_tab == without_tab,
                     "the line reader counted " + std::to_string(report.lines) + " lines and " +
                         std::to_string(report.lines_without_tab) + " without a tab, not " +
                         std::to_string(lines.size()) + " and " + std::to_string(without_tab));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Settings settings = SettingsOf(data[0]);
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::vector<std::string_view> lines = LinesOf(input);
  const std::string output = CheckProgram(input, lines, settings);
  CheckLineReader(input, lines, settings);
  // The plainest way to run, one thread and the whole input at once, must give the same text.
  const Settings plain{.raw = settings.raw, .separators = settings.separators};
  MORVANE_FUZZ_CHECK(CheckProgram(input, lines, plain) == output,
                     "the output depends on how the program runs for " + Escaped(input));
  CheckLineReader(input, lines, plain);
  return 0;
}
