// SPDX-License-Identifier: GPL-3.0-or-later
// morvane-cli: the Go command of Morvane for scripts and the terminal.
#include <unistd.h>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

#include <algorithm>
#include <new>
#include <string_view>
#include <system_error>
#include <thread>
#include <vector>

#include "morvane/cli_run.h"
#include "morvane/fd_stream.h"
#include "morvane/user_locale.h"

int main(int argc, char** argv) {
#if defined(_WIN32)
  // Windows reads standard input as text by default, which ends it at the first Ctrl+Z byte
  // and loses every line after it; the lines drop their carriage returns themselves. Output
  // stays text, so its lines end in CR LF as Windows text does.
  _setmode(STDIN_FILENO, _O_BINARY);
#endif
  try {
    const std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    morvane::FdSource input(STDIN_FILENO);
    morvane::FdSink output(STDOUT_FILENO);
    morvane::FdSink errors(STDERR_FILENO);
    const morvane::CliContext context{.input = input,
                                      .output = output,
                                      .errors = errors,
                                      .interactive_output = morvane::IsTerminal(STDOUT_FILENO),
                                      .threads = std::max(1U, std::thread::hardware_concurrency())};
    return morvane::RunCli(arguments, context, morvane::UserSeparators());
  } catch (const std::bad_alloc&) {
    // Before the run: the arguments or the locale data found no memory.
    static constexpr std::string_view kMessage = "morvane-cli: out of memory\n";
    [[maybe_unused]] const ssize_t ignored =
        ::write(STDERR_FILENO, kMessage.data(), kMessage.size());
    return morvane::kExitIo;
  }
}
