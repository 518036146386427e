// SPDX-License-Identifier: GPL-3.0-or-later
// Standard input as the line reader takes it: UTF-8 text, without the byte-order mark that
// Windows programs write before it, and never UTF-16 read as bytes.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "morvane/byte_stream.h"

namespace morvane {

// Input in UTF-16, which the line reader would read as a NUL byte beside each character.
// what() is the message without the program name.
class Utf16InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Passes on the bytes of another source, less a UTF-8 byte-order mark (EF BB BF) at its very
// start, which Notepad and many Windows tools write and which is no part of the first N.
// UTF-16 is refused before any line of it reaches the reader: input that starts with a UTF-16
// byte-order mark (FF FE or FE FF), and input whose first line holds NUL bytes in every other
// place, as ASCII digits and tabs do in UTF-16 without a mark.
// Raises Utf16InputError for those, IoError as the other source does.
// Examples: "\xEF\xBB\xBF" "20\t10\n" reads as "20\t10\n"; "2\0" "0\0" "\t\0" "1\0" "\n\0"
// raises; "5\0\t2\n" is read, since its "2" stands where UTF-16 has a NUL; a mark after the
// start is data.
class Utf8Input final : public ByteSource {
 public:
  explicit Utf8Input(ByteSource& source) : source_(source) {}

  std::size_t Read(char* buffer, std::size_t capacity) override;

 private:
  // Reads until the start is known not to be, or to be, a byte-order mark.
  void ReadStart(char* buffer, std::size_t capacity);
  // Follows the first line through text, which is about to be handed out.
  void CheckFirstLine(std::string_view text);

  ByteSource& source_;
  bool at_start_ = true;
  // Bytes read at the start and not yet handed out.
  std::string start_;
  std::size_t start_given_ = 0;
  // Whether the source reported its end while the start was read.
  bool source_ended_ = false;
  // What the first line has shown so far: whether its NULs and other bytes alternate as in
  // little-endian (NUL at odd offsets) or big-endian UTF-16, and whether it has any NUL.
  bool in_first_line_ = true;
  bool little_endian_ = true;
  bool big_endian_ = true;
  bool has_nul_ = false;
  std::uint64_t offset_ = 0;
};

}  // namespace morvane
