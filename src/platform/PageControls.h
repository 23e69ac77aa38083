#pragma once
// The controls of a page window (a window that is itself a printed page): labels, lines,
// shapes, pictures, borderless text boxes, check boxes, combo boxes and buttons, each
// placed in twips within the page. Every control paints itself through one function,
// PaintOnPaper, on the screen (at 15 twips a pixel) and on paper (at the printer's
// resolution) alike, so that the paper shows what the screen shows: text as text, lines
// as lines. On paper a text box prints its text in its font, without frame, caret or
// selection (but over what lies under it, as on the screen), and a button prints nothing.
//
//   auto* label = new platform::FormLabel(page, "Subsemnatul", font);
//   label->SetTwips(QRectF(2100, 5415, 0, 300));   // width 0: as wide as its text
//   label->PaintOnPaper(painter, printerDpi / 1440.0);

#include <QComboBox>
#include <QFont>
#include <QPixmap>
#include <QRectF>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "platform/CheckBox.h"
#include "platform/FittedText.h"
#include "platform/CommandButton.h"
#include "platform/MultiLineTextBox.h"
#include "platform/TextBox.h"

class QPainter;

namespace platform {

// What every page control shares: its place in the page in twips (Left, Top, Width,
// Height, real numbers as the program computes them), and its painting.
class PageControl {
 public:
  virtual ~PageControl() = default;

  virtual QWidget* Widget() = 0;
  const QWidget* Widget() const { return const_cast<PageControl*>(this)->Widget(); }

  const QRectF& Twips() const { return twips_; }
  double Left() const { return twips_.left(); }
  double Top() const { return twips_.top(); }
  double Width() const { return twips_.width(); }
  double Height() const { return twips_.height(); }
  // Places the control; the widget goes to the nearest pixels (15 twips a pixel).
  void SetTwips(const QRectF& twips);
  void MoveBy(double dxTwips, double dyTwips);

  // A line keeps its place when the page's controls are shifted.
  virtual bool IsLine() const { return false; }
  // A drawn element of the page (a label, line, shape or picture) rather than a window:
  // every window of the page (box, check box, combo box, button) stands above every
  // drawn element, whatever the order they were made in.
  virtual bool IsDrawn() const { return false; }

  // Paints the control as it prints, at `scale` device units a twip, the page's top left
  // corner at the painter's origin.
  virtual void PaintOnPaper(QPainter& painter, double scale) const = 0;

  // The page control of a widget, or nullptr.
  static PageControl* Of(QWidget* widget);

 protected:
  // Paints the control on its own widget through PaintOnPaper.
  void PaintOnScreen(QWidget* widget) const;
  // The part of the page the control's widget covers on the screen (its place with each
  // edge on the nearest pixel), in twips: what a box covers on paper too.
  QRectF CoveredTwips() const;
  // The place the control takes when asked for `twips` (a label without a width fits
  // its caption).
  virtual QRectF Fitted(const QRectF& twips) { return twips; }

 private:
  QRectF twips_;
};

// Horizontal alignment of a label's or a box's text.
enum class TextAlign { kLeft, kCentre, kRight };

// A label: one caption in one font, transparent, its text from the top left corner (or
// centred or right-aligned). A width of 0 makes it as wide as its text (AutoSize). A
// caption wider than its label is fitted into it (DrawFittedText: condensed, then
// smaller); a caption that wraps keeps its width and wraps at the label's, its lines
// running on below the label's place as the blank paper allows.
class FormLabel : public QWidget, public PageControl {
  Q_OBJECT
 public:
  bool IsDrawn() const override { return true; }
  FormLabel(QWidget* page, QString caption, const QFont& font, TextAlign align = TextAlign::kLeft);
  QWidget* Widget() override { return this; }
  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  void SetForeColor(const QColor& colour);
  void SetWordWrap(bool on) { wrap_ = on; update(); }
  bool WordWrap() const { return wrap_; }
  TextAlign Align() const { return align_; }
  bool AutoWidth() const { return autoWidth_; }
  // The widest a label may be, in twips (0: no limit): a label as wide as its caption
  // grows no wider, a wider one is narrowed; a caption wider than that is fitted into it.
  void SetMaxWidth(double twips);
  void PaintOnPaper(QPainter& painter, double scale) const override;
  // The caption as the paper prints it, in twips.
  TextFit LettersInTwips() const;
  // The height in twips that a caption of one line keeps its letters within, rules or
  // other captions lying above and below: a caption whose letters are higher than that is
  // reduced until they stand in it.
  void SetLetterBand(double top, double bottom);
  // How far upright rules along the label's left and right reach into it, in twips: the
  // caption keeps a pixel clear of them, condensed or reduced to keep it.
  void SetSideRules(double left, double right);

  // The width in twips that the caption needs in `font`.
  static double TextWidthTwips(const QString& caption, const QFont& font);

 signals:
  // A click of the mouse on the label. A label lets the mouse through to what lies
  // under it until something connects to its Click.
  void Click();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void connectNotify(const QMetaMethod& signal) override;
  QRectF Fitted(const QRectF& twips) override;

 private:
  QString caption_;
  TextAlign align_;
  QColor colour_ = Qt::black;
  bool wrap_ = false;
  bool autoWidth_ = false;
  double maxWidth_ = 0;
  double bandTop_ = 0, bandBottom_ = 0;  // no band while they are equal
  double ruleLeft_ = 0, ruleRight_ = 0;

  // Where the caption stands on paper drawn at `scale` (its units a twip).
  TextRoom RoomAt(double scale) const;
};

// A straight line from (x1, y1) to (x2, y2) in twips, `width` pixels thick (1 a thin
// rule), solid or dotted. A level or upright line takes the band of whole pixels it
// takes on the screen, on paper too, so that it meets the boxes beside it there as it
// does on the screen.
class FormLine : public QWidget, public PageControl {
  Q_OBJECT
 public:
  FormLine(QWidget* page, double x1, double y1, double x2, double y2, int width = 1, bool dotted = false);
  QWidget* Widget() override { return this; }
  bool IsLine() const override { return true; }
  bool IsDrawn() const override { return true; }
  QLineF Ends() const { return ends_; }
  int Thickness() const { return std::max(1, width_); }
  // What a level or upright line fills across itself on paper, in twips (top to bottom,
  // or left to right): the band of whole pixels it takes on the screen.
  std::pair<double, double> Band() const;
  void PaintOnPaper(QPainter& painter, double scale) const override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QLineF ends_;
  int width_;
  bool dotted_;
};

// A shape: a rectangle, a rounded rectangle or an oval, its border `borderWidth` pixels
// thick (0: none), filled black or left empty.
class FormShape : public QWidget, public PageControl {
  Q_OBJECT
 public:
  bool IsDrawn() const override { return true; }
  enum class Kind { kRectangle, kRounded, kOval };
  FormShape(QWidget* page, Kind kind, int borderWidth = 1, bool filled = false);
  QWidget* Widget() override { return this; }
  Kind ShapeKind() const { return kind_; }
  // The border's width in pixels (0: none).
  int Border() const { return border_; }
  void PaintOnPaper(QPainter& painter, double scale) const override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  Kind kind_;
  int border_;
  bool filled_;
};

// A picture stretched over its place (a scanned background); it prints as a picture.
class FormImage : public QWidget, public PageControl {
  Q_OBJECT
 public:
  bool IsDrawn() const override { return true; }
  explicit FormImage(QWidget* page);
  QWidget* Widget() override { return this; }
  const QPixmap& Picture() const { return picture_; }
  void SetPicture(const QPixmap& picture);
  // Loads the picture from a file; false (and no picture) when it cannot be read.
  bool LoadPicture(const QString& path);
  void PaintOnPaper(QPainter& painter, double scale) const override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QPixmap picture_;
};

// A borderless, single-line text box on a ruled line of the page; white unless told.
// On paper the text is fitted into the box (DrawFittedText), or into the paper up to
// PaperRight when it is set; on the screen a text too long for the box scrolls while the
// box is being edited, and is shown fitted into the box otherwise.
class FormTextBox : public TextBox, public PageControl {
  Q_OBJECT
 public:
  explicit FormTextBox(QWidget* page, TextAlign align = TextAlign::kLeft);
  QWidget* Widget() override { return this; }
  QString Text() const { return text(); }
  void SetText(const QString& text) { setText(text); }
  // On paper the text may run on to the right of the box, over blank paper, up to
  // `twips` from the page's left; 0: the box's own right edge. The screen shows it so
  // too while the box is not being edited.
  void SetPaperRight(double twips);
  double PaperRight() const { return paperRight_; }
  // Home, then Shift+End: the text from its beginning to the end of its line.
  void SelectToLineEnd();
  void PaintOnPaper(QPainter& painter, double scale) const override;

  // The gap between a box's edge and its text, in pixels, as the box shows it.
  static constexpr int kTextMargin = 2;

 protected:
  // A box that is not being edited shows a text too long for it as the paper does.
  void paintEvent(QPaintEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // The text as the paper prints it, at `scale` device units a twip from the page's top
  // left corner.
  TextFit PaperFit(double scale) const;
  // Whether the screen shows the text as the paper prints it: while the box is not being
  // edited, a text that the paper condenses, reduces, cuts or runs on.
  bool ShownAsOnPaper(const TextFit& fit) const;
  void PlaceRunOn();

  double paperRight_ = 0;
  QWidget* runOn_ = nullptr;  // the blank paper to its right, where its text runs on
};

// A borderless text box of several lines (CR LF kept, as MultiLineTextBox); it wraps
// at its width and prints its lines within its place (DrawFittedText: smaller until they
// fit, whole lines from the top past that), and shows them so on the screen too while it
// is not being edited.
class FormMemoBox : public MultiLineTextBox, public PageControl {
  Q_OBJECT
 public:
  explicit FormMemoBox(QWidget* page);
  QWidget* Widget() override { return this; }
  void SelectToLineEnd();
  void PaintOnPaper(QPainter& painter, double scale) const override;
  // On, Enter goes only to KeyDown (whose handler moves the focus on) and puts no line
  // break into the box.
  void SetEnterMovesOn(bool on) { enterMovesOn_ = on; }

 signals:
  void GotFocus();
  void KeyDown(int keyCode, Qt::KeyboardModifiers shift);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  // Leaving the box drops its selection, as a single-line box does.
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // The box's text as it stands in the room inside its margins at `scale` device units
  // a twip, from the page's top left corner.
  TextFit Fitted(double scale) const;
  bool enterMovesOn_ = false;
};

// A check box of the page (CheckBox: Value, SpecialEffect 0 flat or 2 sunken, Click,
// GotFocus, LostFocus); it prints as it shows, without the focus frame.
class FormCheckBox : public CheckBox, public PageControl {
  Q_OBJECT
 public:
  FormCheckBox(QWidget* page, const QString& caption, const QFont& font);
  QWidget* Widget() override { return this; }
  void PaintOnPaper(QPainter& painter, double scale) const override;
};

// A drop-down list of fixed entries; on paper its chosen entry.
class FormComboBox : public QComboBox, public PageControl {
  Q_OBJECT
 public:
  explicit FormComboBox(QWidget* page);
  QWidget* Widget() override { return this; }
  void PaintOnPaper(QPainter& painter, double scale) const override;
};

// A command button of the page; buttons never reach the paper.
class FormButton : public CommandButton, public PageControl {
  Q_OBJECT
 public:
  FormButton(QWidget* page, const QString& caption);
  QWidget* Widget() override { return this; }
  void PaintOnPaper(QPainter&, double) const override {}
};

}  // namespace platform
