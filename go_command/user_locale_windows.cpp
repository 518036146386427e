// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include <array>
#include <optional>
#include <utility>

#include "morvane/user_locale.h"
#include "morvane/wide_text.h"

namespace morvane {
namespace {

// One symbol of the user's Regional settings; Windows allows at most three characters and the
// terminating zero. Nothing when it cannot be read.
std::optional<std::string> UserSymbol(LCTYPE symbol) {
  std::array<wchar_t, 8> buffer{};
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, symbol, buffer.data(),
                                     static_cast<int>(buffer.size()));
  if (length <= 0) return std::nullopt;
  return Utf8FromWide(std::wstring_view(buffer.data(), static_cast<std::size_t>(length - 1)));
}

}  // namespace

NumberSeparators UserSeparators() {
  NumberSeparators separators;
  // A decimal symbol is never empty in the settings; the digit grouping symbol may be.
  if (auto decimal = UserSymbol(LOCALE_SDECIMAL); decimal && !decimal->empty()) {
    separators.decimal = std::move(*decimal);
  }
  if (auto thousands = UserSymbol(LOCALE_STHOUSAND)) separators.thousands = std::move(*thousands);
  return separators;
}

}  // namespace morvane
