#include "morvane/user_locale.h"

#include <QLocale>
#include <QString>
#include <cstdlib>

namespace morvane {

NumberSeparators SeparatorsForLocale(std::string_view posix_name) {
  // "language_TERRITORY.encoding@modifier": only the part before the encoding and the
  // modifier names the locale data.
  const std::string_view name = posix_name.substr(0, posix_name.find_first_of(".@"));
  if (name.empty() || name == "C" || name == "POSIX") return NumberSeparators{};

  // QLocale gives the C locale, never the system's, for a name whose language it does not
  // know, so an unknown name ends with "." and "," as well.
  const QLocale locale(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  return NumberSeparators{locale.decimalPoint().toStdString(),
                          locale.groupSeparator().toStdString()};
}

NumberSeparators UserSeparators() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return SeparatorsForLocale(value);
  }
  return NumberSeparators{};
}

}  // namespace morvane
