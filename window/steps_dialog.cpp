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
#include <array>
#include <cmath>
#include <cstddef>
#include <memory>
#include <optional>
#include <utility>

namespace morvane {

namespace {

// Space between the main window's frame and this one's.
constexpr int kGap = 8;

}  // namespace

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

QRect PlaceBeside(const QRect& beside, QSize size, const QRect& screen) {
  enum Side : std::size_t { kRight, kLeft, kBelow, kAbove };
  // Each side's free area, the frame's edge kGap away.
  const std::array<QRect, 4> sides = {
      QRect(QPoint(beside.right() + 1 + kGap, screen.top()), screen.bottomRight()),
      QRect(screen.topLeft(), QPoint(beside.left() - 1 - kGap, screen.bottom())),
      QRect(QPoint(screen.left(), beside.bottom() + 1 + kGap), screen.bottomRight()),
      QRect(screen.topLeft(), QPoint(screen.right(), beside.top() - 1 - kGap)),
  };
  const auto shown = [&size, &sides](std::size_t side) {
    return size.boundedTo(sides[side].size());
  };
  // A table cut on the right hides its last columns from every row, where one cut at the
  // bottom still shows whole rows and scrolls the natural way: a side that takes the full width
  // wins over a larger area.
  const auto score = [&size](QSize part) {
    return std::pair{part.width() == size.width(), qint64{part.width()} * part.height()};
  };
  std::optional<std::size_t> best;
  for (const std::size_t side : {kRight, kLeft, kBelow, kAbove}) {
    const QSize part = shown(side);
    if (part == size) {
      best = side;
      break;
    }
    if (!part.isEmpty() && (!best || score(part) > score(shown(*best)))) best = side;
  }
  // A main window that leaves no room beside it, on a tiny screen: over it, then.
  if (!best) return {screen.topLeft(), size.boundedTo(screen.size())};
  // On the edge next to the main window, level with it where the side allows.
  const QRect& free = sides[*best];
  QRect place(QPoint(), shown(*best));
  int x = beside.left();
  int y = beside.top();
  if (*best == kRight) x = free.left();
  if (*best == kLeft) x = free.right() + 1 - place.width();
  if (*best == kBelow) y = free.top();
  if (*best == kAbove) y = free.bottom() + 1 - place.height();
  place.moveTopLeft({std::clamp(x, free.left(), free.right() + 1 - place.width()),
                     std::clamp(y, free.top(), free.bottom() + 1 - place.height())});
  return place;
}

}  // namespace morvane
