#include "core/ApplicationIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace core {

QImage ApplicationIconPicture(int size) {
  QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);

  // The sheet, its top band and the lines of its rubrics.
  const QRectF sheet(4.5, 1.5, 23, 29);
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Qt::white);
  p.drawRoundedRect(sheet, 2, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 120, 40));
  p.drawRoundedRect(QRectF(5, 2, 22, 12), 1.5, 1.5);
  p.setBrush(QColor(150, 150, 150));
  for (double y : {18.0, 22.0, 26.0}) p.drawRect(QRectF(8, y, 16, 1.5));

  QPainterPath v;
  v.moveTo(10, 4);
  v.lineTo(16, 12.5);
  v.lineTo(22, 4);
  p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(v);
  p.end();
  return picture;
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) icon.addPixmap(QPixmap::fromImage(ApplicationIconPicture(size)));
  return icon;
}

}  // namespace core
