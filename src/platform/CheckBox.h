#pragma once
// The forms check box: a tick square with an optional caption at its right, the events
// the program's handlers are written against, and two looks of the square, flat or
// sunken (SpecialEffect 0 or 2; sunken is the default).
//
// Click is raised whenever Value changes: by a click of the mouse on the box or on its
// caption, by the space bar while it has the focus, and by code that sets Value. Setting
// Value to what it already is raises nothing. GotFocus and LostFocus come after the focus
// has moved, as a text box's do; a click of the mouse first takes the focus and then
// ticks.
//
// The box draws itself with lines, rectangles and text only, so that a page printed
// through QPicture or straight from Paint() stays vector output.

#include <QColor>
#include <QString>
#include <QWidget>

class QPainter;

namespace platform {

class CheckBox : public QWidget {
  Q_OBJECT
 public:
  // SpecialEffect values this box draws.
  static constexpr int kFlat = 0;
  static constexpr int kSunken = 2;

  explicit CheckBox(QWidget* parent = nullptr);
  explicit CheckBox(const QString& caption, QWidget* parent = nullptr);

  bool Value() const { return value_; }
  void SetValue(bool value);  // raises Click when the value changes

  // 0 flat, 2 sunken; any other value draws sunken.
  int SpecialEffect() const { return specialEffect_; }
  void SetSpecialEffect(int effect);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);

  // An invalid colour (the default) leaves the box transparent over its parent.
  QColor BackColor() const { return backColor_; }
  void SetBackColor(const QColor& colour);

  // The tick square, in the box's own coordinates (pixels).
  QRect SquareRect() const;

  // Paints the box as it prints, without the focus frame: back colour, square, tick and
  // caption, into `place` (device units) at `pixel` device units to a pixel of the
  // screen; the caption in the box's font, sized by the painter's device. The screen
  // paints with place = rect() and pixel = 1; a page printed at 1200 dots to the inch
  // passes the box's place on the paper and 12.5.
  void Paint(QPainter& painter, const QRectF& place, double pixel) const;

  QSize sizeHint() const override;

 signals:
  void Click();
  void GotFocus();
  void LostFocus();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QRect CaptionRect() const;

  bool value_ = false;
  int specialEffect_ = kSunken;
  QString caption_;
  QColor backColor_;
  bool pressed_ = false;
};

}  // namespace platform
