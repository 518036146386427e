// SPDX-License-Identifier: GPL-3.0-or-later
// frmAmain as a native Windows window: the N and K boxes, the Go button and the result box in
// their fixed layout, scaled to the window's DPI. It carries texts to and from the Go command.
#pragma once

#include <windows.h>

#include <string_view>

#include "morvane/form_layout.h"

namespace morvane::win32 {

// The identifier of each control of form::kControls, which the window creates in the table's
// order: kFirstControl plus its place in the table.
inline constexpr int kFirstControl = 101;
int ControlId(const form::Control& control);

// The control of main_window that form::Find(name) describes.
HWND ControlOf(HWND main_window, std::string_view name);

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

// Creates the window, hidden, centred on its screen, with the controls, texts and names of
// form::kControls. It stays out of the taskbar through an owner window of its own, which it
// destroys with itself. Its rules are form::Session's: Go (click, Space on the button, Enter in
// any box through IsDialogMessageW) reads N and K with the user's separators of that moment,
// sets the result box and its tooltip, tells screen readers that the result box's value changed
// and shows the new steps in an open Steps window; typing into the result box drops the tooltip
// and the Go that Show Steps explains. Closing it posts WM_QUIT.
// Returns nullptr when the window cannot be created.
HWND CreateMainWindow(HINSTANCE instance);

// Brings the window of a Morvane already running on this desktop to the front, restored if it
// was minimised, and says whether there was one: a second start shows the first window rather
// than a second one exactly over it.
bool ShowRunningWindow();

// The result box's context menu as it would open now: the edit commands, then Copy Plain Number
// and Show Steps, each greyed unless form::Session offers it. The caller destroys it.
HMENU CreateResultMenu(HWND main_window);

}  // namespace morvane::win32
