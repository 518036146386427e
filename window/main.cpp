// SPDX-License-Identifier: GPL-3.0-or-later
// Morvane: starts the application and shows its main window.
#include <QtWidgets/QApplication>

#include "morvane/application.h"
#include "morvane/frm_amain.h"
#include "morvane/translations.h"
#include "morvane/user_locale.h"
#include "morvane/version.h"

int main(int argc, char** argv) {
  const auto application = morvane::OpenApplication(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Morvane"));
  QApplication::setApplicationVersion(QString::fromUtf8(morvane::kVersionText));
  QApplication::setDesktopFileName(QString::fromUtf8(morvane::kAppId));

  // Messages follow LC_MESSAGES as numbers follow LC_NUMERIC: a user may read German menus
  // and write Swiss numbers.
  const morvane::Translations translations(morvane::UserLocaleName("LC_MESSAGES"));
  // The rest of what the program shows, the standard context menu, in the window's face at
  // 9 points, where Windows would show its 9-point UI face. A line edit also lays its text out
  // once in the application's font before it takes its own: in Qt's default face, that would
  // load a second face only for that.
  QApplication::setFont(morvane::DesignFont(9.0));
  morvane::frmAmain window(morvane::UserSeparators());
  window.show();
  return QApplication::exec();
}
