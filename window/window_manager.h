// SPDX-License-Identifier: GPL-3.0-or-later
// What a top-level window asks of an X11 window manager before its first show, which Qt has no
// API for: staying out of the taskbar, the frame it will get, and activation once mapped.
#pragma once

#include <QtCore/QMargins>

class QWidget;

namespace morvane {

// Creates the window's native window if needed and, on X11, adds _NET_WM_STATE_SKIP_TASKBAR
// to its _NET_WM_STATE, which Qt keeps when it maps the window. Must run before the window is
// first shown: window managers read the state at map time. Elsewhere it does nothing.
void KeepOutOfTaskbar(QWidget& window);

// On X11, declares the window a toolbar (_NET_WM_WINDOW_TYPE_TOOLBAR, then
// _NET_WM_WINDOW_TYPE_NORMAL for managers that do not know it), the one type of a framed window
// with a title that openbox gives neither a minimise nor a maximise button or action: it draws both
// for normal, dialog and utility windows whatever _MOTIF_WM_HINTS asks. Managers that follow the
// type keep such a window out of the taskbar too. Must run before the window is first shown;
// elsewhere it does nothing.
void AskForNoMinimiseButton(QWidget& window);

// On X11, asks the window manager to list the mapped window in the taskbar, or to keep it out
// (_NET_WM_STATE_SKIP_TASKBAR): a window kept out of the taskbar that some manager minimises
// anyway must be listed there while minimised, or nothing on screen brings it back.
// Elsewhere it does nothing.
void ListInTaskbar(QWidget& window, bool listed);

// The frame (title bar and borders) the X11 window manager will put around the window, as it
// estimates it on request (_NET_REQUEST_FRAME_EXTENTS) before the window is mapped: openbox's
// default theme answers left 1, right 1, top 22, bottom 1. No margins where there is no window
// manager, where it does not answer within half a second, and off X11. Call it after setting
// every window property the manager may base its frame on (KeepOutOfTaskbar among them); it
// creates the native window, so a later QWidget::move places the client area, not the frame.
QMargins ExpectedFrame(QWidget& window);

// On X11, asks the window manager to activate the window as soon as it is mapped (Qt sends
// _NET_ACTIVE_WINDOW on the MapNotify). openbox, for one, gives the focus on map only to
// windows shown in the taskbar, so a window kept out of it must ask. Call before the first
// show. Elsewhere it does nothing: the window system activates new windows itself.
void ActivateWhenMapped(QWidget& window);

}  // namespace morvane
