// SPDX-License-Identifier: GPL-3.0-or-later
// Where the Steps window goes beside the main window: a rule on screen rectangles in pixels,
// shared by the front ends that open it as a window of its own.
#pragma once

#include "morvane/form_layout.h"

namespace morvane::form {

// Pixels between the main window's frame and the Steps window's.
inline constexpr int kStepsGap = 8;

// Where a window whose frame measures wanted goes beside main_frame (both in screen
// coordinates) on a screen whose free area is screen: to its right or left, else below or
// above it, the first side where all of it fits, else the side that shows the most of it with
// its full width (a table cut on the right loses columns from every row), else the one that
// shows the most of it at all, shrunk to fit; gap pixels from main_frame, level with it where
// the side allows, never over it, and never off the screen. A screen with no room on any side
// gets it at its top-left corner, shrunk to the screen.
// Example: main_frame {767, 436, 386, 208} on {0, 0, 1920, 1080}, wanted 660 x 560: to the
// right, {1161, 436, 660, 560}.
Rect PlaceBeside(const Rect& main_frame, Size wanted, const Rect& screen, int gap = kStepsGap);

}  // namespace morvane::form
