// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts (the standard context menus among them) and Morvane's in the user's language,
// installed in the running application for as long as the object lives.
#pragma once

#include <QtCore/QTranslator>
#include <string_view>

namespace morvane {

// Installs Qt's translations for the language of a POSIX locale name (qtbase_*.qm from Qt's
// translations folder) and Morvane's own (built into the program), and removes them again when
// destroyed. The window's texts are translated when it is built, so construct this first.
// The C and POSIX locales, "" and languages without translations keep the English texts; a
// language with Qt's translations but none of Morvane's gets Qt's.
// Example: after Translations("it_IT.UTF-8") the result box's menu reads "Ann&ulla", ...,
// "&Copia", ..., "Copia &numero semplice"; after Translations("C") "&Undo", ..., "Copy Plain
// &Number".
class Translations {
 public:
  explicit Translations(std::string_view posix_name);
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;
  ~Translations() = default;  // each QTranslator takes itself out of the application

 private:
  QTranslator qt_;
  QTranslator morvane_;
};

}  // namespace morvane
