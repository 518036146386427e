// SPDX-License-Identifier: GPL-3.0-or-later
// In-memory byte streams for the morvane-cli tests: a source that hands out its text in
// chunks of a chosen size, and a sink that keeps what it is given.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "morvane/byte_stream.h"

namespace morvane::testing_streams {

// Gives at most chunk_size bytes per read, like a pipe whose writer writes in small pieces.
class StringSource final : public ByteSource {
 public:
  explicit StringSource(std::string text, std::size_t chunk_size = std::string::npos)
      : text_(std::move(text)), chunk_size_(chunk_size) {}

  std::size_t Read(char* buffer, std::size_t capacity) override {
    ++reads_;
    const std::size_t count = std::min({capacity, chunk_size_, text_.size() - position_});
    std::memcpy(buffer, text_.data() + position_, count);
    position_ += count;
    if (count == 0) ++ends_;
    return count;
  }

  int reads() const { return reads_; }
  // How many reads reported the end: a reader that reads on would wait at a terminal.
  int ends() const { return ends_; }

 private:
  std::string text_;
  std::size_t chunk_size_;
  std::size_t position_ = 0;
  int reads_ = 0;
  int ends_ = 0;
};

class StringSink final : public ByteSink {
 public:
  void Write(std::string_view bytes) override {
    ++writes_;
    text_.append(bytes);
  }

  const std::string& text() const { return text_; }
  int writes() const { return writes_; }

 private:
  std::string text_;
  int writes_ = 0;
};

// Refuses every write, as a closed pipe or a full disk does.
class FailingSink final : public ByteSink {
 public:
  explicit FailingSink(bool quiet) : quiet_(quiet) {}

  void Write(std::string_view /*bytes*/) override {
    ++writes_;
    throw IoError("write error: test", quiet_);
  }

  int writes() const { return writes_; }

 private:
  bool quiet_;
  int writes_ = 0;
};

}  // namespace morvane::testing_streams
