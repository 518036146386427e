// Morvane: starts the application and shows its main window.
#include <QtWidgets/QApplication>

#include "morvane/frm_amain.h"
#include "morvane/user_locale.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Morvane"));
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  QApplication::setDesktopFileName(QStringLiteral(MORVANE_APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" MORVANE_APP_ID ".png")));

  morvane::frmAmain window(morvane::UserSeparators());
  window.show();
  return QApplication::exec();
}
