// PlainNumber: the number shown in the result box, as other programs read it back: no leading
// space, no thousands separators. Used by the result box's copy action.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "morvane/number_separators.h"

namespace morvane {

// shown with its leading spaces and every occurrence of separators.thousands removed, when
// what is left is an optional "-" followed by ASCII digits; otherwise nothing, so that "Error",
// an empty box or text the user typed there are never passed on as a number.
// Examples (thousands ","): " 184,756" gives "184756"; " -2" gives "-2"; "Error" gives nothing.
std::optional<std::string> PlainNumber(std::string_view shown, const NumberSeparators& separators);

}  // namespace morvane
