// Morvane: starts the application and shows its main window.
#include <QtWidgets/QApplication>

#include "morvane/frm_amain.h"
#include "morvane/translations.h"
#include "morvane/user_locale.h"
#include "morvane/version.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Morvane"));
  QApplication::setApplicationVersion(QString::fromUtf8(morvane::kVersionText));
  QApplication::setDesktopFileName(QString::fromUtf8(morvane::kAppId));

  // Messages follow LC_MESSAGES as numbers follow LC_NUMERIC: a user may read German menus
  // and write Swiss numbers.
  const morvane::Translations translations(morvane::UserLocaleName("LC_MESSAGES"));
  morvane::frmAmain window(morvane::UserSeparators());
  window.show();
  return QApplication::exec();
}
