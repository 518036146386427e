// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the window reads: a control's text as UTF-8, and a string of the resource script in
// the user's language.
#pragma once

#include <windows.h>

#include <string>

namespace morvane::win32 {

std::string TextOf(HWND control);

// Windows picks the string table of the user's language, English when it has none.
std::wstring LoadedString(HINSTANCE instance, int id);

}  // namespace morvane::win32
