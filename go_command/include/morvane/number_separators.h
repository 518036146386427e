// SPDX-License-Identifier: GPL-3.0-or-later
// The user's number punctuation, passed explicitly to everything that reads or writes numbers
// for display, so that no formatter depends on a global locale.
#pragma once

#include <string>

namespace morvane {

// Both separators are UTF-8 text and may be longer than one byte (U+202F, U+2019).
struct NumberSeparators {
  std::string decimal = ".";
  std::string thousands = ",";

  friend bool operator==(const NumberSeparators&, const NumberSeparators&) = default;
};

}  // namespace morvane
