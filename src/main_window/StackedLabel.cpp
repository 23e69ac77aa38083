#include "main_window/StackedLabel.h"

#include <QPainter>
#include <QRegularExpression>

namespace main_window {

StackedLabel::StackedLabel(QWidget* parent, bool splitAtBlanks)
    : QLabel(parent), splitAtBlanks_(splitAtBlanks) {}

QStringList StackedLabel::Lines() const {
  static const QRegularExpression lineBreaks(QStringLiteral("\r\n|\n|\r"));
  static const QRegularExpression blanks(QStringLiteral(" +"));
  return text().split(splitAtBlanks_ ? blanks : lineBreaks, Qt::SkipEmptyParts);
}

void StackedLabel::paintEvent(QPaintEvent*) {
  const QStringList lines = Lines();
  if (lines.isEmpty()) return;
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  const int lineHeight = qMin(fontMetrics().height(), height() / static_cast<int>(lines.size()));
  int top = (height() - lineHeight * static_cast<int>(lines.size())) / 2;
  for (const QString& line : lines) {
    painter.drawText(QRect(0, top, width(), lineHeight), Qt::AlignHCenter | Qt::AlignVCenter, line);
    top += lineHeight;
  }
}

}  // namespace main_window
