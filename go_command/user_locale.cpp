// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/user_locale.h"

#include <QLocale>
#include <QString>
#include <cstdlib>

namespace morvane {

std::string UserLocaleName(const char* category_variable) {
  for (const char* variable : {"LC_ALL", category_variable, "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

std::string_view LocaleDataName(std::string_view posix_name) {
  const std::string_view name = posix_name.substr(0, posix_name.find_first_of(".@"));
  if (name == "C" || name == "POSIX") return {};
  return name;
}

NumberSeparators SeparatorsForLocale(std::string_view posix_name) {
  const std::string_view name = LocaleDataName(posix_name);
  if (name.empty()) return NumberSeparators{};

  // QLocale gives the C locale, never the system's, for a name whose language it does not
  // know, so an unknown name ends with "." and "," as well.
  const QLocale locale(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  return NumberSeparators{locale.decimalPoint().toStdString(),
                          locale.groupSeparator().toStdString()};
}

NumberSeparators UserSeparators() {
  return SeparatorsForLocale(UserLocaleName("LC_NUMERIC"));
}

}  // namespace morvane
