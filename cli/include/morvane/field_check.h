// SPDX-License-Identifier: GPL-3.0-or-later
// How morvane-cli takes one N or K text: cut where the window's box would cut it, and checked
// by --strict for being wholly a number.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

// The part of a text that is read: its first kBoxCapacity (4,096) bytes, all a box of the
// window would hold after a paste. Val reads a number only from ASCII, where bytes and
// characters agree, so the count is the window's for any text.
// Example: 5,000 blanks and "10" read as 4,096 blanks, which is 0.
std::string_view FieldAsBox(std::string_view text);

// For --strict: nothing when text is wholly a number (IsWholeNumber) that a box could hold;
// otherwise why not, after the field's name and the start of the text in quotes (at most 32
// bytes of it, control characters, '"' and '\' escaped).
// Examples: ("K", "10 apples") gives "K \"10 apples\" is not a number"; ("N", "") gives
// "N \"\" is not a number"; a text of 4,097 digits gives
// "N \"11111111111111111111111111111111...\" is longer than 4096 bytes".
std::string FieldComplaint(std::string_view name, std::string_view text);

}  // namespace morvane
