// SPDX-License-Identifier: GPL-3.0-or-later
// Screen readers announce a window only by its accessible role; Qt gives that role to QDialog
// and QMainWindow alone, so frmAmain, a plain QWidget window, needs it given here.
#pragma once

namespace morvane {

// Has Qt describe every frmAmain as a window (QAccessible::Window: a "frame" on AT-SPI, which
// screen readers announce with its title, the caption) instead of a plain client area (a
// "filler", which they skip). Applies to windows whose accessible interface is created after
// the call; calling it again changes nothing.
void AnnounceAsWindow();

}  // namespace morvane
