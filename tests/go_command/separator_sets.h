// SPDX-License-Identifier: GPL-3.0-or-later
// The two common separator sets the Go command tests use: "." and "," (English, and the C
// locale), and "," and "." (Italian, German).
#pragma once

#include "morvane/number_separators.h"

namespace morvane {

inline const NumberSeparators kPointComma{".", ","};
inline const NumberSeparators kCommaPoint{",", "."};

}  // namespace morvane
