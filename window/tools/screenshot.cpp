// SPDX-License-Identifier: GPL-3.0-or-later
// Renders Morvane's main window, as it opens and after one click on Go, into a PNG file for
// the documentation. Run with QT_QPA_PLATFORM=offscreen by scripts/screenshot.
#include <QtGui/QPixmap>
#include <QtWidgets/QApplication>
#include <QtWidgets/QPushButton>

#include <cstdio>

#include "morvane/frm_amain.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s SCREENSHOT.png\n", argv[0]);
    return 2;
  }
  // The documentation shows the usual comma-grouped result, whatever the local settings are.
  morvane::frmAmain window(morvane::NumberSeparators{".", ","});
  window.show();
  window.findChild<QPushButton*>(QStringLiteral("cmdGo"))->click();
  QApplication::processEvents();
  if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
