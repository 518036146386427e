// SPDX-License-Identifier: GPL-3.0-or-later
// The small window of the result box's "Show Steps…": the explanation of a count, read-only,
// in a fixed-pitch font so its table lines up, selectable and copyable.
#pragma once

#include <QtWidgets/QDialog>

class QString;

namespace morvane {

// A non-modal dialog named dlgSteps whose plain-text box txtSteps holds text, unwrapped.
// Escape closes it, and closing deletes it.
class StepsDialog : public QDialog {
 public:
  StepsDialog(const QString& title, const QString& text, QWidget* parent);
};

}  // namespace morvane
