// SPDX-License-Identifier: GPL-3.0-or-later
// The translations read in every language: the explanation's figures and counted nouns, and
// the access keys of every menu (the Qt window's result menu, and the Windows window's, made
// of win32/strings.rc's edit texts and the two texts it shares with the Qt window).
#include <QtCore/QFile>
#include <QtCore/QRegularExpression>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>

#include <string>
#include <utility>

#include "morvane/explain.h"
#include "morvane/frm_amain.h"
#include "morvane/translated_sentences.h"
#include "morvane/translations.h"

namespace morvane {
namespace {

// The access keys a menu text marks with "&" ("&&" is a plain "&"), upper-cased.
QString Keys(const QString& text) {
  QString keys;
  for (qsizetype at = text.indexOf('&'); at >= 0 && at + 1 < text.size();
       at = text.indexOf('&', at + 2)) {
    if (text[at + 1] != '&') keys += text[at + 1].toUpper();
  }
  return keys;
}

// The Windows menu's edit texts (201 to 206) in strings.rc's string table of one LANGUAGE.
QStringList WindowsEditTexts(int language) {
  QFile file(QStringLiteral(MORVANE_SOURCE_DIR "/win32/strings.rc"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QString tag = QStringLiteral("%1,").arg(language, 2, 16, QLatin1Char('0'));
  const QRegularExpression row(QStringLiteral(R"re(^\s*20[1-6],\s*"(.*)"$)re"),
                               QRegularExpression::MultilineOption);
  QStringList texts;
  for (const QString& block : QString::fromUtf8(file.readAll()).split("LANGUAGE 0x")) {
    if (!block.startsWith(tag, Qt::CaseInsensitive)) continue;
    for (const auto& match : row.globalMatch(block)) texts << match.captured(1);
  }
  return texts;
}

}  // namespace

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void InEveryLanguage_data();
  void InEveryLanguage();
};

void TranslationsTest::InEveryLanguage_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<int>("windows_language");  // the LANGUAGE of its string table
  QTest::addColumn<QString>("step");          // the counted noun, singular and plural
  QTest::addColumn<QString>("steps");
  QTest::addColumn<bool>("zero_is_singular");  // besides 1 and -1

  QTest::newRow("English") << "C.UTF-8" << 0x09 << "step"
                           << "steps" << false;
  QTest::newRow("Italian") << "it_IT.UTF-8" << 0x10 << "passaggio"
                           << "passaggi" << false;
  QTest::newRow("German") << "de_DE.UTF-8" << 0x07 << "Schritt"
                          << "Schritte" << false;
  QTest::newRow("French") << "fr_FR.UTF-8" << 0x0C << QStringLiteral(u"\u00E9tape")
                          << QStringLiteral(u"\u00E9tapes") << true;
}

void TranslationsTest::InEveryLanguage() {
  QFETCH(QString, locale);
  QFETCH(int, windows_language);
  QFETCH(QString, step);
  QFETCH(QString, steps);
  QFETCH(bool, zero_is_singular);
  const Translations translations(locale.toStdString());
  const ExplainSentences sentences = TranslatedSentences();

  // Under a decimal comma a figure followed by a comma seems to go on ("477,6250, ..."): no
  // sentence has a digit, or a placeholder, right before a comma.
  const QRegularExpression figure_comma(QStringLiteral("\\d,"));
  for (const std::string& sentence : sentences) {
    QVERIFY2(!QString::fromStdString(sentence).contains(figure_comma), sentence.c_str());
  }

  // A step count followed by the counted noun takes the language's number.
  for (int count = -2; count <= 3; ++count) {
    const std::string k = std::to_string(count);
    const QString line =
        QString::fromStdString(ExplainText("9", k, {",", "."}, sentences)).section('\n', 1, 1);
    const bool singular = count == 1 || count == -1 || (zero_is_singular && count == 0);
    const QRegularExpression noun(QStringLiteral("(?:^| )%1 (\\w+)").arg(count),
                                  QRegularExpression::UseUnicodePropertiesOption);
    bool named = false;
    for (const auto& match : noun.globalMatch(line)) {
      named = named || match.captured(1) == step || match.captured(1) == steps;
      QVERIFY2(match.captured(1) != (singular ? steps : step), qPrintable(line));
    }
    if (count >= 1) QVERIFY2(named, qPrintable(line));
  }

  // Every menu: one key per item, a plain letter that no other item of the menu uses.
  frmAmain window(NumberSeparators{});
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  auto* result = window.findChild<QLineEdit*>(QStringLiteral("txtResult"));
  QVERIFY(result != nullptr);
  QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5),
                            result->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(result, &request);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  QVERIFY(menu != nullptr);
  QStringList qt_menu;
  QStringList shared;  // the window's own, which the Windows window shares
  for (const QAction* action : menu->actions()) {
    if (action->isSeparator()) continue;
    qt_menu << action->text().section('\t', 0, 0);
    if (action->objectName().startsWith(QLatin1String("act"))) shared << qt_menu.last();
  }
  menu->close();
  QCOMPARE(shared.size(), 2);
  const QStringList windows_menu = WindowsEditTexts(windows_language) + shared;
  QCOMPARE(windows_menu.size(), 8);
  // Qt's own items may go without a key; the window's own have one.
  for (const auto& [items, own] : {std::pair{qt_menu, shared}, {windows_menu, windows_menu}}) {
    QString used;
    for (const QString& item : items) {
      const QString keys = Keys(item);
      QVERIFY2(keys.size() == 1 || (keys.isEmpty() && !own.contains(item)), qPrintable(item));
      QVERIFY2(!own.contains(item) || (keys[0] >= 'A' && keys[0] <= 'Z'), qPrintable(item));
      QVERIFY2(keys.isEmpty() || !used.contains(keys), qPrintable(items.join('|')));
      used += keys;
    }
  }
}

}  // namespace morvane

QTEST_MAIN(morvane::TranslationsTest)
#include "translations_test.moc"
