// SPDX-License-Identifier: GPL-3.0-or-later
#include "steps_dialog.h"

#include <QtGui/QFontDatabase>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QVBoxLayout>

namespace morvane {

StepsDialog::StepsDialog(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("dlgSteps"));
  setWindowTitle(title);
  setAttribute(Qt::WA_DeleteOnClose);

  auto* box = new QPlainTextEdit(this);
  box->setObjectName(QStringLiteral("txtSteps"));
  box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->setReadOnly(true);
  // Read-only text is selectable by mouse only; the keyboard selects it too, for Ctrl+C.
  box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  box->setPlainText(text);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  resize(720, 360);
}

}  // namespace morvane
