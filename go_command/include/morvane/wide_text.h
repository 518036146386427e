// SPDX-License-Identifier: GPL-3.0-or-later
// Windows' UTF-16 texts and the UTF-8 the Go command reads and writes, converted both ways.
// Windows only: the platform's own conversion, shared by the locale lookup and the window.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

// An unpaired surrogate becomes U+FFFD, as Windows converts it.
std::string Utf8FromWide(std::wstring_view wide);

// Bytes that are not UTF-8 become U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);

}  // namespace morvane
