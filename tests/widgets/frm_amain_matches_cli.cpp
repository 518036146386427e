// SPDX-License-Identifier: GPL-3.0-or-later
// The main window against morvane-cli, offscreen: a few thousand N and K texts, from the fuzzing
// corpora and drawn here, typed into the real boxes (key by key, or pasted), Go pressed, and the
// result box compared with what morvane-cli prints for the same texts under the same locale, the
// tooltip with the reason that ends morvane-cli --explain and the Steps window with all of it.
#include <QtCore/QDir>
#include <QtCore/QElapsedTimer>
#include <QtCore/QProcess>
#include <QtGui/QTextDocument>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QDialog>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QTextEdit>

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <string>

#include "morvane/explain.h"
#include "morvane/frm_amain.h"
#include "morvane/user_locale.h"

namespace morvane {
namespace {

struct Case {
  QString n;
  QString k;
};

// Four languages' separators: ". ,", ", .", ", U+202F", ". U+2019".
constexpr std::array<const char*, 4> kLocales = {"en_US.UTF-8", "it_IT.UTF-8", "fr_FR.UTF-8",
                                                 "de_CH.UTF-8"};

// The N and K texts in the corpora: go_command's and migliaia's "DECIMAL\nTHOUSANDS\n..."
// (their separators are the fuzzer's, not a locale's, and are left out), val's texts, and
// cli_lines' input lines after the byte of settings, cut at the first tab.
QList<Case> CorpusCases(const QString& root) {
  QList<Case> cases;
  const auto each_file = [&root](const char* folder, const auto& take) {
    const QDir dir(root + QLatin1Char('/') + QLatin1String(folder));
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
      QFile file(dir.filePath(name));
      if (file.open(QIODevice::ReadOnly)) take(file.readAll());
    }
  };
  each_file("go_command", [&cases](const QByteArray& bytes) {
    const QList<QByteArray> fields = bytes.split('\n');
    if (fields.size() < 4) return;
    cases.append({QString::fromUtf8(fields[2]), QString::fromUtf8(fields.mid(3).join('\n'))});
  });
  each_file("migliaia", [&cases](const QByteArray& bytes) {
    const QList<QByteArray> fields = bytes.split('\n');
    if (fields.size() >= 3) cases.append({QString::fromUtf8(fields.mid(2).join('\n')), "2"});
  });
  each_file("val", [&cases](const QByteArray& bytes) {
    cases.append({QString::fromUtf8(bytes), "3"});
    cases.append({"40", QString::fromUtf8(bytes)});
  });
  each_file("cli_lines", [&cases](const QByteArray& bytes) {
    for (const QByteArray& line : bytes.mid(1).split('\n')) {
      const qsizetype tab = line.indexOf('\t');
      if (tab >= 0)
        cases.append({QString::fromUtf8(line.left(tab)), QString::fromUtf8(line.mid(tab + 1))});
    }
  });
  return cases;
}

// Whole counts around every N up to past the overflow, numbers written the ways four languages
// write them crossed with odd texts, and random texts of number characters.
QList<Case> DrawnCases() {
  QList<Case> cases;
  for (int n = 0; n <= 70; ++n) {
    for (const int k : {0, 1, 2, n / 2, n - 1, n, n + 1})
      cases.append({QString::number(n), QString::number(k)});
  }
  const QStringList numbers =
      QStringLiteral(
          u"5.5|2,5|-0.5|10.4999|0.5001|1.000|1,000|1 000|1\u202F000|1\u2019000|1e3|"
          u"2.5e1|.5|-1|922337203685477|1e15|32767|32766|100|90|49|24|48|12.5|7,25")
          .split(QLatin1Char('|'));
  const QStringList odd =
      QStringLiteral(
          u"| |abc|20 apples|2 0|&H14|&O24|&h1F|1d1|+20|--5|-|\u00BD|\uFF12\uFF10|"
          u"\u00A020|\u0662\u0660|20\u202F|1,2,3|Error| 184,756|\U0001F642|1E+2|0x10|"
          u"\u22125")
          .split(QLatin1Char('|'));
  for (const QString& a : numbers) {
    for (const QString& b : numbers) cases.append({a, b});
    for (const QString& b : odd) {
      cases.append({a, b});
      cases.append({b, a});
    }
  }
  const QString pieces = QStringLiteral(u"0123456789., -+ed&H\u202F\u2019\u00A0\u00E9");
  std::mt19937 draw(21);  // a fixed start: every run draws the same texts
  const auto text = [&] {
    QString drawn;
    for (auto length = draw() % 11; length > 0; --length)
      drawn += pieces[qsizetype(draw() % pieces.size())];
    return drawn;
  };
  for (int i = 0; i < 1000; ++i) cases.append({text(), text()});
  return cases;
}

// A line of standard input holds no line break and no tab but the one between N and K.
QString OneLine(QString text) {
  for (const char c : {'\t', '\n', '\r'}) text.replace(QLatin1Char(c), QLatin1Char(' '));
  return text;
}

QProcess* StartCli(const char* locale, const QStringList& arguments) {
  auto* cli = new QProcess;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LC_ALL", QLatin1String(locale));
  cli->setProcessEnvironment(environment);
  cli->start(QStringLiteral(MORVANE_CLI), arguments);
  return cli;
}

// What the process printed once it has ended, or "" and a failure when it did not end by
// itself with status 0. The some fifty processes start together, so on a busy machine one may
// take longer than any fixed wait: only the test's own time limit bounds it.
QString Finished(QProcess& cli) {
  // waitForFinished is false for a process that has already ended.
  if (cli.state() != QProcess::NotRunning) cli.waitForFinished(-1);
  if (cli.state() != QProcess::NotRunning || cli.error() == QProcess::FailedToStart ||
      cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0) {
    QTest::qFail(qPrintable(QStringLiteral("morvane-cli %1: %2, status %3")
                                .arg(cli.arguments().join(QLatin1Char(' ')).left(80),
                                     cli.errorString(), QString::number(cli.exitCode()))),
                 __FILE__, __LINE__);
    return {};
  }
  return QString::fromUtf8(cli.readAllStandardOutput());
}

// Typed key by key, one key per character (a pair of surrogates is one key), the start text
// selected first, as a user types over it; or pasted over it.
void TypeInto(QLineEdit* box, const QString& text, bool by_keys) {
  box->setFocus();
  box->selectAll();
  if (!by_keys) {
    box->insert(text);
    return;
  }
  if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
    i += length - 1;
  }
}

bool Typeable(const QString& text) {
  const QList<uint> characters = text.toUcs4();
  return text.size() <= 64 &&
         std::ranges::all_of(characters, [](uint c) { return QChar::isPrint(c); });
}

// The Steps window's text with its line breaks, and no-break spaces kept.
QString StepsText(const QTextEdit* steps) {
  return steps->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

}  // namespace

class FrmAmainMatchesCli : public QObject {
  Q_OBJECT

 private slots:
  void EveryCaseShowsWhatMorvaneCliPrints();
};

void FrmAmainMatchesCli::EveryCaseShowsWhatMorvaneCliPrints() {
  QElapsedTimer timer;
  timer.start();
  QList<Case> all = CorpusCases(QStringLiteral(MORVANE_CORPUS));
  const qsizetype from_corpora = all.size();
  QVERIFY(from_corpora > 200);
  all += DrawnCases();
  // Each language takes every fourth case; one morvane-cli reads all of its cases, and a sample
  // of them, in pairs, is explained by morvane-cli --explain, one process each.
  constexpr qsizetype kEveryNth = 150;
  std::array<QList<Case>, kLocales.size()> cases;
  std::array<std::unique_ptr<QProcess>, kLocales.size()> counts;
  std::array<QMap<qsizetype, std::shared_ptr<QProcess>>, kLocales.size()> explained;
  for (qsizetype i = 0; i < all.size(); ++i) {
    cases[std::size_t(i) % kLocales.size()].append({OneLine(all[i].n), OneLine(all[i].k)});
  }
  for (std::size_t l = 0; l < kLocales.size(); ++l) {
    QByteArray input;
    for (qsizetype i = 0; i < cases[l].size(); ++i) {
      const Case& c = cases[l][i];
      input += c.n.toUtf8() + '\t' + c.k.toUtf8() + '\n';
      // Arguments hold no NUL.
      if (i % kEveryNth < 2 && !(c.n + c.k).contains(QChar(0))) {
        explained[l][i].reset(StartCli(kLocales[l], {"--explain", "--", c.n, c.k}));
      }
    }
    counts[l].reset(StartCli(kLocales[l], {}));
    counts[l]->write(input);
    counts[l]->closeWriteChannel();
  }

  QStringList mismatches;
  const auto differ = [&mismatches](const char* locale, const Case& c, const QString& what,
                                    const QString& window, const QString& cli) {
    if (window == cli) return;
    mismatches << QStringLiteral("%1, N \"%2\", K \"%3\": %4 \"%5\", morvane-cli \"%6\"")
                      .arg(QLatin1String(locale), c.n.left(40), c.k.left(40), what,
                           window.left(200), cli.left(200));
  };
  qsizetype by_keys = 0;
  qsizetype errors = 0;
  for (std::size_t l = 0; l < kLocales.size(); ++l) {
    const QStringList printed = Finished(*counts[l]).split(QLatin1Char('\n'));
    QCOMPARE(printed.size(), cases[l].size() + 1);
    const NumberSeparators separators = SeparatorsForLocale(kLocales[l]);
    frmAmain window(separators);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* txt_n = window.findChild<QLineEdit*>(QStringLiteral("txtN"));
    auto* txt_k = window.findChild<QLineEdit*>(QStringLiteral("txtK"));
    auto* txt_result = window.findChild<QLineEdit*>(QStringLiteral("txtResult"));
    auto* go = window.findChild<QWidget*>(QStringLiteral("cmdGo"));
    auto* show_steps = window.findChild<QAction*>(QStringLiteral("actShowSteps"));
    for (qsizetype i = 0; i < cases[l].size(); ++i) {
      const Case& c = cases[l][i];
      const bool keys = i % 2 == 1 && Typeable(c.n) && Typeable(c.k);
      by_keys += keys;
      TypeInto(txt_n, c.n, keys);
      TypeInto(txt_k, c.k, keys);
      differ(kLocales[l], c, "N box", txt_n->text(), c.n.left(frmAmain::kBoxCapacity));
      differ(kLocales[l], c, "K box", txt_k->text(), c.k.left(frmAmain::kBoxCapacity));
      if (i % 3 == 0) {
        QTest::mouseClick(go, Qt::LeftButton);
      } else {
        QTest::keyClick(i % 3 == 1 ? txt_k : txt_result, Qt::Key_Return);
      }
      const QString result = txt_result->text();
      errors += result == QLatin1String("Error");
      differ(kLocales[l], c, "result box", result, printed[i]);
      const std::string reason =
          FailureReason(txt_n->text().toStdString(), txt_k->text().toStdString(), separators);
      differ(kLocales[l], c, "tooltip", txt_result->toolTip(), QString::fromStdString(reason));

      if (!explained[l].contains(i)) continue;
      // The first of a pair opens the Steps window; the second finds it following its Go.
      const QString explanation = Finished(*explained[l][i]);
      const auto* dialog = window.findChild<QDialog*>(QStringLiteral("dlgSteps"));
      if (dialog == nullptr || !dialog->isVisible()) show_steps->trigger();
      dialog = window.findChild<QDialog*>(QStringLiteral("dlgSteps"));
      QVERIFY(dialog != nullptr);
      differ(kLocales[l], c, "Steps window", StepsText(dialog->findChild<QTextEdit*>()),
             explanation);
      if (result == QLatin1String("Error")) {
        differ(kLocales[l], c, "tooltip", txt_result->toolTip(),
               explanation.section(QLatin1Char('\n'), -2, -2));
      }
      if (!explained[l].contains(i + 1)) window.findChild<QDialog*>()->hide();
    }
  }
  qsizetype explanations = 0;
  for (const auto& sample : explained) explanations += sample.size();
  qInfo(
      "%lld cases (%lld from the corpora, %lld typed key by key, %lld Error), %lld explained "
      "by morvane-cli --explain, in %.1f s",
      static_cast<long long>(all.size()), static_cast<long long>(from_corpora),
      static_cast<long long>(by_keys), static_cast<long long>(errors),
      static_cast<long long>(explanations), static_cast<double>(timer.elapsed()) / 1000);
  QVERIFY2(mismatches.isEmpty(), qPrintable(QString::number(mismatches.size()) + " differences:\n" +
                                            mismatches.mid(0, 20).join(QLatin1Char('\n'))));
}

}  // namespace morvane

QTEST_MAIN(morvane::FrmAmainMatchesCli)
#include "frm_amain_matches_cli.moc"
