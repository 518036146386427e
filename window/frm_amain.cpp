// SPDX-License-Identifier: GPL-3.0-or-later
#include "morvane/frm_amain.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QStringList>
#include <QtGui/QAction>
#include <QtGui/QClipboard>
#include <QtGui/QContextMenuEvent>
#include <QtGui/QFont>
#include <QtGui/QFontDatabase>
#include <QtGui/QGuiApplication>
#include <QtGui/QIcon>
#include <QtGui/QImageReader>
#include <QtGui/QKeySequence>
#include <QtGui/QPixmap>
#include <QtGui/QScreen>
#include <QtGui/QShortcut>
#include <QtGui/QWindow>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>

#include <utility>

#include "morvane/explain.h"
#include "morvane/form_placement.h"
#include "morvane/go_command.h"
#include "morvane/plain_number.h"
#include "morvane/translated_sentences.h"
#include "steps_dialog.h"
#include "window_manager.h"
#include "window_role.h"

namespace morvane {

namespace {

// The layout is drawn in twips; 15 twips make one logical pixel, so the window scales with
// the screen's device pixel ratio like any other Qt window.
constexpr int kTwipsPerPixel = 15;

QRect FromTwips(int left, int top, int width, int height) {
  return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
          height / kTwipsPerPixel};
}

// The program's icon. Read as the PNG it is: left to guess the format, Qt loads every image
// plugin to ask whether it knows the data, which takes longer than reading the image.
QIcon WindowIcon() {
  QImageReader reader(QStringLiteral(":/icons/morvane.png"), "png");
  reader.setAutoDetectImageFormat(false);
  return {QPixmap::fromImage(reader.read())};
}

QLabel* MakeLabel(QWidget* frame, const QString& text, int index, const QRect& place) {
  auto* label = new QLabel(text, frame);
  label->setObjectName(QStringLiteral("Label1"));
  label->setProperty("index", index);
  label->setFont(DesignFont(11.25));
  label->setGeometry(place);
  label->setFixedSize(place.size());
  return label;
}

QLineEdit* MakeBox(QWidget* frame, const char* name, const QString& text, qreal point_size,
                   const QRect& place, const QString& accessible_name) {
  // The text goes in once the box has its own font: a line edit lays its text out as soon as
  // it has one, and would lay it out twice.
  auto* box = new QLineEdit(frame);
  box->setObjectName(QLatin1String(name));
  box->setFont(DesignFont(point_size));
  box->setText(text);
  box->setGeometry(place);
  box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  box->setMaxLength(frmAmain::kBoxCapacity);
  box->setAccessibleName(accessible_name);
  return box;
}

}  // namespace

// Only the installed faces are named: Qt answers a missing first face with a fontconfig search
// for its substitutes, about a third of the window's font work at start-up, only to pass over
// them for the next face named.
QFont DesignFont(qreal point_size) {
  const QStringList installed = QFontDatabase::families();
  QStringList faces;
  for (const char* face : {"Segoe UI", "Open Sans", "Noto Sans", "DejaVu Sans"}) {
    if (installed.contains(QLatin1String(face), Qt::CaseInsensitive)) faces << QLatin1String(face);
  }
  QFont font;
  font.setFamilies(faces);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(point_size);
  font.setWeight(QFont::Normal);
  return font;
}

frmAmain::frmAmain(NumberSeparators separators, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      separators_(std::move(separators)),
      sentences_(TranslatedSentences()) {
  AnnounceAsWindow();
  setObjectName(QStringLiteral("frmAmain"));
  setWindowTitle(QStringLiteral("MORVANE"));
  setWindowIcon(WindowIcon());
  setFont(DesignFont(9.0));
  // The controls sit at their drawn places, read left to right. Qt's translations for a
  // right-to-left language turn the whole application around; they may turn the menus, not
  // this layout.
  setLayoutDirection(Qt::LeftToRight);
  setFixedSize(384, 175);

  frame_ = new QGroupBox(this);
  frame_->setObjectName(QStringLiteral("Frame1"));
  frame_->setGeometry(FromTwips(270, 240, 5235, 2145));

  // Created in tab order, so the focus chain runs txtResult, cmdGo, txtK, txtN and wraps.
  txt_result_ = MakeBox(frame_, "txtResult", QString(), 14.25, FromTwips(330, 1470, 4575, 450),
                        QStringLiteral("Result"));
  cmd_go_ = new QPushButton(QStringLiteral("Go"), frame_);
  cmd_go_->setObjectName(QStringLiteral("cmdGo"));
  cmd_go_->setFont(DesignFont(14.25));
  cmd_go_->setGeometry(FromTwips(1680, 360, 3195, 975));
  // Outside a dialog a push button takes Space only; Tab from the result box lands here first,
  // so Enter and keypad Enter click it too.
  cmd_go_->setAutoDefault(true);
  txt_k_ = MakeBox(frame_, "txtK", QStringLiteral("10"), 11.25, FromTwips(900, 960, 615, 420),
                   QStringLiteral("K"));
  txt_n_ = MakeBox(frame_, "txtN", QStringLiteral("20"), 11.25, FromTwips(900, 360, 615, 420),
                   QStringLiteral("N"));
  label_k_ = MakeLabel(frame_, QStringLiteral("K:"), 1, FromTwips(510, 1020, 240, 330));
  label_k_->setBuddy(txt_k_);
  label_n_ = MakeLabel(frame_, QStringLiteral("N:"), 0, FromTwips(480, 420, 270, 330));
  label_n_->setBuddy(txt_n_);
  setTabOrder(txt_result_, cmd_go_);
  setTabOrder(cmd_go_, txt_k_);
  setTabOrder(txt_k_, txt_n_);
  txt_result_->setFocus();

  copy_number_ = new QAction(tr("Copy Plain &Number"), this);
  copy_number_->setObjectName(QStringLiteral("actCopyNumber"));
  show_steps_ = new QAction(tr("Show &Steps…"), this);
  show_steps_->setObjectName(QStringLiteral("actShowSteps"));
  txt_result_->setContextMenuPolicy(Qt::CustomContextMenu);

  connect(cmd_go_, &QPushButton::clicked, this, &frmAmain::Go);
  for (QLineEdit* box : {txt_n_, txt_k_, txt_result_}) {
    connect(box, &QLineEdit::returnPressed, this, &frmAmain::Go);
  }
  connect(txt_result_, &QWidget::customContextMenuRequested, this, &frmAmain::ShowResultMenu);
  connect(copy_number_, &QAction::triggered, this, &frmAmain::CopyNumber);
  connect(show_steps_, &QAction::triggered, this, &frmAmain::ShowSteps);
  // What the user types into the result box is no longer the last Go's result to explain.
  connect(txt_result_, &QLineEdit::textEdited, txt_result_, [this] {
    txt_result_->setToolTip({});
    last_go_.reset();
  });
  // Shift+F10 opens the focused control's context menu, as the Menu key does on every
  // platform: the keyboard way to a menu where a keyboard has no Menu key.
  auto* menu_key = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
  connect(menu_key, &QShortcut::activated, this, [this] {
    QWidget* focused = focusWidget();
    if (focused == nullptr) return;
    const QPoint at = focused->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at, focused->mapToGlobal(at));
    QCoreApplication::sendEvent(focused, &request);
  });

  KeepOutOfTaskbar(*this);
  AskForNoMinimiseButton(*this);
  ActivateWhenMapped(*this);
  // Centred with its frame on the whole screen, panels or not. By now the X11 window exists, so
  // the move places the client area inside the frame the window manager said it will add.
  if (const QScreen* screen = this->screen()) {
    move(screen->geometry().center() - rect().marginsAdded(ExpectedFrame(*this)).center());
  }
}

void frmAmain::changeEvent(QEvent* event) {
  // Out of the taskbar while on screen; listed there while minimised, to be found again.
  if (event->type() == QEvent::WindowStateChange && isVisible()) {
    ListInTaskbar(*this, isMinimized());
  }
  QWidget::changeEvent(event);
}

void frmAmain::Go() {
  std::string n_text = txt_n_->text().toStdString();
  std::string k_text = txt_k_->text().toStdString();
  txt_result_->setText(QString::fromStdString(GoCommand(n_text, k_text, separators_)));
  txt_result_->setToolTip(
      QString::fromStdString(FailureReason(n_text, k_text, separators_, sentences_)));
  last_go_.emplace(std::move(n_text), std::move(k_text));
  // An open Steps window follows the result box.
  if (steps_ != nullptr && steps_->isVisible()) ExplainLastGo();
}

void frmAmain::ShowResultMenu(const QPoint& position) {
  QMenu* menu = txt_result_->createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The menu reads in the user's direction; only the window's own layout stays left to right.
  menu->setLayoutDirection(QGuiApplication::layoutDirection());
  menu->addSeparator();
  copy_number_->setEnabled(PlainNumber(txt_result_->text().toStdString(), separators_).has_value());
  menu->addAction(copy_number_);
  // Before a Go, and once the user has typed over its result, there is nothing to explain.
  show_steps_->setEnabled(last_go_.has_value());
  menu->addAction(show_steps_);
  menu->popup(txt_result_->mapToGlobal(position));
}

void frmAmain::CopyNumber() {
  if (const auto plain = PlainNumber(txt_result_->text().toStdString(), separators_)) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(*plain));
  }
}

void frmAmain::ShowSteps() {
  if (!last_go_) return;
  if (steps_ == nullptr) {
    steps_ = new StepsDialog(tr("Steps"), this);
    // A window manager may hand the focus to no window when the dialog goes (openbox gives it
    // only to windows in the taskbar), so the window takes it back itself.
    connect(steps_, &QDialog::finished, this, [this] { activateWindow(); });
  }
  ExplainLastGo();
  if (!steps_->isVisible()) {
    // Beside the window, not over what it explains, on the window's screen.
    // The frame the manager will draw, or where it draws none yet, the platform's guess.
    QMargins frame = ExpectedFrame(*steps_);
    steps_->winId();
    if (frame.isNull()) frame = steps_->windowHandle()->frameMargins();
    const QRect screen = this->screen() != nullptr ? this->screen()->availableGeometry()
                                                   : QRect(QPoint(), steps_->WantedSize());
    const QRect main = frameGeometry();
    const QSize wanted = steps_->WantedSize().grownBy(frame);
    const form::Rect place = form::PlaceBeside(
        {main.x(), main.y(), main.width(), main.height()}, {wanted.width(), wanted.height()},
        {screen.x(), screen.y(), screen.width(), screen.height()});
    steps_->setGeometry(
        QRect(place.left, place.top, place.width, place.height).marginsRemoved(frame));
  }
  steps_->show();
  steps_->raise();
  steps_->activateWindow();
}

void frmAmain::ExplainLastGo() {
  const auto& [n_text, k_text] = *last_go_;
  steps_->SetExplanation(
      QString::fromStdString(ExplainText(n_text, k_text, separators_, sentences_)),
      QString::fromStdString(FailureReason(n_text, k_text, separators_, sentences_)));
}

}  // namespace morvane
