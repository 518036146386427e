// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/field_check.h"

#include <algorithm>
#include <cstddef>

#include "morvane/go_command.h"
#include "morvane/val.h"

namespace morvane {

namespace {

constexpr std::size_t kQuotedBytes = 32;
constexpr auto kFieldCapacity = static_cast<std::size_t>(kBoxCapacity);

// The start of text in double quotes, safe to print on a terminal: control characters are
// escaped, so no line feed or escape sequence from the input reaches it. A cut never splits
// a UTF-8 sequence.
std::string Quoted(std::string_view text) {
  static constexpr std::string_view kHex = "0123456789abcdef";
  std::size_t shown = std::min(text.size(), kQuotedBytes);
  while (shown < text.size() && shown > 0 &&
         (static_cast<unsigned char>(text[shown]) & 0xC0) == 0x80) {
    --shown;
  }
  std::string quoted = "\"";
  for (const char c : text.substr(0, shown)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted.push_back('\\');
      quoted.push_back(c);
    } else if (c == '\t') {
      quoted += "\\t";
    } else if (c == '\r') {
      quoted += "\\r";
    } else if (c == '\n') {
      quoted += "\\n";
    } else if (byte < 0x20 || byte == 0x7F) {
      quoted += "\\x";
      quoted.push_back(kHex[byte >> 4]);
      quoted.push_back(kHex[byte & 0xF]);
    } else {
      quoted.push_back(c);
    }
  }
  if (shown < text.size()) quoted += "...";
  quoted.push_back('"');
  return quoted;
}

}  // namespace

std::string_view FieldAsBox(std::string_view text) {
  return text.substr(0, kFieldCapacity);
}

std::string FieldComplaint(std::string_view name, std::string_view text) {
  if (text.size() > kFieldCapacity) {
    return std::string(name) + " " + Quoted(text) + " is longer than " +
           std::to_string(kFieldCapacity) + " bytes";
  }
  if (IsWholeNumber(text)) return {};
  return std::string(name) + " " + Quoted(text) + " is not a number";
}

}  // namespace morvane
