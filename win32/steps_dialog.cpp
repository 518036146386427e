// SPDX-License-Identifier: GPL-3.0-or-later
#include "steps_dialog.h"

#include <windowsx.h>

#include "morvane/main_window.h"
#include "morvane/wide_text.h"
#include "window_text.h"

namespace morvane::win32 {
namespace {

struct StepsText {
  std::wstring text;
  HFONT font = nullptr;
};

// A multi-line edit box breaks lines at "\r\n" only.
std::wstring WindowsLines(const std::string& text) {
  std::wstring lines;
  for (const wchar_t c : WideFromUtf8(text)) {
    if (c == L'\n') lines += L'\r';
    lines += c;
  }
  return lines;
}

INT_PTR CALLBACK StepsProc(HWND dialog, UINT message, WPARAM w_param, LPARAM l_param) {
  switch (message) {
    case WM_INITDIALOG: {
      auto* steps = reinterpret_cast<StepsText*>(l_param);
      SetWindowLongPtrW(dialog, DWLP_USER, l_param);
      SetWindowTextW(dialog, LoadedString(GetWindowInstance(dialog), kStepsTitle).c_str());
      // The table's columns line up only in a fixed-pitch face.
      steps->font =
          CreateFontW(-MulDiv(9, static_cast<int>(GetDpiForWindow(dialog)), 72), 0, 0, 0, FW_NORMAL,
                      FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                      CLEARTYPE_QUALITY, FIXED_PITCH | FF_MODERN, L"Consolas");
      const HWND box = GetDlgItem(dialog, kStepsText);
      SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(steps->font), FALSE);
      SetWindowTextW(box, steps->text.c_str());
      // Opened at its first line, nothing selected; a dialog would select it all.
      SetFocus(box);
      SendMessageW(box, EM_SETSEL, 0, 0);
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(w_param) == IDCANCEL || LOWORD(w_param) == IDOK) EndDialog(dialog, 0);
      return TRUE;
    case WM_DESTROY:
      if (const auto* steps =
              reinterpret_cast<const StepsText*>(GetWindowLongPtrW(dialog, DWLP_USER))) {
        DeleteObject(steps->font);
      }
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void ShowSteps(HWND owner, const std::string& explanation) {
  StepsText steps{WindowsLines(explanation)};
  DialogBoxParamW(GetWindowInstance(owner), MAKEINTRESOURCEW(kStepsDialog), owner, StepsProc,
                  reinterpret_cast<LPARAM>(&steps));
}

}  // namespace morvane::win32
