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

#include "morvane/form_layout.h"
#include "morvane/form_placement.h"
#include "morvane/form_session.h"
#include "morvane/translated_sentences.h"
#include "steps_dialog.h"
#include "window_manager.h"
#include "window_role.h"

namespace morvane {

namespace {

// The table's twips in logical pixels, 96 to the inch (15 twips to a pixel), so the window
// scales with the screen's device pixel ratio like any other Qt window.
constexpr int kLogicalDpi = 96;

QRect LogicalPixels(const form::Rect& twips) {
  const form::Rect pixels = form::Pixels(twips, kLogicalDpi);
  return {pixels.left, pixels.top, pixels.width, pixels.height};
}

QFont TableFont(int hundredths) {
  return DesignFont(hundredths / 100.0);
}

// The program's icon. Read as the PNG it is: left to guess the format, Qt loads every image
// plugin to ask whether it knows the data, which takes longer than reading the image.
QIcon WindowIcon() {
  QImageReader reader(QStringLiteral(":/icons/morvane.png"), "png");
  reader.setAutoDetectImageFormat(false);
  return {QPixmap::fromImage(reader.read())};
}

// The widget of a control of the table, its name, text, font and place set; a text box's text
// goes in once the box has its own font: a line edit lays its text out as soon as it has one,
// and would lay it out twice.
QWidget* MakeControl(const form::Control& control, QWidget* parent) {
  const QString text = QString::fromUtf8(control.text.data(), qsizetype(control.text.size()));
  QWidget* widget = nullptr;
  switch (control.kind) {
    case form::ControlKind::kFrame:
      widget = new QGroupBox(text, parent);
      break;
    case form::ControlKind::kLabel:
      widget = new QLabel(text, parent);
      break;
    case form::ControlKind::kTextBox: {
      auto* box = new QLineEdit(parent);
      box->setFont(TableFont(control.font_hundredths));
      box->setText(text);
      box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      box->setMaxLength(frmAmain::kBoxCapacity);
      widget = box;
      break;
    }
    case form::ControlKind::kButton: {
      auto* button = new QPushButton(text, parent);
      // Outside a dialog a push button takes Space only; Tab from the result box lands here
      // first, so Enter and keypad Enter click it too.
      button->setAutoDefault(true);
      widget = button;
      break;
    }
  }
  widget->setObjectName(QString::fromUtf8(control.name.data(), qsizetype(control.name.size())));
  if (control.index >= 0) widget->setProperty("index", control.index);
  // A text box has its font already, set before its text.
  if (control.kind != form::ControlKind::kTextBox) {
    widget->setFont(TableFont(control.font_hundredths));
  }
  widget->setGeometry(LogicalPixels(form::Twips(control)));
  if (control.kind == form::ControlKind::kLabel) widget->setFixedSize(widget->size());
  if (!control.accessible_name.empty()) {
    widget->setAccessibleName(QString::fromUtf8(control.accessible_name.data(),
                                                qsizetype(control.accessible_name.size())));
  }
  return widget;
}

}  // namespace

// Only the installed faces are named: Qt answers a missing first face with a fontconfig search
// for its substitutes, about a third of the window's font work at start-up, only to pass over
// them for the next face named.
QFont DesignFont(qreal point_size) {
  const QStringList installed = QFontDatabase::families();
  QStringList faces;
  for (const std::string_view face : form::kFaces) {
    const QLatin1String name(face.data(), qsizetype(face.size()));
    if (installed.contains(name, Qt::CaseInsensitive)) faces << name;
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
      session_(TranslatedSentences()) {
  AnnounceAsWindow();
  setObjectName(QStringLiteral("frmAmain"));
  setWindowTitle(QString::fromUtf8(form::kCaption.data(), qsizetype(form::kCaption.size())));
  setWindowIcon(WindowIcon());
  setFont(TableFont(form::kWindowFontHundredths));
  // The controls sit at their drawn places, read left to right. Qt's translations for a
  // right-to-left language turn the whole application around; they may turn the menus, not
  // this layout.
  setLayoutDirection(Qt::LeftToRight);
  setFixedSize(LogicalPixels({0, 0, form::kClientWidth, form::kClientHeight}).size());

  // The frame first, to hold the others; then the table's order, which is the tab order, each
  // label just before the box it names.
  frame_ = MakeControl(form::Frame(), this);
  QWidget* first_focus = nullptr;
  QWidget* previous_focus = nullptr;
  QLabel* previous_label = nullptr;
  for (const form::Control& control : form::kControls) {
    if (control.kind == form::ControlKind::kFrame) continue;
    QWidget* widget = MakeControl(control, control.in_frame ? frame_ : this);
    if (control.kind == form::ControlKind::kLabel) {
      previous_label = qobject_cast<QLabel*>(widget);
      continue;
    }
    if (form::LabelOf(control) != nullptr) previous_label->setBuddy(widget);
    if (previous_focus != nullptr) setTabOrder(previous_focus, widget);
    if (first_focus == nullptr) first_focus = widget;
    previous_focus = widget;
  }
  txt_n_ = findChild<QLineEdit*>(QStringLiteral("txtN"));
  txt_k_ = findChild<QLineEdit*>(QStringLiteral("txtK"));
  txt_result_ = findChild<QLineEdit*>(QStringLiteral("txtResult"));
  cmd_go_ = findChild<QPushButton*>(QStringLiteral("cmdGo"));
  first_focus->setFocus();

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
    session_.ResultEdited();
    txt_result_->setToolTip(QString::fromStdString(session_.Reason()));
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
  const form::GoResult result =
      session_.Go(txt_n_->text().toStdString(), txt_k_->text().toStdString(), separators_);
  txt_result_->setText(QString::fromStdString(result.box_text));
  txt_result_->setToolTip(QString::fromStdString(result.reason));
  // An open Steps window follows the result box.
  if (steps_ != nullptr && steps_->isVisible()) ExplainLastGo();
}

void frmAmain::ShowResultMenu(const QPoint& position) {
  QMenu* menu = txt_result_->createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // The menu reads in the user's direction; only the window's own layout stays left to right.
  menu->setLayoutDirection(QGuiApplication::layoutDirection());
  menu->addSeparator();
  copy_number_->setEnabled(
      form::Session::CanCopyPlainNumber(txt_result_->text().toStdString(), separators_));
  menu->addAction(copy_number_);
  show_steps_->setEnabled(session_.CanShowSteps());
  menu->addAction(show_steps_);
  menu->popup(txt_result_->mapToGlobal(position));
}

void frmAmain::CopyNumber() {
  if (const auto plain =
          form::Session::PlainNumber(txt_result_->text().toStdString(), separators_)) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(*plain));
  }
}

void frmAmain::ShowSteps() {
  if (!session_.CanShowSteps()) return;
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
  steps_->SetExplanation(QString::fromStdString(session_.StepsText()),
                         QString::fromStdString(session_.StepsReason()));
}

}  // namespace morvane
