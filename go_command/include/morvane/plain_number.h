// SPDX-License-Identifier: GPL-3.0-or-later
// PlainNumber: the number shown in the result box, as other programs read it back: no leading
// space, no thousands separators. Used by the result box's copy action.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "morvane/number_separators.h"

namespace morvane {

// The digits of shown, with its "-", when shown is a number as the result box writes it:
// leading spaces, an optional "-", then digits grouped by threes with separators.thousands
// between the groups. Otherwise nothing, so that "Error", an empty box, or text typed there
// that is not grouped like a result ("1,2,3") is never passed on as a number.
// Examples (thousands ","): " 184,756" gives "184756"; " -2" gives "-2"; "Error", "12,34"
// and "1234,567" give nothing.
std::optional<std::string> PlainNumber(std::string_view shown, const NumberSeparators& separators);

}  // namespace morvane
