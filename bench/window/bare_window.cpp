// The yardstick for the main window's cost: an empty Qt window of the same fixed size. With
// --text it also shows one line of text, so the font system starts as it must for any label;
// with --form it holds the main window's six controls at their places in Qt's default font,
// with no icon, no chosen face and no window-manager requests.
#include <QtWidgets/QApplication>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QWidget>

#include <cstring>

namespace {

void AddForm(QWidget& window) {
  auto* frame = new QGroupBox(&window);
  frame->setGeometry(18, 16, 349, 143);
  // Created in the main window's order, the result box first.
  (new QLineEdit(frame))->setGeometry(22, 98, 305, 30);
  (new QPushButton(QStringLiteral("Go"), frame))->setGeometry(112, 24, 213, 65);
  (new QLineEdit(QStringLiteral("10"), frame))->setGeometry(60, 64, 41, 28);
  (new QLineEdit(QStringLiteral("20"), frame))->setGeometry(60, 24, 41, 28);
  (new QLabel(QStringLiteral("K:"), frame))->setGeometry(34, 68, 16, 22);
  (new QLabel(QStringLiteral("N:"), frame))->setGeometry(32, 28, 18, 22);
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
  } else if (argc > 1 && std::strcmp(argv[1], "--form") == 0) {
    AddForm(window);
  }
  window.show();
  return QApplication::exec();
}
