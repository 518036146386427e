// The user's number separators, taken from the POSIX locale variables the way every POSIX
// program chooses its numeric locale, with Qt's locale data so no system locale is needed.
#pragma once

#include <string_view>

#include "morvane/number_separators.h"

namespace morvane {

// The separators of a POSIX locale name such as "it_IT.UTF-8", "de_CH" or "fr_FR@euro".
// "", "C" and "POSIX" (with any encoding) and unknown names give "." and ",".
// Examples: "de_DE.UTF-8" gives "," and "."; "fr_FR" gives "," and U+202F.
NumberSeparators SeparatorsForLocale(std::string_view posix_name);

// The separators of the first non-empty of LC_ALL, LC_NUMERIC and LANG.
NumberSeparators UserSeparators();

}  // namespace morvane
