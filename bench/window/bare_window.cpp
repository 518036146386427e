// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the main window's cost: an empty Qt window of the same fixed size. With
// --text it also shows one line of text, so the font system starts as it must for any label;
// with --form it holds the main window's six controls at their places in Qt's default font,
// with no icon, no chosen face and no window-manager requests; --form-faces is that form in the
// main window's faces and sizes, to tell what the faces cost from what the window adds. Sizes,
// places and texts come from the window's table, at 15 twips to the pixel.
#include <QtCore/QRect>
#include <QtGui/QFont>
#include <QtGui/QFontDatabase>
#include <QtWidgets/QApplication>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QWidget>

#include <cstring>

#include "morvane/form_layout.h"

namespace {

namespace form = morvane::form;
constexpr int kLogicalDpi = 96;

QRect Place(const form::Control& control) {
  const form::Rect pixels = form::Pixels(form::Twips(control), kLogicalDpi);
  return {pixels.left, pixels.top, pixels.width, pixels.height};
}

QString Text(const form::Control& control) {
  return QString::fromUtf8(control.text.data(), qsizetype(control.text.size()));
}

// The table's controls in its order, the frame first to hold the others. With faces, each
// control in the first installed of the main window's faces at its size.
void AddForm(QWidget& window, bool faces) {
  QStringList installed;
  if (faces) {
    const QStringList families = QFontDatabase::families();
    for (const std::string_view face : form::kFaces) {
      const QLatin1String name(face.data(), qsizetype(face.size()));
      if (families.contains(name, Qt::CaseInsensitive)) installed << name;
    }
  }
  auto* frame = new QGroupBox(&window);
  frame->setGeometry(Place(form::Frame()));
  for (const form::Control& c : form::kControls) {
    QWidget* control = nullptr;
    switch (c.kind) {
      case form::ControlKind::kFrame:
        continue;
      case form::ControlKind::kLabel:
        control = new QLabel(Text(c), frame);
        break;
      case form::ControlKind::kTextBox:
        control = new QLineEdit(Text(c), frame);
        break;
      case form::ControlKind::kButton:
        control = new QPushButton(Text(c), frame);
        break;
    }
    if (!installed.isEmpty()) {
      QFont font(installed);
      font.setPointSizeF(c.font_hundredths / 100.0);
      control->setFont(font);
    }
    control->setGeometry(Place(c));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare"));
  window.setFixedSize(form::Pixels(form::kClientWidth, kLogicalDpi),
                      form::Pixels(form::kClientHeight, kLogicalDpi));
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
    const form::Control& label = form::Find("Label1", 0);
    (new QLabel(Text(label), &window))->move(Place(label).topLeft());
  } else if (argc > 1 && std::strncmp(argv[1], "--form", 6) == 0) {
    AddForm(window, std::strcmp(argv[1], "--form-faces") == 0);
  }
  window.show();
  return QApplication::exec();
}
