#include "platform/PageControls.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <functional>
#include <cmath>

#include "platform/FittedText.h"
#include "platform/KeyCodes.h"
#include "platform/Twips.h"

namespace platform {
namespace {

constexpr double kScreenScale = 1.0 / kTwipsPerPixel;

int Flags(TextAlign align) {
  switch (align) {
    case TextAlign::kCentre: return Qt::AlignHCenter;
    case TextAlign::kRight: return Qt::AlignRight;
    case TextAlign::kLeft: break;
  }
  return Qt::AlignLeft;
}

QRectF Scaled(const QRectF& twips, double scale) {
  return QRectF(twips.left() * scale, twips.top() * scale, twips.width() * scale, twips.height() * scale);
}

// The room of a box's one line of text in `place` (the painter's units, `scale` of them a
// twip): inside the box's margins, centred in its height.
TextRoom OneLineRoom(const QRectF& place, Qt::Alignment horizontal, double scale) {
  const double margin = FormTextBox::kTextMargin * kTwipsPerPixel * scale;
  return TextRoom{.rect = place.adjusted(margin, 0, -margin, 0),
                  .alignment = horizontal | Qt::AlignVCenter,
                  .unitsPerInch = scale * kTwipsPerInch,
                  .oneLine = true};
}

// A pen `pixels` screen pixels wide at this scale.
QPen PenOf(int pixels, double scale, Qt::PenStyle style = Qt::SolidLine) {
  QPen pen(Qt::black, std::max(1, pixels) * kTwipsPerPixel * scale, style, Qt::FlatCap);
  return pen;
}

// The page widget's pixels for a rectangle in twips: each edge to its nearest pixel.
QRect PixelsOf(const QRectF& twips) {
  const int left = TwipsToPixels(twips.left());
  const int top = TwipsToPixels(twips.top());
  return QRect(left, top, std::max(0, TwipsToPixels(twips.right()) - left),
               std::max(0, TwipsToPixels(twips.bottom()) - top));
}

// Where a level or upright line `pixels` thick at `at` twips lies on the screen: the
// middle, in twips, of the band of whole pixels it fills there (a thin line fills the
// pixel that begins at or just after `at`).
double PixelBandMiddle(double at, int pixels) {
  const double firstPixel = std::floor(at / kTwipsPerPixel - pixels / 2.0 + 0.5);
  return (firstPixel + pixels / 2.0) * kTwipsPerPixel;
}

}  // namespace

// ---- PageControl

QRectF PageControl::CoveredTwips() const {
  const QRect pixels = PixelsOf(twips_);
  return QRectF(pixels.x() * kTwipsPerPixel, pixels.y() * kTwipsPerPixel, pixels.width() * kTwipsPerPixel,
                pixels.height() * kTwipsPerPixel);
}

void PageControl::SetTwips(const QRectF& twips) {
  twips_ = Fitted(twips);
  Widget()->setGeometry(PixelsOf(twips_));
}

void PageControl::MoveBy(double dxTwips, double dyTwips) {
  SetTwips(twips_.translated(dxTwips, dyTwips));
}

PageControl* PageControl::Of(QWidget* widget) { return dynamic_cast<PageControl*>(widget); }

void PageControl::PaintOnScreen(QWidget* widget) const {
  QPainter painter(widget);
  painter.translate(-widget->x(), -widget->y());
  PaintOnPaper(painter, kScreenScale);
}

// ---- FormLabel

FormLabel::FormLabel(QWidget* page, QString caption, const QFont& font, TextAlign align)
    : QWidget(page), caption_(std::move(caption)), align_(align) {
  setFont(font);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FormLabel::SetCaption(const QString& caption) {
  caption_ = caption;
  if (autoWidth_) SetTwips(QRectF(Left(), Top(), 0, Height()));
  update();
}

void FormLabel::SetForeColor(const QColor& colour) {
  colour_ = colour;
  update();
}

void FormLabel::SetMaxWidth(double twips) {
  maxWidth_ = twips;
  if (autoWidth_) SetTwips(QRectF(Left(), Top(), 0, Height()));
  else if (twips > 0 && Width() > twips) SetTwips(QRectF(Left(), Top(), twips, Height()));
  update();
}

double FormLabel::TextWidthTwips(const QString& caption, const QFont& font) {
  return std::ceil(QFontMetricsF(font).horizontalAdvance(caption)) * kTwipsPerPixel;
}

QRectF FormLabel::Fitted(const QRectF& twips) {
  // AutoSize: a label given no width is as wide as its caption, with a pixel to spare.
  if (twips.width() > 0 && !autoWidth_) return twips;
  autoWidth_ = true;
  QRectF r = twips;
  r.setWidth(TextWidthTwips(caption_, font()) + kTwipsPerPixel);
  if (maxWidth_ > 0) r.setWidth(std::min(r.width(), maxWidth_));
  return r;
}

void FormLabel::PaintOnPaper(QPainter& painter, double scale) const {
  painter.save();
  painter.setFont(font());
  painter.setPen(colour_);
  DrawFittedText(painter, RoomAt(scale), caption_);
  painter.restore();
}

void FormLabel::SetLetterBand(double top, double bottom) {
  bandTop_ = top;
  bandBottom_ = bottom;
  update();
}

void FormLabel::SetSideRules(double left, double right) {
  ruleLeft_ = left;
  ruleRight_ = right;
  update();
}

TextRoom FormLabel::RoomAt(double scale) const {
  const bool banded = !wrap_ && bandBottom_ > bandTop_;
  const QRectF place = banded ? QRectF(Left(), bandTop_, Width(), bandBottom_ - bandTop_) : Twips();
  const double clearLeft = ruleLeft_ > 0 ? kTwipsPerPixel : 0, clearRight = ruleRight_ > 0 ? kTwipsPerPixel : 0;
  // A caption stands on blank paper: its lines may run on below its place, unless it is
  // held in a band.
  return TextRoom{.rect = Scaled(place, scale),
                  .alignment = Qt::Alignment(Flags(align_)) | Qt::AlignTop,
                  .unitsPerInch = scale * kTwipsPerInch,
                  .lines = QMarginsF(ruleLeft_, 0, ruleRight_, 0) * scale,
                  .clear = QMarginsF(clearLeft, 0, clearRight, 0) * scale,
                  .wrap = wrap_,
                  .oneLine = !wrap_,
                  .boundedHeight = banded,
                  .leading = wrap_};
}

TextFit FormLabel::LettersInTwips() const { return FitText(caption_, font(), RoomAt(1)); }

void FormLabel::paintEvent(QPaintEvent*) { PaintOnScreen(this); }

void FormLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Click();
  QWidget::mouseReleaseEvent(event);
}

void FormLabel::connectNotify(const QMetaMethod& signal) {
  if (signal == QMetaMethod::fromSignal(&FormLabel::Click)) setAttribute(Qt::WA_TransparentForMouseEvents, false);
  QWidget::connectNotify(signal);
}

// ---- FormLine

FormLine::FormLine(QWidget* page, double x1, double y1, double x2, double y2, int width, bool dotted)
    : QWidget(page), ends_(x1, y1, x2, y2), width_(width), dotted_(dotted) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  // The widget covers the line with room for its thickness.
  const double pad = (width_ + 1) * kTwipsPerPixel;
  SetTwips(QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)))
               .adjusted(-pad, -pad, pad, pad));
}

std::pair<double, double> FormLine::Band() const {
  const int pixels = std::max(1, width_);
  const double middle = PixelBandMiddle(ends_.y1() == ends_.y2() ? ends_.y1() : ends_.x1(), pixels);
  const double half = pixels * kTwipsPerPixel / 2;
  return {middle - half, middle + half};
}

void FormLine::PaintOnPaper(QPainter& painter, double scale) const {
  const int pixels = std::max(1, width_);
  const double half = pixels * kTwipsPerPixel / 2;
  QLineF line = ends_;
  QRectF band;  // a solid level or upright line, as the rectangle it fills
  if (line.y1() == line.y2()) {
    const double y = PixelBandMiddle(line.y1(), pixels);
    line = QLineF(line.x1(), y, line.x2(), y);
    band = QRectF(QPointF(std::min(line.x1(), line.x2()), y - half), QPointF(std::max(line.x1(), line.x2()), y + half));
  } else if (line.x1() == line.x2()) {
    const double x = PixelBandMiddle(line.x1(), pixels);
    line = QLineF(x, line.y1(), x, line.y2());
    band = QRectF(QPointF(x - half, std::min(line.y1(), line.y2())), QPointF(x + half, std::max(line.y1(), line.y2())));
  }
  if (!dotted_ && !band.isNull()) {
    painter.fillRect(Scaled(band, scale), Qt::black);
    return;
  }
  painter.save();
  painter.setPen(PenOf(width_, scale, dotted_ ? Qt::DotLine : Qt::SolidLine));
  painter.drawLine(QLineF(line.p1() * scale, line.p2() * scale));
  painter.restore();
}

void FormLine::paintEvent(QPaintEvent*) { PaintOnScreen(this); }

// ---- FormShape

FormShape::FormShape(QWidget* page, Kind kind, int borderWidth, bool filled)
    : QWidget(page), kind_(kind), border_(borderWidth), filled_(filled) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FormShape::PaintOnPaper(QPainter& painter, double scale) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, kind_ != Kind::kRectangle);
  if (border_ > 0) painter.setPen(PenOf(border_, scale));
  else painter.setPen(Qt::NoPen);
  painter.setBrush(filled_ ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
  // The border lies inside the shape's place.
  const double inset = border_ > 0 ? border_ * kTwipsPerPixel * scale / 2 : 0;
  const QRectF r = Scaled(Twips(), scale).adjusted(inset, inset, -inset, -inset);
  switch (kind_) {
    case Kind::kRectangle: painter.drawRect(r); break;
    case Kind::kRounded: painter.drawRoundedRect(r, 15, 15, Qt::RelativeSize); break;
    case Kind::kOval: painter.drawEllipse(r); break;
  }
  painter.restore();
}

void FormShape::paintEvent(QPaintEvent*) { PaintOnScreen(this); }

// ---- FormImage

FormImage::FormImage(QWidget* page) : QWidget(page) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void FormImage::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

bool FormImage::LoadPicture(const QString& path) {
  QPixmap loaded;
  const bool ok = loaded.load(path);
  SetPicture(ok ? loaded : QPixmap());
  return ok;
}

void FormImage::PaintOnPaper(QPainter& painter, double scale) const {
  if (picture_.isNull()) return;
  painter.drawPixmap(Scaled(Twips(), scale), picture_, QRectF(picture_.rect()));
}

void FormImage::paintEvent(QPaintEvent*) { PaintOnScreen(this); }

// ---- FormTextBox

FormTextBox::FormTextBox(QWidget* page, TextAlign align) : TextBox(page) {
  setFrame(false);
  setAlignment(Qt::Alignment(Flags(align)) | Qt::AlignVCenter);
}

void FormTextBox::SelectToLineEnd() {
  home(false);
  end(true);
}

TextFit FormTextBox::PaperFit(double scale) const {
  QRectF room = Twips();
  if (paperRight_ > room.right()) room.setRight(paperRight_);
  return FitText(text(), font(), OneLineRoom(Scaled(room, scale), alignment() & Qt::AlignHorizontal_Mask, scale));
}

void FormTextBox::PaintOnPaper(QPainter& painter, double scale) const {
  // The box covers what it covers on the screen, no more.
  painter.fillRect(Scaled(CoveredTwips(), scale), BackColor());
  if (text().trimmed().isEmpty()) return;
  painter.save();
  painter.setPen(Qt::black);
  DrawFitted(painter, PaperFit(scale));
  painter.restore();
}

bool FormTextBox::ShownAsOnPaper(const TextFit& fit) const {
  if (hasFocus() || isHidden() || text().trimmed().isEmpty()) return false;
  const double right = (Twips().right() - kTextMargin * kTwipsPerPixel) * kScreenScale;
  return !fit.asSet || std::any_of(fit.lines.begin(), fit.lines.end(), [right](const FittedLine& line) {
    return line.origin.x() + line.width > right;
  });
}

void FormTextBox::paintEvent(QPaintEvent* event) {
  const TextFit fit = PaperFit(kScreenScale);
  if (ShownAsOnPaper(fit)) {
    QPainter painter(this);
    painter.fillRect(rect(), BackColor());
    painter.setPen(palette().color(QPalette::Text));
    painter.translate(-x(), -y());
    DrawFitted(painter, fit);
    return;
  }
  TextBox::paintEvent(event);
}

namespace {

// The blank paper to the right of a box whose text runs on: it shows the part of the
// text that the box itself cannot, as the paper prints it, and lets the mouse through.
class RunOnPaper : public QWidget {
 public:
  RunOnPaper(QWidget* page, std::function<void(QPainter&)> paint) : QWidget(page), paint_(std::move(paint)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.translate(-x(), -y());
    paint_(painter);
  }

 private:
  std::function<void(QPainter&)> paint_;
};

}  // namespace

void FormTextBox::SetPaperRight(double twips) {
  paperRight_ = twips;
  if (paperRight_ > Twips().right() && !runOn_) {
    runOn_ = new RunOnPaper(parentWidget(), [this](QPainter& painter) {
      const TextFit fit = PaperFit(kScreenScale);
      if (!ShownAsOnPaper(fit)) return;
      painter.setFont(font());
      painter.setPen(palette().color(QPalette::Text));
      DrawFitted(painter, fit);
    });
    connect(this, &QLineEdit::textChanged, runOn_, qOverload<>(&QWidget::update));
    runOn_->show();
  }
  PlaceRunOn();
}

void FormTextBox::PlaceRunOn() {
  if (!runOn_) return;
  runOn_->setGeometry(PixelsOf(QRectF(QPointF(Twips().right(), Twips().top()),
                                      QPointF(std::max(paperRight_, Twips().right()), Twips().bottom()))));
  runOn_->setVisible(!isHidden() && paperRight_ > Twips().right());
  runOn_->update();
}

void FormTextBox::moveEvent(QMoveEvent* event) {
  TextBox::moveEvent(event);
  PlaceRunOn();
}

void FormTextBox::resizeEvent(QResizeEvent* event) {
  TextBox::resizeEvent(event);
  PlaceRunOn();
}

void FormTextBox::focusInEvent(QFocusEvent* event) {
  TextBox::focusInEvent(event);
  if (runOn_) runOn_->update();
}

void FormTextBox::focusOutEvent(QFocusEvent* event) {
  TextBox::focusOutEvent(event);
  if (runOn_) runOn_->update();
}

// ---- FormMemoBox

FormMemoBox::FormMemoBox(QWidget* page) : MultiLineTextBox(page) {
  setFrameShape(QFrame::NoFrame);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
  document()->setDocumentMargin(FormTextBox::kTextMargin);
  QPalette p = palette();
  p.setColor(QPalette::Base, Qt::white);
  setPalette(p);
}

void FormMemoBox::SelectToLineEnd() {
  QTextCursor cursor = textCursor();
  cursor.movePosition(QTextCursor::StartOfLine);
  cursor.movePosition(QTextCursor::EndOfLine, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

void FormMemoBox::PaintOnPaper(QPainter& painter, double scale) const {
  painter.fillRect(Scaled(CoveredTwips(), scale), palette().color(QPalette::Base));
  const QString shown = toPlainText();
  if (shown.isEmpty()) return;
  painter.save();
  painter.setFont(font());
  painter.setPen(Qt::black);
  DrawFitted(painter, Fitted(scale));
  painter.restore();
}

TextFit FormMemoBox::Fitted(double scale) const {
  const double margin = FormTextBox::kTextMargin * kTwipsPerPixel * scale;
  return FitText(toPlainText(), font(),
                 TextRoom{.rect = Scaled(Twips(), scale).adjusted(margin, margin, -margin, -margin),
                          .alignment = Qt::AlignLeft | Qt::AlignTop,
                          .unitsPerInch = scale * kTwipsPerInch,
                          .wrap = true,
                          .leading = true});
}

void FormMemoBox::paintEvent(QPaintEvent* event) {
  if (!hasFocus() && !toPlainText().isEmpty()) {
    const TextFit fit = Fitted(kScreenScale);
    if (!fit.asSet) {
      QPainter painter(viewport());
      painter.fillRect(viewport()->rect(), palette().color(QPalette::Base));
      painter.translate(-pos() - viewport()->pos());
      painter.setPen(palette().color(QPalette::Text));
      DrawFitted(painter, fit);
      return;
    }
  }
  MultiLineTextBox::paintEvent(event);
}

void FormMemoBox::focusInEvent(QFocusEvent* event) {
  MultiLineTextBox::focusInEvent(event);
  if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) emit GotFocus();
}

void FormMemoBox::focusOutEvent(QFocusEvent* event) {
  MultiLineTextBox::focusOutEvent(event);
  if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
  QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) return;
  cursor.clearSelection();
  setTextCursor(cursor);
}

void FormMemoBox::keyPressEvent(QKeyEvent* event) {
  emit KeyDown(KeyCode(event->key()), event->modifiers());
  if (enterMovesOn_ && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    event->accept();
    return;
  }
  MultiLineTextBox::keyPressEvent(event);
}

// ---- FormCheckBox

FormCheckBox::FormCheckBox(QWidget* page, const QString& caption, const QFont& font) : CheckBox(caption, page) {
  setFont(font);
}

void FormCheckBox::PaintOnPaper(QPainter& painter, double scale) const {
  Paint(painter, Scaled(Twips(), scale), kTwipsPerPixel * scale);
}

// ---- FormComboBox

FormComboBox::FormComboBox(QWidget* page) : QComboBox(page) {}

void FormComboBox::PaintOnPaper(QPainter& painter, double scale) const {
  if (currentText().isEmpty()) return;
  painter.save();
  painter.setFont(font());
  painter.setPen(Qt::black);
  DrawFittedText(painter, OneLineRoom(Scaled(Twips(), scale), Qt::AlignLeft, scale), currentText());
  painter.restore();
}

// ---- FormButton

FormButton::FormButton(QWidget* page, const QString& caption) : CommandButton(caption, page) {}

}  // namespace platform
