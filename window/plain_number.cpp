#include "morvane/plain_number.h"

#include <algorithm>

namespace morvane {

std::optional<std::string> PlainNumber(std::string_view shown, const NumberSeparators& separators) {
  shown.remove_prefix(std::min(shown.find_first_not_of(' '), shown.size()));
  std::string plain;
  const std::string_view thousands = separators.thousands;
  while (!shown.empty()) {
    if (!thousands.empty() && shown.starts_with(thousands)) {
      shown.remove_prefix(thousands.size());
    } else {
      plain.push_back(shown.front());
      shown.remove_prefix(1);
    }
  }
  const std::string_view digits = std::string_view(plain).substr(plain.starts_with('-') ? 1 : 0);
  const bool is_number = !digits.empty() && std::all_of(digits.begin(), digits.end(), [](char c) {
    return c >= '0' && c <= '9';
  });
  if (!is_number) return std::nullopt;
  return plain;
}

}  // namespace morvane
