// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the main window's cost: an empty Qt window of the same fixed size. With
// --text it also shows one line of text, so the font system starts as it must for any label.
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QWidget>

#include <cstring>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare"));
  window.setFixedSize(384, 175);
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
    auto* label = new QLabel(QStringLiteral("N:"), &window);
    label->move(32, 28);
  }
  window.show();
  return QApplication::exec();
}
