// SPDX-License-Identifier: GPL-3.0-or-later
// The small window of the result box's "Show Steps…": the explanation of a count, read-only,
// in a fixed-pitch font so its table lines up, selectable and copyable.
#pragma once

#include <QtWidgets/QDialog>

class QString;
class QTextEdit;

namespace morvane {

// A non-modal dialog named dlgSteps whose read-only text box txtSteps holds an explanation.
// Escape or its close button hides it; its owner shows it again with the next explanation.
class StepsDialog : public QDialog {
 public:
  StepsDialog(const QString& title, QWidget* parent);

  // Shows text, whose lines keep their breaks and scroll sideways if need be, except the line
  // equal to reason, the sentence that says why, which wraps to the window's width so that it
  // is read whole.
  void SetExplanation(const QString& text, const QString& reason);

  // The window's size for the text: wide enough for its widest line but the reason, tall
  // enough for all of it; a window manager's frame not included.
  QSize WantedSize() const;

 private:
  QTextEdit* box_;
};

}  // namespace morvane
