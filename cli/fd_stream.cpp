// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/fd_stream.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace morvane {

std::size_t FdSource::Read(char* buffer, std::size_t capacity) {
  for (;;) {
    const ssize_t got = ::read(fd_, buffer, capacity);
    if (got >= 0) return static_cast<std::size_t>(got);
    if (errno != EINTR) throw IoError(std::string("read error: ") + std::strerror(errno), false);
  }
}

void FdSink::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written >= 0) {
      bytes.remove_prefix(static_cast<std::size_t>(written));
      continue;
    }
    if (errno == EINTR) continue;
    throw IoError(std::string("write error: ") + std::strerror(errno), errno == EPIPE);
  }
}

bool IsTerminal(int fd) {
  return ::isatty(fd) == 1;
}

}  // namespace morvane
