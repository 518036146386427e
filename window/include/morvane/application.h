// SPDX-License-Identifier: GPL-3.0-or-later
// Morvane's QApplication, made so that a machine with no display to open gets one line saying
// what to set, and exit status 1, instead of Qt's abort and its advice to reinstall.
#pragma once

#include <QtWidgets/QApplication>

#include <memory>

namespace morvane {

// The application, with the messages Qt writes while it starts held back and written once it
// has started. When Qt can open no display (no X server at DISPLAY, no Wayland compositor at
// WAYLAND_DISPLAY), writes "morvane: no display could be opened: ..." naming DISPLAY,
// WAYLAND_DISPLAY and morvane-cli, as one line on standard error, and exits with status 1.
std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv);

}  // namespace morvane
