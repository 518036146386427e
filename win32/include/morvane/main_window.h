// SPDX-License-Identifier: GPL-3.0-or-later
// frmAmain as a native Windows window: the N and K boxes, the Go button and the result box in
// their fixed layout, scaled to the window's DPI. It carries texts to and from the Go command.
#pragma once

#include <windows.h>

namespace morvane::win32 {

// The controls' identifiers, in tab order; the frame and the labels take no focus.
enum ControlId : int {
  kResultBox = 101,
  kGoButton = 102,
  kKBox = 103,
  kNBox = 104,
  kKLabel = 105,
  kNLabel = 106,
  kFrame = 107,
};

// The commands of the result box's menu; each command's text is the string with its number in
// the resource script, in the user's language. kStepsTitle is the caption of the steps window.
enum MenuCommand : int {
  kUndo = 201,
  kCut = 202,
  kCopy = 203,
  kPaste = 204,
  kDelete = 205,
  kSelectAll = 206,
  kCopyPlainNumber = 207,
  kShowSteps = 208,
  kStepsTitle = 209,
};

// Creates the window, hidden, centred on its screen, with "20", "10" and an empty result. It
// stays out of the taskbar through an owner window of its own, which it destroys with itself.
// Go (click, Space on the button, Enter in any box through IsDialogMessageW) sets the result
// box to GoCommand(N, K) with the user's separators of that moment, and the box's tooltip to
// FailureReason, empty unless the box shows "Error". Closing it posts WM_QUIT.
// Returns nullptr when the window cannot be created.
HWND CreateMainWindow(HINSTANCE instance);

// The result box's context menu as it would open now: the edit commands, then Copy Plain Number
// (greyed unless the box holds a result) and Show Steps (greyed until a Go, and once the box
// no longer shows that Go's result). The caller destroys it.
HMENU CreateResultMenu(HWND main_window);

}  // namespace morvane::win32
