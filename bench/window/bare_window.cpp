// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the main window's cost: an empty Qt window of the same fixed size. With
// --text it also shows one line of text, so the font system starts as it must for any label;
// with --form it holds the main window's six controls at their places in Qt's default font,
// with no icon, no chosen face and no window-manager requests; --form-faces is that form in the
// main window's faces and sizes, to tell what the faces cost from what the window adds.
#include <QtGui/QFont>
#include <QtGui/QFontDatabase>
#include <QtWidgets/QApplication>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QWidget>

#include <cstring>

namespace {

// With faces, each control in the first installed of the main window's faces at its size.
void AddForm(QWidget& window, bool faces) {
  QStringList installed;
  if (faces) {
    const QStringList families = QFontDatabase::families();
    for (const char* face : {"Segoe UI", "Open Sans", "Noto Sans", "DejaVu Sans"}) {
      if (families.contains(QLatin1String(face), Qt::CaseInsensitive)) installed << face;
    }
  }
  const auto place = [&installed](QWidget* control, const QRect& geometry, qreal point_size) {
    if (!installed.isEmpty()) {
      QFont font(installed);
      font.setPointSizeF(point_size);
      control->setFont(font);
    }
    control->setGeometry(geometry);
  };
  auto* frame = new QGroupBox(&window);
  frame->setGeometry(18, 16, 349, 143);
  // Created in the main window's order, the result box first.
  place(new QLineEdit(frame), {22, 98, 305, 30}, 14.25);
  place(new QPushButton(QStringLiteral("Go"), frame), {112, 24, 213, 65}, 14.25);
  place(new QLineEdit(QStringLiteral("10"), frame), {60, 64, 41, 28}, 11.25);
  place(new QLineEdit(QStringLiteral("20"), frame), {60, 24, 41, 28}, 11.25);
  place(new QLabel(QStringLiteral("K:"), frame), {34, 68, 16, 22}, 11.25);
  place(new QLabel(QStringLiteral("N:"), frame), {32, 28, 18, 22}, 11.25);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare"));
  window.setFixedSize(384, 175);
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
    auto* label = new QLabel(QStringLiteral("N:"), &window);
    label->move(32, 28);
  } else if (argc > 1 && std::strncmp(argv[1], "--form", 6) == 0) {
    AddForm(window, std::strcmp(argv[1], "--form-faces") == 0);
  }
  window.show();
  return QApplication::exec();
}
