// SPDX-License-Identifier: GPL-3.0-or-later
// The user's number separators: on POSIX systems from the locale variables, chosen the way
// every POSIX program chooses the locale of each category, with Qt's locale data so no system
// locale is needed; on Windows from the user's Regional settings.
#pragma once

#include <string>
#include <string_view>

#include "morvane/number_separators.h"

namespace morvane {

// The user's separators, read anew at each call, so a change of the settings counts at the next
// Go. POSIX: those of the numeric locale, UserLocaleName("LC_NUMERIC"). Windows: the decimal
// symbol and digit grouping symbol of the user's Regional settings, as UTF-8 ("." when the
// decimal symbol cannot be read).
NumberSeparators UserSeparators();

// Windows has no locale variables: the names below belong to the POSIX lookup.
#if !defined(_WIN32)

// The locale name in force for one category, whose variable is category_variable: the first
// non-empty of LC_ALL, that variable and LANG, or "" when all three are unset or empty.
// Numbers follow LC_NUMERIC, the language of texts LC_MESSAGES. Example: with LC_ALL unset,
// LC_MESSAGES=de_DE.UTF-8 and LANG=it_IT.UTF-8, UserLocaleName("LC_MESSAGES") is
// "de_DE.UTF-8" and UserLocaleName("LC_NUMERIC") is "it_IT.UTF-8".
std::string UserLocaleName(const char* category_variable);

// The part of a POSIX locale name ("language_TERRITORY.encoding@modifier") that names its
// locale data: the name without encoding and modifier, and "" for the C and POSIX locales,
// which have none. Examples: "it_IT.UTF-8" gives "it_IT", "fr_FR@euro" gives "fr_FR",
// "C.UTF-8" and "POSIX" give "".
std::string_view LocaleDataName(std::string_view posix_name);

// The separators of a POSIX locale name such as "it_IT.UTF-8", "de_CH" or "fr_FR@euro".
// "", "C" and "POSIX" (with any encoding) and unknown names give "." and ",".
// Examples: "de_DE.UTF-8" gives "," and "."; "fr_FR" gives "," and U+202F.
NumberSeparators SeparatorsForLocale(std::string_view posix_name);

#endif

}  // namespace morvane
