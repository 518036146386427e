// SPDX-License-Identifier: GPL-3.0-or-later
// frmAmain, Morvane's main window: the N and K boxes, the Go button and the result box in
// their fixed layout. It carries texts to and from the Go command and does no arithmetic.
#pragma once

#include <QtGui/QFont>
#include <QtWidgets/QWidget>

#include "morvane/form_session.h"
#include "morvane/go_command.h"
#include "morvane/number_separators.h"

class QAction;
class QLineEdit;
class QPoint;
class QPushButton;

namespace morvane {

class StepsDialog;

// The window's face at point_size (weight 400, no style): the first of form::kFaces installed,
// the table's face or one of its stand-ins.
QFont DesignFont(qreal point_size);

// The window with its controls as morvane/form_layout.h describes them (names, texts, fonts,
// accessible names, tab order, places at 15 twips to the logical pixel), fixed in size, centred
// with its frame on the whole screen and, on X11, a toolbar window (no minimise button under
// openbox) kept out of the taskbar but listed there while minimised, and activated when shown and
// when dlgSteps closes, the focus in txtResult. Object names: frmAmain, Frame1, Label1 (twice, told
// apart by the int property "index", the table's index), txtN, txtK, cmdGo, txtResult; the
// actions of the result box's menu are actCopyNumber and actShowSteps. A click on Go, Space or
// Enter on Go, or Enter in any of the three boxes, is a Go of the window's form::Session: the
// result box shows its text (with "." and "," and the start texts, " 184,756") and its tooltip its
// reason, empty unless the box shows "Error". Editing the result box tells the session, which
// clears the tooltip, no longer explaining the box. The result box's context menu (the Menu key or
// Shift+F10 opens it too, in the application's direction) is the standard one plus actCopyNumber,
// which puts the shown number without its leading space and thousands separators on the clipboard
// ("184756"), and actShowSteps, which opens a read-only window (dlgSteps) beside this one
// (form::PlaceBeside) holding the session's StepsText, the explanation of the last Go, as the
// tooltip does; each Go updates an open one. The session greys both actions out when they have
// nothing to act on. The tooltip and dlgSteps speak the language of the installed translators.
class frmAmain : public QWidget {  // NOLINT(readability-identifier-naming): the window's name
  Q_OBJECT

 public:
  // The characters each box holds; typing stops and a paste is cut there. QLineEdit measures
  // its whole text at every repaint, the cursor's blink included, at a cost that grows with the
  // text and with the fonts its scripts need: a megabyte of CJK text or emoji takes seconds per
  // repaint and freezes the window. At this length the costliest scripts repaint in a few tens
  // of milliseconds, and no number anyone types comes near it.
  static constexpr int kBoxCapacity = morvane::kBoxCapacity;

  // separators: the user's number punctuation, for the result and for the copy action.
  explicit frmAmain(NumberSeparators separators, QWidget* parent = nullptr);

 protected:
  void changeEvent(QEvent* event) override;

 private slots:
  void Go();
  void ShowResultMenu(const QPoint& position);
  void CopyNumber();
  void ShowSteps();

 private:
  void ExplainLastGo();

  NumberSeparators separators_;
  // What Go writes, which Go the tooltip and Show Steps explain, what the menu offers.
  form::Session session_;
  QWidget* frame_;
  QLineEdit* txt_n_;
  QLineEdit* txt_k_;
  QPushButton* cmd_go_;
  QLineEdit* txt_result_;
  QAction* copy_number_;
  QAction* show_steps_;
  StepsDialog* steps_ = nullptr;
};

}  // namespace morvane
