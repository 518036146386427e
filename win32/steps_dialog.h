// SPDX-License-Identifier: GPL-3.0-or-later
// The steps window: the explanation of a count, read-only, selectable, closed with Escape.
#pragma once

#include <windows.h>

#include <string>

namespace morvane::win32 {

inline constexpr int kStepsDialog = 300;
inline constexpr int kStepsText = 301;

// Shows explanation (UTF-8, lines ending in "\n") in a modal window over owner.
void ShowSteps(HWND owner, const std::string& explanation);

}  // namespace morvane::win32
