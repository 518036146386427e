// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping a top-level window out of the taskbar, which Qt has no window flag for on X11.
#pragma once

class QWidget;

namespace morvane {

// Creates the window's native window if needed and, on X11, adds _NET_WM_STATE_SKIP_TASKBAR
// to its _NET_WM_STATE, which Qt keeps when it maps the window. Must run before the window is
// first shown: window managers read the state at map time. Elsewhere it does nothing.
void KeepOutOfTaskbar(QWidget& window);

}  // namespace morvane
