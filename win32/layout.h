// SPDX-License-Identifier: GPL-3.0-or-later
// The window's layout in twips, as it was drawn, and its conversion to pixels at a DPI.
#pragma once

#include <windows.h>

#include <array>

#include "morvane/main_window.h"

namespace morvane::win32 {

struct ControlPlace {
  ControlId id;
  const wchar_t* window_class;
  const wchar_t* text;
  DWORD style;
  DWORD extended_style;
  // Relative to the frame's top-left corner for the controls inside it.
  int left;
  int top;
  int width;
  int height;
  int hundredths_of_point;
  bool in_frame;
};

inline constexpr int kClientWidth = 5760;
inline constexpr int kClientHeight = 2625;
inline constexpr int kWindowFontHundredths = 900;

// In tab order, which is creation order; the frame comes last, below the controls it holds,
// which are its siblings: a group box passes no WM_COMMAND on to its parent.
inline constexpr DWORD kBox = WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
inline constexpr std::array<ControlPlace, 7> kControls{{
    {kResultBox, L"EDIT", L"", kBox, WS_EX_CLIENTEDGE, 330, 1470, 4575, 450, 1425, true},
    {kGoButton, L"BUTTON", L"Go", WS_TABSTOP | BS_PUSHBUTTON, 0, 1680, 360, 3195, 975, 1425, true},
    {kKBox, L"EDIT", L"10", kBox, WS_EX_CLIENTEDGE, 900, 960, 615, 420, 1125, true},
    {kNBox, L"EDIT", L"20", kBox, WS_EX_CLIENTEDGE, 900, 360, 615, 420, 1125, true},
    {kKLabel, L"STATIC", L"K:", SS_LEFT | SS_NOPREFIX, 0, 510, 1020, 240, 330, 1125, true},
    {kNLabel, L"STATIC", L"N:", SS_LEFT | SS_NOPREFIX, 0, 480, 420, 270, 330, 1125, true},
    {kFrame, L"BUTTON", L"", BS_GROUPBOX, 0, 270, 240, 5235, 2145, kWindowFontHundredths, false},
}};
inline constexpr const ControlPlace& kFramePlace = kControls.back();

// Twips to pixels at dpi, rounded half up as the platform's MulDiv rounds.
inline int Pixels(int twips, int dpi) {
  return MulDiv(twips, dpi, 1440);
}

// The control's rectangle in the window's client area, in pixels at dpi.
RECT PlaceAt(const ControlPlace& place, int dpi);

}  // namespace morvane::win32
