// SPDX-License-Identifier: GPL-3.0-or-later
// How the window draws each kind of control of the form's table: its Windows class and styles.
#pragma once

#include <windows.h>

#include "morvane/form_layout.h"

namespace morvane::win32 {

struct KindStyle {
  const wchar_t* window_class;
  DWORD style;
  DWORD extended_style;
};

// A group box passes no WM_COMMAND on to its parent, so the controls drawn over the frame are
// its siblings, created before it.
constexpr KindStyle StyleOf(form::ControlKind kind) {
  switch (kind) {
    case form::ControlKind::kTextBox:
      return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE};
    case form::ControlKind::kButton:
      return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0};
    case form::ControlKind::kLabel:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case form::ControlKind::kFrame:
      break;
  }
  return {L"BUTTON", BS_GROUPBOX, 0};
}

}  // namespace morvane::win32
