// SPDX-License-Identifier: GPL-3.0-or-later
// Widget tests of the main window, run offscreen with LC_ALL=C (separators "." and ",").
#include <QtCore/QElapsedTimer>
#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtGui/QAccessible>
#include <QtGui/QClipboard>
#include <QtGui/QFontDatabase>
#include <QtGui/QFontInfo>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDialog>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTextEdit>

#include <algorithm>
#include <string_view>

#include "morvane/explain.h"
#include "morvane/form_layout.h"
#include "morvane/frm_amain.h"
#include "morvane/number_separators.h"
#include "morvane/translated_sentences.h"
#include "morvane/translations.h"
#include "morvane/user_locale.h"

namespace morvane {
namespace {

// The control called name; for the two Label1 labels, the one whose "index" property is index.
QWidget* Control(QWidget& window, const QString& name, int index = -1) {
  if (window.objectName() == name) return &window;
  for (QWidget* widget : window.findChildren<QWidget*>(name)) {
    if (index < 0 || widget->property("index").toInt() == index) return widget;
  }
  return nullptr;
}

QLineEdit* Box(QWidget& window, const char* name) {
  return window.findChild<QLineEdit*>(QLatin1String(name));
}

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The layout's face, or where it is missing the first of its stand-ins installed.
QString DesignFace() {
  for (const std::string_view face : form::kFaces) {
    if (QFontDatabase::hasFamily(Latin1(face))) return Latin1(face);
  }
  return {};
}

void TypeInto(QLineEdit* box, const QString& text) {
  box->selectAll();
  QTest::keyClicks(box, text);
}

// Whether an event posted now runs within five seconds, after those already queued (the
// repaints among them): a window that freezes never gets to it.
bool AnswersPostedEvent(QObject* receiver) {
  bool ran = false;
  QTimer::singleShot(0, receiver, [&ran] { ran = true; });
  return QTest::qWaitFor([&ran] { return ran; });
}

// Opens the result box's context menu as a right click does; the caller closes it.
QMenu* OpenResultMenu(QLineEdit* txt_result) {
  QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(10, 10),
                            txt_result->mapToGlobal(QPoint(10, 10)));
  QApplication::sendEvent(txt_result, &request);
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// About a megabyte of text: piece repeated 2^20 / its length times.
QString Megabyte(const QString& piece) {
  return piece.repeated((qsizetype{1} << 20) / piece.size());
}

}  // namespace

class FrmAmainTest : public QObject {
  Q_OBJECT

 private slots:
  void ControlsSitAtTheirDesignPlaces_data();
  void ControlsSitAtTheirDesignPlaces();
  void WindowHasAFixedClientArea();
  void TabVisitsResultGoKThenN();
  void GoAndEnterWriteTheResult();
  void PastedTextGivesTheDocumentedResult_data();
  void PastedTextGivesTheDocumentedResult();
  void ThousandClicksAlternatingWithError();
  void CopyActionGivesThePlainNumber_data();
  void CopyActionGivesThePlainNumber();
  void ResultMenuSpeaksTheUserLanguage_data();
  void ResultMenuSpeaksTheUserLanguage();
  void ControlsCarryAccessibleNamesAndRoles_data();
  void ControlsCarryAccessibleNamesAndRoles();
  void ErrorExplainsItselfInTooltipAndSteps();
};

void FrmAmainTest::ControlsSitAtTheirDesignPlaces_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<int>("index");
  QTest::addColumn<QString>("parent");
  QTest::addColumn<QRect>("twips");
  QTest::addColumn<qreal>("point_size");
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("takes_focus");

  for (const form::Control& c : form::kControls) {
    QTest::addRow("%s(%d)", c.name.data(), c.index)
        << Latin1(c.name) << c.index << (c.in_frame ? "Frame1" : "frmAmain")
        << QRect(c.left, c.top, c.width, c.height) << c.font_hundredths / 100.0
        << QString::fromUtf8(c.text.data(), qsizetype(c.text.size()))
        << (c.kind == form::ControlKind::kTextBox || c.kind == form::ControlKind::kButton);
  }
}

void FrmAmainTest::ControlsSitAtTheirDesignPlaces() {
  QFETCH(QString, name);
  QFETCH(int, index);
  QFETCH(QString, parent);
  QFETCH(QRect, twips);
  QFETCH(qreal, point_size);
  QFETCH(QString, text);
  QFETCH(bool, takes_focus);

  frmAmain window(NumberSeparators{});
  QWidget* control = Control(window, name, index);
  QVERIFY(control != nullptr);
  QCOMPARE(control->parentWidget()->objectName(), parent);
  // 15 twips to the logical pixel, none lost.
  const QRect geometry = control->geometry();
  QCOMPARE(QRect(geometry.topLeft() * form::kTwipsPerPixelAt96,
                 geometry.size() * form::kTwipsPerPixelAt96),
           twips);
  QCOMPARE(control->font().pointSizeF(), point_size);
  QCOMPARE(control->font().weight(), QFont::Normal);
  QCOMPARE(QFontInfo(control->font()).family(), DesignFace());
  const char* text_property = qobject_cast<QGroupBox*>(control) ? "title" : "text";
  QCOMPARE(control->property(text_property).toString(), text);
  QCOMPARE((control->focusPolicy() & Qt::TabFocus) != 0, takes_focus);
}

void FrmAmainTest::WindowHasAFixedClientArea() {
  frmAmain window(NumberSeparators{});
  QCOMPARE(window.objectName(), QStringLiteral("frmAmain"));
  QCOMPARE(window.windowTitle(), Latin1(form::kCaption));
  const QSize client(form::kClientWidth / form::kTwipsPerPixelAt96,
                     form::kClientHeight / form::kTwipsPerPixelAt96);
  QCOMPARE(window.size() * form::kTwipsPerPixelAt96,
           QSize(form::kClientWidth, form::kClientHeight));
  QCOMPARE(window.minimumSize(), client);
  QCOMPARE(window.maximumSize(), client);
  QCOMPARE(window.font().pointSizeF(), form::kWindowFontHundredths / 100.0);
  QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
  QCOMPARE(window.windowIcon().availableSizes(), QList<QSize>{QSize(48, 48)});
  for (auto* label : window.findChildren<QLabel*>()) {
    QCOMPARE(label->minimumSize(), label->maximumSize());
  }
}

void FrmAmainTest::TabVisitsResultGoKThenN() {
  // The controls that take the focus, in the table's tab order.
  QList<const form::Control*> order;
  for (const form::Control& c : form::kControls) {
    if (c.kind == form::ControlKind::kTextBox || c.kind == form::ControlKind::kButton) {
      order << &c;
    }
  }
  std::sort(order.begin(), order.end(),
            [](auto* a, auto* b) { return a->tab_index < b->tab_index; });
  frmAmain window(NumberSeparators{});
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QCOMPARE(QApplication::focusWidget()->objectName(), Latin1(order.front()->name));

  for (qsizetype i = 1; i <= order.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), Latin1(order[i % order.size()]->name));
  }
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
  QCOMPARE(QApplication::focusWidget()->objectName(), Latin1(order.back()->name));
}

void FrmAmainTest::GoAndEnterWriteTheResult() {
  frmAmain window(UserSeparators());
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QLineEdit* txt_n = Box(window, "txtN");
  QLineEdit* txt_k = Box(window, "txtK");
  QLineEdit* txt_result = Box(window, "txtResult");

  // Each step types into N and K (nothing when empty), then clicks Go or presses a key in one
  // box or on Go; results replace each other, and the inputs stay as typed.
  struct Step {
    const char* n;
    const char* k;
    QWidget* target;
    Qt::Key key;  // Qt::Key_unknown: a mouse click on Go
    const char* result;
  };
  QWidget* go = Control(window, QStringLiteral("cmdGo"));
  const Step steps[] = {
      {"", "", go, Qt::Key_unknown, " 184,756"},
      {"49", "24", txt_n, Qt::Key_Return, "Error"},
      {"48", "", txt_k, Qt::Key_Enter, " 32,247,603,683,100"},
      {"49", "", txt_result, Qt::Key_Return, "Error"},
      {"20", "10", txt_result, Qt::Key_Enter, " 184,756"},
      {"48", "24", go, Qt::Key_Return, " 32,247,603,683,100"},
      {"49", "", go, Qt::Key_Enter, "Error"},
  };
  for (const Step& step : steps) {
    if (*step.n != '\0') TypeInto(txt_n, QLatin1String(step.n));
    if (*step.k != '\0') TypeInto(txt_k, QLatin1String(step.k));
    const QString n_before = txt_n->text();
    const QString k_before = txt_k->text();
    if (step.key == Qt::Key_unknown) {
      QTest::mouseClick(step.target, Qt::LeftButton);
    } else {
      QTest::keyClick(step.target, step.key);
    }
    QCOMPARE(txt_result->text(), QLatin1String(step.result));
    QCOMPARE(txt_n->text(), n_before);
    QCOMPARE(txt_k->text(), k_before);
  }
}

void FrmAmainTest::PastedTextGivesTheDocumentedResult_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("result");

  // The other box keeps its start text, N 20 or K 10. A box keeps the first kBoxCapacity
  // characters of a paste; only ASCII digits are digits, only ASCII blanks are skipped, and
  // reading stops at anything else.
  const QString zeros = QString(frmAmain::kBoxCapacity - 2, QLatin1Char('0'));
  const QString other_scripts =
      QStringLiteral(u"\u0662\u0660\u4E8C\uD55C\uAD6D\U0001F642\u200F\u00A0");
  QTest::newRow("megabyte of digits in N") << "txtN" << Megabyte(QStringLiteral("9")) << "Error";
  QTest::newRow("megabyte of digits in K") << "txtK" << Megabyte(QStringLiteral("1")) << "Error";
  QTest::newRow("megabyte of letters in N") << "txtN" << Megabyte(QStringLiteral("a")) << " 0";
  QTest::newRow("megabyte of letters in K") << "txtK" << Megabyte(QStringLiteral("k")) << " 1";
  QTest::newRow("megabyte of other scripts after 9") << "txtK"
                                                     << "9" + Megabyte(other_scripts) << " 167,960";
  QTest::newRow("20 ends where the box ends")
      << "txtN" << zeros + "20" + Megabyte(QStringLiteral("0")) << " 184,756";
  QTest::newRow("20 ends one past the box") << "txtN" << zeros + "020"
                                            << " 0";
  QTest::newRow("Arabic-Indic digits") << "txtN" << QStringLiteral(u"\u0661\u0669") << " 0";
  QTest::newRow("fullwidth digit") << "txtK" << QStringLiteral(u"\uFF19") << " 1";
  QTest::newRow("CJK numerals after 19")
      << "txtN" << QStringLiteral(u"19\u4E8C\u5341") << " 92,378";
  QTest::newRow("emoji inside 19") << "txtN" << QStringLiteral(u"1\U0001F6429") << " 0";
  QTest::newRow("right-to-left mark before 19") << "txtN" << QStringLiteral(u"\u200F19") << " 0";
  QTest::newRow("no-break space before 9") << "txtK" << QStringLiteral(u"\u00A09") << " 1";
  QTest::newRow("lone surrogate inside 19")
      << "txtN" << QStringLiteral("1") + QChar(0xD800) + QStringLiteral("9") << " 0";
}

void FrmAmainTest::PastedTextGivesTheDocumentedResult() {
  QFETCH(QString, box);
  QFETCH(QString, pasted);
  QFETCH(QString, result);

  frmAmain window(UserSeparators());
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QLineEdit* target = Box(window, qPrintable(box));
  QLineEdit* txt_result = Box(window, "txtResult");
  QWidget* go = Control(window, QStringLiteral("cmdGo"));

  // Pasted with Ctrl+V over the selected start text, then Go takes the focus from the box and
  // the box repaints. Each step counts until the window has run its queued events.
  QGuiApplication::clipboard()->setText(pasted);
  target->setFocus();
  target->selectAll();
  QElapsedTimer timer;
  timer.start();
  QTest::keySequence(target, QKeySequence::Paste);
  QVERIFY(AnswersPostedEvent(&window));
  const qint64 paste_ns = timer.nsecsElapsed();
  timer.restart();
  QTest::mouseClick(go, Qt::LeftButton);
  QVERIFY(AnswersPostedEvent(&window));
  const qint64 go_ns = timer.nsecsElapsed();
  qInfo("%lld characters pasted: paste %.1f ms, Go %.1f ms", static_cast<long long>(pasted.size()),
        static_cast<double>(paste_ns) / 1e6, static_cast<double>(go_ns) / 1e6);
  QCOMPARE(target->text(), pasted.left(frmAmain::kBoxCapacity));
  QCOMPARE(txt_result->text(), result);

  // The window goes on as before: typing into the box and another click.
  target->setFocus();
  QVERIFY(AnswersPostedEvent(&window));
  TypeInto(Box(window, "txtN"), QStringLiteral("48"));
  TypeInto(Box(window, "txtK"), QStringLiteral("24"));
  QTest::mouseClick(go, Qt::LeftButton);
  QCOMPARE(txt_result->text(), QStringLiteral(" 32,247,603,683,100"));
}

void FrmAmainTest::ThousandClicksAlternatingWithError() {
  // The sanitizer build runs this with leak detection; objects kept by the window would
  // escape it, so their number is checked too.
  frmAmain window(UserSeparators());
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QLineEdit* txt_n = Box(window, "txtN");
  QLineEdit* txt_result = Box(window, "txtResult");
  QWidget* go = Control(window, QStringLiteral("cmdGo"));
  Box(window, "txtK")->setText(QStringLiteral("24"));
  const qsizetype objects = window.findChildren<QObject*>().size();

  for (int click = 0; click < 1000; ++click) {
    const bool error = click % 2 == 1;
    txt_n->setText(error ? QStringLiteral("49") : QStringLiteral("48"));
    QTest::mouseClick(go, Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(txt_result->text(),
             error ? QStringLiteral("Error") : QStringLiteral(" 32,247,603,683,100"));
  }
  QCOMPARE(window.findChildren<QObject*>().size(), objects);
}

void FrmAmainTest::CopyActionGivesThePlainNumber_data() {
  QTest::addColumn<QString>("decimal");
  QTest::addColumn<QString>("thousands");
  QTest::addColumn<QString>("n");
  QTest::addColumn<QString>("k");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<bool>("enabled");
  QTest::addColumn<QString>("copied");

  QTest::newRow("comma") << "."
                         << ","
                         << "20"
                         << "10"
                         << " 184,756" << true << "184756";
  QTest::newRow("period") << ","
                          << "."
                          << "20"
                          << "10"
                          << " 184.756" << true << "184756";
  QTest::newRow("narrow no-break space")
      << "," << QString(QChar(0x202F)) << "48"
      << "24" << QString(" 32\u202F247\u202F603\u202F683\u202F100") << true << "32247603683100";
  QTest::newRow("negative") << "."
                            << ","
                            << "-1"
                            << "3"
                            << " -1" << true << "-1";
  QTest::newRow("error") << "."
                         << ","
                         << "49"
                         << "24"
                         << "Error" << false << "(unchanged)";
}

void FrmAmainTest::CopyActionGivesThePlainNumber() {
  QFETCH(QString, decimal);
  QFETCH(QString, thousands);
  QFETCH(QString, n);
  QFETCH(QString, k);
  QFETCH(QString, shown);
  QFETCH(bool, enabled);
  QFETCH(QString, copied);

  frmAmain window(NumberSeparators{decimal.toStdString(), thousands.toStdString()});
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  Box(window, "txtN")->setText(n);
  Box(window, "txtK")->setText(k);
  QTest::mouseClick(Control(window, QStringLiteral("cmdGo")), Qt::LeftButton);
  QLineEdit* txt_result = Box(window, "txtResult");
  QCOMPARE(txt_result->text(), shown);

  QGuiApplication::clipboard()->setText(QStringLiteral("(unchanged)"));
  QMenu* menu = OpenResultMenu(txt_result);
  QVERIFY(menu != nullptr);
  QAction* standard_copy = nullptr;
  QAction* copy_number = nullptr;
  for (QAction* action : menu->actions()) {
    if (action->text().startsWith(QLatin1String("&Copy"))) standard_copy = action;
    if (action->objectName() == QLatin1String("actCopyNumber")) copy_number = action;
  }
  QVERIFY(standard_copy != nullptr);
  QVERIFY(copy_number != nullptr);
  QCOMPARE(copy_number->isEnabled(), enabled);
  copy_number->trigger();
  menu->close();

  QCOMPARE(QGuiApplication::clipboard()->text(), copied);
  QCOMPARE(txt_result->text(), shown);
}

void FrmAmainTest::ResultMenuSpeaksTheUserLanguage_data() {
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QString>("copy");  // Qt's own entry
  QTest::addColumn<QString>("copy_number");
  QTest::addColumn<QString>("show_steps");
  QTest::addColumn<QString>("reason");  // how the tooltip of 49 and 24 begins

  QTest::newRow("Italian") << "it_IT.UTF-8"
                           << "&Copia"
                           << "Copia &numero semplice" << QStringLiteral(u"Mostra &passaggi\u2026")
                           << "Il passaggio 24 di 24 calcola il prodotto";
  QTest::newRow("German") << "de_DE.UTF-8"
                          << "&Kopieren"
                          << "Reine &Zahl kopieren" << QStringLiteral(u"&Schritte anzeigen\u2026")
                          << "Schritt 24 von 24 berechnet das Produkt";
  QTest::newRow("French") << "fr_FR.UTF-8"
                          << "Cop&ier"
                          << "Copier le &nombre brut"
                          << QStringLiteral(u"A&fficher les \u00E9tapes\u2026")
                          << QStringLiteral(u"L\u2019\u00E9tape 24 sur 24 calcule le produit");
  QTest::newRow("Swiss German falls back to German")
      << "de_CH"
      << "&Kopieren"
      << "Reine &Zahl kopieren" << QStringLiteral(u"&Schritte anzeigen\u2026")
      << "Schritt 24 von 24 berechnet das Produkt";
  QTest::newRow("Spanish: Qt's texts only")
      << "es_ES.UTF-8"
      << "&Copiar"
      << "Copy Plain &Number" << QStringLiteral(u"Show &Steps\u2026")
      << "Step 24 of 24 computes the product";
  QTest::newRow("Hebrew, written right to left")
      << "he_IL.UTF-8" << QStringLiteral(u"\u05D4\u05E2&\u05EA\u05E7") << "Copy Plain &Number"
      << QStringLiteral(u"Show &Steps\u2026") << "Step 24 of 24 computes the product";
  QTest::newRow("C") << "C.UTF-8"
                     << "&Copy"
                     << "Copy Plain &Number" << QStringLiteral(u"Show &Steps\u2026")
                     << "Step 24 of 24 computes the product";
}

void FrmAmainTest::ResultMenuSpeaksTheUserLanguage() {
  QFETCH(QString, locale);
  QFETCH(QString, copy);
  QFETCH(QString, copy_number);
  QFETCH(QString, show_steps);
  QFETCH(QString, reason);

  const Translations translations(locale.toStdString());
  frmAmain window(NumberSeparators{});
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QMenu* menu = OpenResultMenu(Box(window, "txtResult"));
  QVERIFY(menu != nullptr);
  // Turned around with the application, not kept left to right with the window.
  QCOMPARE(menu->layoutDirection(), QGuiApplication::layoutDirection());
  QStringList texts;
  // Without the shortcut that follows a tab ("&Copy\tCtrl+C").
  for (const QAction* action : menu->actions()) {
    texts << action->text().section(QLatin1Char('\t'), 0, 0);
    // Before a Go there is nothing to explain.
    if (action->objectName() == QLatin1String("actShowSteps")) QVERIFY(!action->isEnabled());
  }
  menu->close();
  QVERIFY2(texts.contains(copy), qPrintable(texts.join(QLatin1Char('|'))));
  QVERIFY2(texts.contains(copy_number), qPrintable(texts.join(QLatin1Char('|'))));
  QVERIFY2(texts.contains(show_steps), qPrintable(texts.join(QLatin1Char('|'))));
  // The caption, the controls' texts and the drawn layout, left to right, are the same in every
  // language.
  QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
  QCOMPARE(window.windowTitle(), Latin1(form::kCaption));
  QCOMPARE(Control(window, QStringLiteral("cmdGo"))->property("text").toString(),
           Latin1(form::Find("cmdGo").text));
  Box(window, "txtN")->setText(QStringLiteral("49"));
  Box(window, "txtK")->setText(QStringLiteral("24"));
  QTest::keyClick(Box(window, "txtResult"), Qt::Key_Return);
  QVERIFY2(Box(window, "txtResult")->toolTip().startsWith(reason),
           qPrintable(Box(window, "txtResult")->toolTip()));
}

void FrmAmainTest::ControlsCarryAccessibleNamesAndRoles_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QAccessible::Role>("role");
  QTest::addColumn<int>("label_index");

  // A screen reader announces the window by its role: a plain client area goes unannounced.
  QTest::newRow("window") << "frmAmain" << Latin1(form::kCaption) << QAccessible::Window << -1;
  for (const form::Control& c : form::kControls) {
    if (c.kind != form::ControlKind::kTextBox) continue;
    const form::Control* label = form::LabelOf(c);
    QTest::newRow(c.name.data()) << Latin1(c.name) << Latin1(c.accessible_name)
                                 << QAccessible::EditableText << (label ? label->index : -1);
  }
}

void FrmAmainTest::ControlsCarryAccessibleNamesAndRoles() {
  QFETCH(QString, control);
  QFETCH(QString, name);
  QFETCH(QAccessible::Role, role);
  QFETCH(int, label_index);

  frmAmain window(NumberSeparators{});
  QWidget* widget = Control(window, control);
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  QVERIFY(accessible != nullptr);
  QCOMPARE(accessible->text(QAccessible::Name), name);
  QCOMPARE(accessible->role(), role);
  if (label_index >= 0) {
    auto* label = qobject_cast<QLabel*>(Control(window, QStringLiteral("Label1"), label_index));
    QVERIFY(label != nullptr);
    QCOMPARE(label->buddy(), widget);
  }
}

void FrmAmainTest::ErrorExplainsItselfInTooltipAndSteps() {
  // The window's English sentences, which its translations translate, are the library's.
  QVERIFY(TranslatedSentences() == EnglishSentences());
  frmAmain window(UserSeparators());
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QLineEdit* txt_result = Box(window, "txtResult");
  Box(window, "txtN")->setText(QStringLiteral("49"));
  Box(window, "txtK")->setText(QStringLiteral("24"));
  QTest::keyClick(txt_result, Qt::Key_Return);
  QCOMPARE(txt_result->text(), QStringLiteral("Error"));
  const QString reason = QStringLiteral(
      "Step 24 of 24 computes the product: the running value 30,957,699,535,776 times the factor "
      "49 is 1,516,927,277,253,024 and so exceeds the largest value 922,337,203,685,477.5807.");
  QCOMPARE(txt_result->toolTip(), reason);
  // N edited since that Go: Show Steps still explains what the result box shows.
  Box(window, "txtN")->setText(QStringLiteral("48"));

  // Shift+F10 opens the menu as the Menu key does.
  QTest::keyClick(txt_result, Qt::Key_F10, Qt::ShiftModifier);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  QVERIFY(menu != nullptr);
  QAction* show_steps = nullptr;
  for (QAction* action : menu->actions()) {
    if (action->objectName() == QLatin1String("actShowSteps")) show_steps = action;
  }
  QVERIFY(show_steps != nullptr);
  QCOMPARE(show_steps->text(), QStringLiteral("Show &Steps…"));
  show_steps->trigger();
  menu->close();

  QPointer<QDialog> dialog = window.findChild<QDialog*>(QStringLiteral("dlgSteps"));
  QVERIFY(dialog != nullptr);
  QVERIFY(QTest::qWaitForWindowActive(dialog));
  auto* steps = dialog->findChild<QTextEdit*>(QStringLiteral("txtSteps"));
  QVERIFY(steps != nullptr);
  QVERIFY(steps->isReadOnly());
  QVERIFY(QFontInfo(steps->font()).fixedPitch());
  const QString explanation = QString::fromStdString(ExplainText("49", "24", UserSeparators()));
  QCOMPARE(steps->toPlainText(), explanation);
  QVERIFY(explanation.endsWith(reason + "\n"));
  steps->setFocus();
  QTest::keySequence(steps, QKeySequence::SelectAll);
  QTest::keySequence(steps, QKeySequence::Copy);
  QCOMPARE(QGuiApplication::clipboard()->text(), explanation);
  // Beside the window, on its screen.
  QVERIFY(!dialog->frameGeometry().intersects(window.frameGeometry()));
  QVERIFY(window.screen()->availableGeometry().contains(dialog->frameGeometry()));
  QTest::keyClick(steps, Qt::Key_Escape);
  QTRY_VERIFY(!dialog->isVisible());
  // The window is active again, its focus where it was.
  QTRY_VERIFY(window.isActiveWindow());
  QCOMPARE(window.focusWidget(), txt_result);
  show_steps->trigger();
  QCOMPARE(window.findChildren<QDialog*>().size(), 1);
  // Open, it follows the next Go.
  QTest::keyClick(txt_result, Qt::Key_Return);
  QCOMPARE(steps->toPlainText(), QString::fromStdString(ExplainText("48", "24", UserSeparators())));
  QTest::keyClick(dialog, Qt::Key_Escape);
  Box(window, "txtN")->setText(QStringLiteral("49"));
  QTest::keyClick(txt_result, Qt::Key_Return);
  QCOMPARE(txt_result->text(), QStringLiteral("Error"));

  // A count has no tooltip, nor has a box the user typed into.
  Box(window, "txtN")->setText(QStringLiteral("48"));
  QTest::keyClick(txt_result, Qt::Key_Return);
  QCOMPARE(txt_result->text(), QStringLiteral(" 32,247,603,683,100"));
  QCOMPARE(txt_result->toolTip(), QString());
  Box(window, "txtN")->setText(QStringLiteral("49"));
  QTest::keyClick(txt_result, Qt::Key_Return);
  QVERIFY(!txt_result->toolTip().isEmpty());
  QTest::keyClicks(txt_result, QStringLiteral("x"));
  QCOMPARE(txt_result->toolTip(), QString());
  // Nor is a box the user typed into explained.
  menu = OpenResultMenu(txt_result);
  QVERIFY(menu != nullptr);
  QVERIFY(!show_steps->isEnabled());
  menu->close();
}

}  // namespace morvane

QTEST_MAIN(morvane::FrmAmainTest)
#include "frm_amain_test.moc"
