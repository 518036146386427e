// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/utf8_input.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace morvane {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::array<std::string_view, 2> kUtf16Marks = {"\xFF\xFE", "\xFE\xFF"};

const char* const kUtf16Message =
    "standard input is UTF-16 text; give it as UTF-8 (in Notepad: Save As, Encoding UTF-8)";

// Whether more bytes could still make start a byte-order mark.
bool MayBecomeMark(std::string_view start) {
  if (start.size() < kUtf8Mark.size() && kUtf8Mark.starts_with(start)) return true;
  return std::ranges::any_of(kUtf16Marks, [start](std::string_view mark) {
    return start.size() < mark.size() && mark.starts_with(start);
  });
}

}  // namespace

void Utf8Input::ReadStart(char* buffer, std::size_t capacity) {
  // A terminal or a pipe may hand over the mark a byte at a time.
  while (MayBecomeMark(start_)) {
    const std::size_t got = source_.Read(buffer, capacity);
    if (got == 0) {
      source_ended_ = true;
      break;
    }
    start_.append(buffer, got);
  }
  at_start_ = false;
  for (const std::string_view mark : kUtf16Marks) {
    if (start_.starts_with(mark)) throw Utf16InputError(kUtf16Message);
  }
  if (start_.starts_with(kUtf8Mark)) start_given_ = kUtf8Mark.size();
}

void Utf8Input::CheckFirstLine(std::string_view text) {
  for (const char byte : text.substr(0, text.find('\n'))) {
    const bool odd = offset_++ % 2 != 0;
    if (byte == '\0') {
      has_nul_ = true;
      (odd ? big_endian_ : little_endian_) = false;
    } else {
      (odd ? little_endian_ : big_endian_) = false;
    }
    if (!little_endian_ && !big_endian_) {
      in_first_line_ = false;
      return;
    }
  }
  // The first line ends here, or the input does when text is empty.
  if (text.find('\n') == std::string_view::npos && !text.empty()) return;
  in_first_line_ = false;
  if (has_nul_) throw Utf16InputError(kUtf16Message);
}

std::size_t Utf8Input::Read(char* buffer, std::size_t capacity) {
  if (at_start_) ReadStart(buffer, capacity);
  std::size_t got = 0;
  if (start_given_ < start_.size()) {
    got = std::min(capacity, start_.size() - start_given_);
    std::memcpy(buffer, start_.data() + start_given_, got);
    start_given_ += got;
  } else if (!source_ended_) {
    // A terminal's end of input is a single event: reading on would wait for another.
    got = source_.Read(buffer, capacity);
  }
  if (in_first_line_) CheckFirstLine(std::string_view(buffer, got));
  return got;
}

}  // namespace morvane
