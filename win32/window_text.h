// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the window reads: a control's text as UTF-8, and a string of the resource script in
// the user's language.
#pragma once

#include <windows.h>

#include <string>

#include "morvane/explain_sentences.h"

namespace morvane::win32 {

std::string TextOf(HWND control);

// Windows picks the string table of the user's language, English when it has none.
std::wstring LoadedString(HINSTANCE instance, int id);

// The string of the explanation's first sentence; sentence i is kFirstSentence + i.
inline constexpr int kFirstSentence = 1000;

// The explanation's sentences from the string table of the user's language; English for any
// the table lacks.
ExplainSentences LoadedSentences(HINSTANCE instance);

}  // namespace morvane::win32
