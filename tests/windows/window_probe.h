// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests read from the native window as a user sees it: a control's text, a window of
// this thread by class, the result box's tooltip.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "morvane/form_layout.h"
#include "morvane/main_window.h"
#include "morvane/wide_text.h"

namespace morvane::win32 {

inline std::wstring Text(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The first top-level window of this thread of the class given and owned by owner (any owner
// when nullptr).
inline HWND ThreadWindow(const wchar_t* class_name, HWND owner) {
  struct Search {
    const wchar_t* class_name;
    HWND owner;
    HWND found;
  } search{class_name, owner, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND candidate, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        wchar_t name[32] = {};
        GetClassNameW(candidate, name, 32);
        if (std::wstring(name) != s.class_name) return TRUE;
        if (s.owner != nullptr && GetWindow(candidate, GW_OWNER) != s.owner) return TRUE;
        s.found = candidate;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The text of the result box's tooltip, "" when it has none.
inline std::string TooltipOf(HWND window) {
  const HWND tooltip = ThreadWindow(TOOLTIPS_CLASSW, nullptr);
  if (tooltip == nullptr) return "(no tooltip)";
  wchar_t reason[1024] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = window;
  tool.uId = reinterpret_cast<UINT_PTR>(ControlOf(window, "txtResult"));
  tool.lpszText = reason;
  SendMessageW(tooltip, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&tool));
  return Utf8FromWide(reason);
}

}  // namespace morvane::win32
