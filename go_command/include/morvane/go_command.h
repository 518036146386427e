// SPDX-License-Identifier: GPL-3.0-or-later
// The Go command: turns the N and K texts into the text of the result box, exactly as a click
// on Go does. Toolkit-free, shared by the window and morvane-cli.
#pragma once

#include <string>
#include <string_view>

#include "morvane/currency.h"
#include "morvane/number_separators.h"

namespace morvane {

// The most characters an N or K box of the window holds; a longer paste is cut there (the
// window says why). morvane-cli reads at most this many bytes of each N and K, so that it reads
// a longer text as the window would after the paste.
inline constexpr int kBoxCapacity = 4096;

// The combination count of the two texts: each read with Val and converted to a currency
// value, then Binomiale(N, K). Raises RunTimeError on any failure, including an N or K whose
// value does not fit a currency value.
Currency CountFromTexts(std::string_view n_text, std::string_view k_text);

// The text the result box shows for a count that succeeded: " " followed by Migliaia of the
// count's general format. Raises RunTimeError when the formatting fails.
// Examples (separators "." and ","): 184756 gives " 184,756"; 7.875 gives " 8".
std::string ResultText(Currency count, const NumberSeparators& separators);

// The result text: " " followed by Migliaia of the count's general format, or "Error" when
// any step fails. Examples (separators "." and ","): ("20", "10") gives " 184,756";
// ("49", "24") gives "Error"; ("5", "2.5") gives " 8".
std::string GoCommand(std::string_view n_text, std::string_view k_text,
                      const NumberSeparators& separators);

// The count itself in the general number format, or "Error": ("5", "2.5") gives "7.875".
std::string RawCountText(std::string_view n_text, std::string_view k_text,
                         const NumberSeparators& separators);

}  // namespace morvane
