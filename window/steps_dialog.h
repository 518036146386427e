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

// Where a window whose frame measures size goes beside the frame beside (both in screen
// coordinates) on a screen whose free area is screen: to its right or left, else below or
// above it, the first side where all of it fits, else the side that shows the most of it with
// its full width, else the one that shows the most of it at all, shrunk to fit; never over
// beside, and never off the screen.
QRect PlaceBeside(const QRect& beside, QSize size, const QRect& screen);

}  // namespace morvane
