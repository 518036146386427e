// SPDX-License-Identifier: GPL-3.0-or-later
// Byte streams on POSIX file descriptors: standard input, output and error of morvane-cli,
// read and written with read(2) and write(2) so no stdio buffering or locking sits between.
#pragma once

#include "morvane/byte_stream.h"

namespace morvane {

// Reads an open descriptor; an interrupted read is retried. Raises IoError with the system's
// message otherwise ("read error: Is a directory").
class FdSource final : public ByteSource {
 public:
  explicit FdSource(int fd) : fd_(fd) {}

  std::size_t Read(char* buffer, std::size_t capacity) override;

 private:
  int fd_;
};

// Writes to an open descriptor, all of each chunk, retrying interrupted and partial writes.
// A write to a pipe with no reader (EPIPE, when SIGPIPE is ignored) raises a quiet IoError;
// any other failure raises IoError with the system's message ("write error: No space left on
// device").
class FdSink final : public ByteSink {
 public:
  explicit FdSink(int fd) : fd_(fd) {}

  void Write(std::string_view bytes) override;

 private:
  int fd_;
};

// Whether the descriptor is a terminal, where output should appear line by line.
bool IsTerminal(int fd);

}  // namespace morvane
