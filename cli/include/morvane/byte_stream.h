// SPDX-License-Identifier: GPL-3.0-or-later
// Byte streams for morvane-cli: where its input comes from and where its output goes, kept
// abstract so the line reader runs on files, pipes and in-memory text alike.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace morvane {

// A failed read or write. quiet() is true when the reader of the output has gone away (a
// closed pipe): the program then stops without a message, as a filter in a pipeline should.
class IoError : public std::runtime_error {
 public:
  IoError(const std::string& message, bool quiet) : std::runtime_error(message), quiet_(quiet) {}

  bool quiet() const noexcept { return quiet_; }

 private:
  bool quiet_;
};

// A sequence of bytes read in chunks.
class ByteSource {
 public:
  virtual ~ByteSource() = default;

  // Reads at least one and at most capacity bytes into buffer and returns their number, or 0
  // at the end of the input. Fewer than capacity bytes mean nothing more is available yet,
  // which a pipe or terminal gives when its writer has not written more.
  // Raises IoError when the input cannot be read.
  virtual std::size_t Read(char* buffer, std::size_t capacity) = 0;
};

// A destination for bytes. Write takes all of bytes or raises IoError.
class ByteSink {
 public:
  virtual ~ByteSink() = default;

  virtual void Write(std::string_view bytes) = 0;
};

}  // namespace morvane
