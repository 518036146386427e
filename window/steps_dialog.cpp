// SPDX-License-Identifier: GPL-3.0-or-later
#include "steps_dialog.h"

#include <QtGui/QFontDatabase>
#include <QtGui/QFontMetrics>
#include <QtGui/QTextBlock>
#include <QtGui/QTextCursor>
#include <QtGui/QTextDocument>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QStyle>
#include <QtWidgets/QTextEdit>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>

namespace morvane {

StepsDialog::StepsDialog(const QString& title, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlgSteps"));
  setWindowTitle(title);

  box_ = new QTextEdit(this);
  box_->setObjectName(QStringLiteral("txtSteps"));
  box_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  box_->setAcceptRichText(false);
  box_->setLineWrapMode(QTextEdit::WidgetWidth);
  box_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  box_->setReadOnly(true);
  // Read-only text is selectable by mouse only; the keyboard selects it too, for Ctrl+C.
  box_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box_);
}

void StepsDialog::SetExplanation(const QString& text, const QString& reason) {
  box_->setPlainText(text);
  // The table's rows only make sense whole: every line keeps to one line but the reason.
  QTextCursor cursor(box_->document());
  for (QTextBlock block = box_->document()->begin(); block.isValid(); block = block.next()) {
    if (!reason.isEmpty() && block.text() == reason) continue;
    QTextBlockFormat format = block.blockFormat();
    format.setNonBreakableLines(true);
    cursor.setPosition(block.position());
    cursor.setBlockFormat(format);
  }
  // The outcome, the count or the reason for the "Error", is what the user asked about: in
  // view at the end, the steps above it.
  box_->moveCursor(QTextCursor::End);
  box_->ensureCursorVisible();
}

QSize StepsDialog::WantedSize() const {
  const QFontMetrics metrics(box_->font());
  QTextDocument* document = box_->document();
  int widest = 0;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().nonBreakableLines()) {
      widest = std::max(widest, metrics.horizontalAdvance(block.text()));
    }
  }
  // The text, the document's margins, the box's frame and room for a scroll bar.
  const int scroll_bar = box_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, box_);
  const int chrome = static_cast<int>(std::ceil(2 * document->documentMargin())) +
                     2 * box_->frameWidth() + scroll_bar;
  const QMargins margins = layout()->contentsMargins();
  const int width = widest + chrome + margins.left() + margins.right();
  // The height the text takes at that width, the reason wrapped.
  const std::unique_ptr<QTextDocument> measured(document->clone());
  measured->setDefaultFont(box_->font());
  measured->setTextWidth(widest + 2 * document->documentMargin());
  const int height = static_cast<int>(std::ceil(measured->size().height())) + chrome +
                     margins.top() + margins.bottom();
  return {width, height};
}

}  // namespace morvane
