// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/translations.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QLibraryInfo>
#include <QtCore/QLocale>
#include <QtCore/QString>

#include "morvane/user_locale.h"

namespace morvane {

namespace {

// Where the build puts the compiled morvane_*.qm files among the program's resources.
constexpr const char* kMorvaneTranslations = ":/i18n";

}  // namespace

Translations::Translations(std::string_view posix_name) {
  const std::string_view name = LocaleDataName(posix_name);
  if (name.empty()) return;
  // QTranslator tries the locale's languages from the most specific: de_CH.qm, then de.qm.
  const QLocale locale(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qt_);
  }
  if (morvane_.load(locale, QStringLiteral("morvane"), QStringLiteral("_"),
                    QLatin1String(kMorvaneTranslations))) {
    QCoreApplication::installTranslator(&morvane_);
  }
}

}  // namespace morvane
