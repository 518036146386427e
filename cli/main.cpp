// SPDX-License-Identifier: GPL-3.0-or-later
// morvane-cli: the Go command of Morvane for scripts and the terminal.
#include <unistd.h>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include <algorithm>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "morvane/cli_run.h"
#include "morvane/fd_stream.h"
#include "morvane/user_locale.h"

#if defined(_WIN32)
#include "morvane/console_stream.h"
#include "morvane/wide_text.h"
#endif

namespace {

// At a Windows console the program reads and writes the console's characters; elsewhere, and
// into files and pipes, bytes.
int Run(const std::vector<std::string_view>& arguments) {
#if defined(_WIN32)
  const std::unique_ptr<morvane::ByteSource> input = morvane::StandardSource();
  const std::unique_ptr<morvane::ByteSink> output = morvane::StandardSink(STDOUT_FILENO);
  const std::unique_ptr<morvane::ByteSink> errors = morvane::StandardSink(STDERR_FILENO);
#else
  const auto input = std::make_unique<morvane::FdSource>(STDIN_FILENO);
  const auto output = std::make_unique<morvane::FdSink>(STDOUT_FILENO);
  const auto errors = std::make_unique<morvane::FdSink>(STDERR_FILENO);
#endif
  const morvane::CliContext context{.input = *input,
                                    .output = *output,
                                    .errors = *errors,
                                    .interactive_output = morvane::IsTerminal(STDOUT_FILENO),
                                    .threads = std::max(1U, std::thread::hardware_concurrency())};
  return morvane::RunCli(arguments, context, morvane::UserSeparators());
}

int ReportNoMemory() {
  // Before the run: the arguments or the locale data found no memory.
  static constexpr std::string_view kMessage = "morvane-cli: out of memory\n";
  [[maybe_unused]] const auto ignored = ::write(STDERR_FILENO, kMessage.data(), kMessage.size());
  return morvane::kExitIo;
}

}  // namespace

#if defined(_WIN32)
// The wide arguments: the narrow ones are in the ANSI code page, which lacks most characters.
int wmain(int argc, wchar_t** argv) {
  // Windows reads standard input as text by default, which ends it at the first Ctrl+Z byte
  // and loses every line after it; the lines drop their carriage returns themselves. Output
  // stays text, so its lines end in CR LF as Windows text does.
  _setmode(STDIN_FILENO, _O_BINARY);
  try {
    std::vector<std::string> utf8;
    for (int i = 1; i < argc; ++i) utf8.push_back(morvane::Utf8FromWide(argv[i]));
    return Run(std::vector<std::string_view>(utf8.begin(), utf8.end()));
  } catch (const std::bad_alloc&) {
    return ReportNoMemory();
  }
}
#else
int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string_view>(argv + (argc > 0 ? 1 : 0), argv + argc));
  } catch (const std::bad_alloc&) {
    return ReportNoMemory();
  }
}
#endif
