#include "platform/FittedText.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QImage>
#include <QPainter>
#include <QTextLayout>
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

const QPaintDevice* TextLayoutDevice() {
  static const QImage device = [] {
    QImage image(1, 1, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(kTextLayoutDpi / 0.0254));
    image.setDotsPerMeterY(qRound(kTextLayoutDpi / 0.0254));
    return image;
  }();
  return &device;
}

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

void DrawWrappedText(QPainter& painter, const QRectF& room, Qt::Alignment horizontal, const QString& text,
                     double unitsPerInch) {
  if (text.isEmpty() || unitsPerInch <= 0) return;
  const double scale = unitsPerInch / kTextLayoutDpi;  // device units per layout pixel
  QFont font = painter.font();
  font.setHintingPreference(QFont::PreferNoHinting);
  QTextOption option(horizontal & Qt::AlignHorizontal_Mask);
  option.setUseDesignMetrics(true);
  option.setWrapMode(QTextOption::WordWrap);
  QString lines = text;
  lines.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
  lines.replace(QLatin1Char('\r'), QChar::LineSeparator);
  lines.replace(QLatin1Char('\n'), QChar::LineSeparator);
  QTextLayout layout(lines, font, const_cast<QPaintDevice*>(TextLayoutDevice()));
  layout.setTextOption(option);
  layout.beginLayout();
  double height = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(room.width() / scale);
    line.setLeadingIncluded(true);  // the font's leading between lines, as paper always had it
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout.endLayout();
  painter.save();
  painter.translate(room.topLeft());
  painter.scale(scale, scale);
  layout.draw(&painter, QPointF(0, 0));
  painter.restore();
}

}  // namespace platform
