#include "platform/CommandButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace platform {
namespace {
constexpr int kTextMargin = 3;  // pixels between the caption and the button's edge
}

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void CommandButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);

  QRect area = rect().adjusted(kTextMargin, 1, -kTextMargin, -1);
  if (isDown())
    area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                   style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::ButtonText));
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text());
}

}  // namespace platform
