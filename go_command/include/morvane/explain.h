// SPDX-License-Identifier: GPL-3.0-or-later
// Explanations of a count: how N and K were read, every step of the count, and for an "Error"
// the one operation that failed and why. For morvane-cli --explain and the window's Show Steps.
#pragma once

#include <string>
#include <string_view>

#include "morvane/explain_sentences.h"
#include "morvane/number_separators.h"

namespace morvane {

// Every number in these texts is written exactly, its whole digits grouped with the
// separators, and with all four decimals when it has a fraction (a double quotient with all
// of its decimals). Texts read from the boxes are quoted, with control characters escaped
// ("\t", "\x01") and anything past 40 bytes left out ("..."). The words are the sentences of
// the table given, English unless a front end passes its user's language.

// One line saying which step and operation failed and why; empty when the count succeeds.
// Example (separators "." and ","): ("49", "24") gives "Step 24 of 24 computes the product: the
// running value 30,957,699,535,776 times the factor 49 is 1,516,927,277,253,024 and so exceeds
// the largest value 922,337,203,685,477.5807."
std::string FailureReason(std::string_view n_text, std::string_view k_text,
                          const NumberSeparators& separators,
                          const ExplainSentences& sentences = EnglishSentences());

// The whole explanation, lines ending in "\n": how N and K were read, one table row per step
// (columns right-aligned, counting one column per character), and the result as the window
// shows it; on a failure the row of the failing step ends with the word "overflow" (or
// "failed") where its operation stands, and the last line is FailureReason.
// Example: ("5", "2.5") reads N as 5 and K as 2.5000, rounds K to 2 steps, has the rows
// 1, 3.5000, 3.5000, 3.5000, 3.5000 and 2, 4.5000, 15.7500, 7.8750, 7.8750, and ends with the
// count 7.8750 shown as " 8".
std::string ExplainText(std::string_view n_text, std::string_view k_text,
                        const NumberSeparators& separators,
                        const ExplainSentences& sentences = EnglishSentences());

}  // namespace morvane
