#include "platform/CheckBox.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "platform/FittedText.h"
#include "platform/FocusEvents.h"

namespace platform {
namespace {

constexpr int kSquare = 13;       // pixels, both looks
constexpr int kSquareLeft = 2;    // from the box's left edge
constexpr int kCaptionGap = 4;    // between the square and the caption

const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(64, 64, 64);
const QColor kLight(212, 208, 200);

// A line one pixel thick along the pixels from `a` to `b`, both included, in a square
// whose top left pixel is at `origin`, `px` device units to a pixel.
void PixelLine(QPainter& p, const QColor& colour, QPointF origin, double px, QPoint a, QPoint b) {
  p.setPen(QPen(colour, px, Qt::SolidLine, Qt::SquareCap));
  const QPointF half(0.5, 0.5);
  p.drawLine(origin + (QPointF(a) + half) * px, origin + (QPointF(b) + half) * px);
}

}  // namespace

CheckBox::CheckBox(QWidget* parent) : CheckBox(QString(), parent) {}

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CheckBox::SetValue(bool value) {
  if (value == value_) return;
  value_ = value;
  update();
  emit Click();
}

void CheckBox::SetSpecialEffect(int effect) {
  if (effect == specialEffect_) return;
  specialEffect_ = effect;
  update();
}

void CheckBox::SetCaption(const QString& caption) {
  caption_ = caption;
  updateGeometry();
  update();
}

void CheckBox::SetBackColor(const QColor& colour) {
  backColor_ = colour;
  update();
}

QRect CheckBox::SquareRect() const {
  return QRect(kSquareLeft, (height() - kSquare) / 2, kSquare, kSquare);
}

QRect CheckBox::CaptionRect() const {
  const int left = kSquareLeft + kSquare + kCaptionGap;
  return QRect(left, 0, qMax(0, width() - left), height());
}

void CheckBox::Paint(QPainter& p, const QRectF& place, double px) const {
  p.save();
  if (backColor_.isValid()) p.fillRect(place, backColor_);

  // The square in pixels of its own, from (0, 0) to (kSquare - 1, kSquare - 1).
  const int rows = static_cast<int>(std::lround(place.height() / px));
  const QPointF o = place.topLeft() + QPointF(kSquareLeft, (rows - kSquare) / 2) * px;
  const int e = kSquare - 1;
  if (specialEffect_ == kFlat) {
    p.fillRect(QRectF(o, QSizeF(kSquare, kSquare) * px), Qt::white);
    PixelLine(p, Qt::black, o, px, {0, 0}, {e, 0});
    PixelLine(p, Qt::black, o, px, {0, e}, {e, e});
    PixelLine(p, Qt::black, o, px, {0, 0}, {0, e});
    PixelLine(p, Qt::black, o, px, {e, 0}, {e, e});
  } else {
    p.fillRect(QRectF(o + QPointF(2, 2) * px, QSizeF(kSquare - 4, kSquare - 4) * px), Qt::white);
    // Outer edge: shadow above and left, white below and right.
    PixelLine(p, kShadow, o, px, {0, 0}, {e - 1, 0});
    PixelLine(p, kShadow, o, px, {0, 0}, {0, e - 1});
    PixelLine(p, Qt::white, o, px, {0, e}, {e, e});
    PixelLine(p, Qt::white, o, px, {e, 0}, {e, e});
    // Inner edge: dark shadow above and left, light below and right.
    PixelLine(p, kDarkShadow, o, px, {1, 1}, {e - 2, 1});
    PixelLine(p, kDarkShadow, o, px, {1, 1}, {1, e - 2});
    PixelLine(p, kLight, o, px, {1, e - 1}, {e - 1, e - 1});
    PixelLine(p, kLight, o, px, {e - 1, 1}, {e - 1, e - 1});
  }

  if (value_) {
    QPainterPath tick;
    tick.moveTo(o + QPointF(3.0, 6.5) * px);
    tick.lineTo(o + QPointF(5.5, 9.0) * px);
    tick.lineTo(o + QPointF(10.0, 4.0) * px);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 2.0 * px, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
  }

  if (!caption_.isEmpty()) {
    const double left = (kSquareLeft + kSquare + kCaptionGap) * px;
    p.setFont(font());
    p.setPen(Qt::black);
    DrawFittedText(p, TextRoom{.rect = place.adjusted(left, 0, 0, 0), .unitsPerInch = 96 * px, .oneLine = true},
                   caption_);
  }
  p.restore();
}

void CheckBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Paint(p, rect(), 1.0);
  if (hasFocus() && !caption_.isEmpty()) {
    QRect text = QFontMetrics(font()).boundingRect(CaptionRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                                                   caption_);
    p.setPen(QPen(Qt::black, 1.0, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(text.adjusted(-1, 0, 0, -1).intersected(rect().adjusted(0, 0, -1, -1)));
  }
}

QSize CheckBox::sizeHint() const {
  const QFontMetrics fm(font());
  int w = kSquareLeft + kSquare + 2;
  if (!caption_.isEmpty()) w = kSquareLeft + kSquare + kCaptionGap + fm.horizontalAdvance(caption_) + 2;
  return QSize(w, qMax(kSquare + 4, fm.height() + 2));
}

void CheckBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  pressed_ = true;
}

void CheckBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const bool inside = rect().contains(event->position().toPoint());
  const bool wasPressed = pressed_;
  pressed_ = false;
  if (wasPressed && inside) SetValue(!value_);
}

void CheckBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    SetValue(!value_);
    return;
  }
  QWidget::keyPressEvent(event);
}

void CheckBox::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
  if (!FocusStaysInControl(event->reason())) emit GotFocus();
}

void CheckBox::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
  if (!FocusStaysInControl(event->reason())) emit LostFocus();
}

}  // namespace platform
