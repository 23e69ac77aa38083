#include "platform/FittedText.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace platform {
namespace {

double WidthOf(const QString& text, const QFont& font, const QPaintDevice* device) {
  return QFontMetricsF(font, device).horizontalAdvance(text);
}

QFont Stretched(QFont font, int stretch) {
  font.setStretch(stretch);
  return font;
}

}  // namespace

int StretchToFit(const QString& text, const QFont& font, const QPaintDevice* device, double width) {
  const double natural = WidthOf(text, Stretched(font, 100), device);
  if (natural <= width) return 100;
  if (width <= 0) return kMinTextStretch;
  // The advances scale with the stretch; whole per cents rounded down, then one less
  // while the hinted widths still come out wider.
  int stretch = std::max(kMinTextStretch, static_cast<int>(std::floor(100 * width / natural)));
  while (stretch > kMinTextStretch && WidthOf(text, Stretched(font, stretch), device) > width) --stretch;
  return stretch;
}

void DrawFittedText(QPainter& painter, const QRectF& room, int flags, const QString& text) {
  if (text.isEmpty()) return;
  painter.save();
  const int stretch = StretchToFit(text, painter.font(), painter.device(), room.width());
  if (stretch != 100) painter.setFont(Stretched(painter.font(), stretch));
  // Cut at the left and right edges only (a text still too wide at half its width);
  // above and below, the text keeps its whole height as it always did.
  if (stretch == kMinTextStretch && WidthOf(text, painter.font(), painter.device()) > room.width()) {
    const double tall = std::max(room.height(), 1.0) * 4;
    painter.setClipRect(QRectF(room.left(), room.top() - tall, room.width(), room.height() + 2 * tall),
                        Qt::IntersectClip);
  }
  painter.drawText(room, flags | Qt::TextDontClip | Qt::TextSingleLine, text);
  painter.restore();
}

}  // namespace platform
