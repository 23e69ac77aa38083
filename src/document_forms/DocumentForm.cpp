#include "document_forms/DocumentForm.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "core/CaseWindow.h"
#include "core/Fonts.h"
#include "core/MDIVelorast.h"
#include "document_forms/PagePrinting.h"
#include "platform/Clock.h"
#include "platform/FittedText.h"
#include "platform/FormPrinter.h"
#include "platform/KeyCodes.h"
#include "platform/Keystrokes.h"
#include "platform/Twips.h"

namespace document_forms {
namespace {

// KeepInView's margins, in twips.
constexpr double kBottomMargin = 700;
constexpr double kTopLimit = 100;
constexpr double kTopMargin = 450;

// A row of full stops about as wide as `width` twips in `font`.
QString DotsFor(double width, const QFont& font) {
  const double dot = QFontMetricsF(font).horizontalAdvance(QLatin1Char('.')) * platform::kTwipsPerPixel;
  const int count = dot > 0 ? std::max(1, static_cast<int>(width / dot)) : 1;
  return QString(count, QLatin1Char('.'));
}

bool IsFocusReturn(const QFocusEvent* event) {
  return event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason;
}

core::MDIVelorast* Mdi() { return platform::Forms::Get<core::MDIVelorast>(); }

// Whether a character of `caption` drawn in `font` from `left` (twips) lies across the
// band from `from` to `to`: any character but a blank, or only a letter or digit.
bool DrawsACharacterAcross(const QString& caption, const QFont& font, double left, double from, double to,
                           bool lettersOnly) {
  const QFontMetricsF metrics(font);
  double start = left;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    const double end = left + metrics.horizontalAdvance(caption.left(i + 1)) * platform::kTwipsPerPixel;
    const QChar c = caption.at(i);
    const bool counts = lettersOnly ? c.isLetterOrNumber() : !c.isSpace();
    if (counts && end > from && start < to) return true;
    start = end;
  }
  return false;
}

// Whether a control spanning `top` to `bottom` stands on the line of `place` (twips):
// they share at least half the height of the lower of the two.
bool OnTheLineOf(const QRectF& place, double top, double bottom) {
  const double shared = std::min(place.bottom(), bottom) - std::max(place.top(), top);
  return shared >= std::min(place.height(), bottom - top) / 2;
}

}  // namespace

QFont FontOf(const Font& font, const Font& pageFont) {
  const Font& f = font.face ? font : pageFont;
  QFont out{QString::fromLatin1(f.face)};
  out.setPointSizeF(f.size > 0 ? f.size : 8.25);
  out.setBold(f.bold);
  out.setItalic(f.italic);
  out.setUnderline(f.underline);
  return out;
}

double KeepInViewTop(double windowTop, double controlTop, double height, double scaleHeight) {
  // The control's top edge in the client area, to whole twips, halves to the even one.
  const double c = std::nearbyint(controlTop + windowTop);
  if (c > scaleHeight - height - kBottomMargin) return windowTop - (c - scaleHeight) - height - kBottomMargin;
  if (c < kTopLimit) return windowTop - c + kTopMargin;
  return windowTop;
}

QString PrintFailureMessage(int number, const QString& description, const QString& source) {
  if (number == platform::kErrCannotPrintPage) return kPrinterNotConnected;
  return QStringLiteral("%1 %2 %3").arg(number).arg(description, source);
}

DocumentForm::DocumentForm(const Page& page) : page_(page) {
  setWindowTitle(QString::fromUtf8(page_.caption));
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setFont(FontOf(page_.pageFont, page_.pageFont));
  LayOut();
  SetTabOrder();
}

DocumentForm::~DocumentForm() = default;

// ---- The page laid out from its table

void DocumentForm::LayOut() {
  const QFont pageFont = font();
  for (const Item& item : page_.items) {
    const Font& ownDefault = item.kind == Kind::kLabel ? page_.labelFont
                             : item.kind == Kind::kBox || item.kind == Kind::kMemo ? page_.boxFont
                                                                                   : page_.pageFont;
    const QFont itemFont = FontOf(item.font, ownDefault.face ? ownDefault : page_.pageFont);
    const QRectF place(item.left, item.top, item.width, item.height);
    platform::PageControl* control = nullptr;
    switch (item.kind) {
      case Kind::kLabel: {
        auto* label = new platform::FormLabel(this, QString::fromUtf8(item.text ? item.text : ""), itemFont, item.align);
        label->SetWordWrap(item.wrap);
        control = label;
        break;
      }
      case Kind::kDots:
        control = new platform::FormLabel(this, DotsFor(item.width, pageFont), pageFont);
        break;
      case Kind::kLine: {
        auto* line = new platform::FormLine(this, item.left, item.top, item.width, item.height, item.border, item.dotted);
        controls_.push_back(line);
        if (item.name) byName_[{QString::fromLatin1(item.name), item.index}] = line;
        continue;  // a line places itself from its ends
      }
      case Kind::kShape:
        control = new platform::FormShape(this, item.shape, item.border, item.filled);
        break;
      case Kind::kImage:
        control = new platform::FormImage(this);
        break;
      case Kind::kBox:
      case Kind::kMemo: {
        const int index = item.index;
        QWidget* widget = nullptr;
        if (item.kind == Kind::kBox) {
          auto* box = new platform::FormTextBox(this, item.align);
          connect(box, &platform::TextBox::GotFocus, this, [this, index] { txt_GotFocus(index); });
          connect(box, &platform::TextBox::KeyDown, this,
                  [this, index](int key, Qt::KeyboardModifiers shift) { txt_KeyDown(index, key, shift); });
          control = box;
          widget = box;
        } else {
          auto* memo = new platform::FormMemoBox(this);
          memo->SetEnterMovesOn(page_.boxFocus != BoxFocus::kNone);  // Enter is the Tab key
          connect(memo, &platform::FormMemoBox::GotFocus, this, [this, index] { txt_GotFocus(index); });
          connect(memo, &platform::FormMemoBox::KeyDown, this,
                  [this, index](int key, Qt::KeyboardModifiers shift) { txt_KeyDown(index, key, shift); });
          control = memo;
          widget = memo;
        }
        widget->setFont(itemFont);
        if (index >= static_cast<int>(boxes_.size())) boxes_.resize(index + 1, nullptr);
        boxes_[index] = control;
        byName_[{QString::fromLatin1(page_.boxArray), index}] = control;
        break;
      }
      case Kind::kCheck:
        control = new platform::FormCheckBox(this, QString::fromUtf8(item.text ? item.text : ""), itemFont);
        break;
      case Kind::kCombo: {
        auto* combo = new platform::FormComboBox(this);
        combo->setFont(itemFont);
        control = combo;
        break;
      }
      case Kind::kButton: {
        auto* button = new platform::FormButton(this, QString::fromUtf8(item.text ? item.text : ""));
        button->installEventFilter(this);
        const QString name = QString::fromLatin1(item.name ? item.name : "");
        const int index = item.index;
        if (name == QLatin1String("cmdPrint"))
          connect(button, &QAbstractButton::clicked, this, [this, index] { cmdPrint_Click(index); });
        else if (name == QLatin1String("cmdExit"))
          connect(button, &QAbstractButton::clicked, this, [this, index] { cmdExit_Click(index); });
        control = button;
        break;
      }
    }
    QWidget* widget = control->Widget();
    if (item.kind == Kind::kLabel || item.kind == Kind::kDots || item.kind == Kind::kShape ||
        item.kind == Kind::kImage)
      widget->setFocusPolicy(Qt::NoFocus);
    control->SetTwips(place);
    controls_.push_back(control);
    if (item.name) byName_[{QString::fromLatin1(item.name), item.index}] = control;
  }
  // The windows (boxes, check boxes, combo boxes, buttons) above every drawn element,
  // in their own order among themselves.
  for (platform::PageControl* control : controls_)
    if (!control->IsDrawn()) control->Widget()->raise();
  KeepCaptionsClear();
  KeepCaptionsOffSideRules();
  KeepCaptionsOffLevelRules();
  LetBoxesRunOn();
}

std::vector<DocumentForm::LevelRule> DocumentForm::LevelRules() const {
  std::vector<LevelRule> rules;
  for (platform::PageControl* control : controls_) {
    if (auto* line = dynamic_cast<platform::FormLine*>(control)) {
      const QLineF ends = line->Ends();
      if (ends.y1() == ends.y2()) {
        const auto [top, bottom] = line->Band();
        rules.push_back({top, bottom, std::min(ends.x1(), ends.x2()), std::max(ends.x1(), ends.x2())});
      }
    } else if (auto* shape = dynamic_cast<platform::FormShape*>(control);
               shape && shape->ShapeKind() == platform::FormShape::Kind::kRectangle && shape->Border() > 0) {
      const QRectF place = shape->Twips();
      const double border = shape->Border() * platform::kTwipsPerPixel;  // drawn inside its place
      rules.push_back({place.top(), place.top() + border, place.left(), place.right()});
      rules.push_back({place.bottom() - border, place.bottom(), place.left(), place.right()});
    }
  }
  return rules;
}

void DocumentForm::KeepCaptionsOffSideRules() {
  std::vector<std::pair<double, double>> bands;  // of the upright rules, left to right
  std::vector<std::pair<double, double>> heights;
  for (platform::PageControl* control : controls_) {
    if (auto* line = dynamic_cast<platform::FormLine*>(control); line && line->Ends().x1() == line->Ends().x2()) {
      bands.push_back(line->Band());
      heights.push_back(std::minmax(line->Ends().y1(), line->Ends().y2()));
    }
  }
  for (platform::PageControl* control : controls_) {
    auto* label = dynamic_cast<platform::FormLabel*>(control);
    if (!label || label->WordWrap() || label->Caption().trimmed().isEmpty()) continue;
    const QRectF place = label->Twips();
    const double pixel = platform::kTwipsPerPixel;
    double left = 0, right = 0;
    for (size_t i = 0; i < bands.size(); ++i) {
      if (!OnTheLineOf(place, heights[i].first, heights[i].second)) continue;
      const auto [from, to] = bands[i];
      if (from <= place.left() + pixel && to > place.left() - pixel) left = std::max(left, to - place.left());
      if (to >= place.right() - pixel && from < place.right() + pixel) right = std::max(right, place.right() - from);
    }
    if (left > 0 || right > 0) label->SetSideRules(left, right);
  }
}

void DocumentForm::KeepCaptionsOffLevelRules() {
  const std::vector<LevelRule> rules = LevelRules();
  // Every caption's letters as the paper prints them: from top to bottom, and where along
  // its line they begin and end.
  struct Letters {
    platform::FormLabel* label;
    double top, bottom, left, right;
  };
  std::vector<Letters> captions;
  for (platform::PageControl* control : controls_) {
    auto* label = dynamic_cast<platform::FormLabel*>(control);
    if (!label || label->Caption().trimmed().isEmpty()) continue;
    const platform::TextFit fit = label->LettersInTwips();
    if (fit.lines.empty()) continue;
    double left = fit.lines.front().origin.x(), right = left;
    for (const platform::FittedLine& line : fit.lines) {
      left = std::min(left, line.origin.x());
      right = std::max(right, line.origin.x() + line.width);
    }
    captions.push_back({label, fit.inkTop, fit.inkBottom, left, right});
  }
  const double pixel = platform::kTwipsPerPixel;
  // Whether letters from `top` to `bottom` come within a pixel of `rule`.
  const auto touches = [pixel](const LevelRule& rule, double top, double bottom) {
    return rule.top < bottom + pixel && rule.bottom > top - pixel;
  };
  for (size_t i = 0; i < captions.size(); ++i) {
    Letters& c = captions[i];
    if (c.label->WordWrap()) continue;
    const QString text = c.label->Caption();
    const QFont font = c.label->font();
    const auto crosses = [&](const LevelRule& rule) {
      return rule.left < c.right && rule.right > c.left &&
             DrawsACharacterAcross(text, font, c.left, rule.left, rule.right, false);
    };
    double down = 0, up = 0;  // the moves that clear the rules above and below
    for (const LevelRule& rule : rules) {
      if (!crosses(rule) || !touches(rule, c.top, c.bottom)) continue;
      if (rule.top + rule.bottom > c.top + c.bottom) up = std::min(up, rule.top - pixel - c.bottom);
      else down = std::max(down, rule.bottom + pixel - c.top);
    }
    if (up == 0 && down == 0) continue;  // clear of every rule
    const auto beside = [&c, pixel](const Letters& o) {
      return &o != &c && o.left < c.right + pixel && o.right > c.left - pixel;
    };
    if (up == 0 || down == 0) {
      const double dy = up != 0 ? up : down;
      const double top = c.top + dy, bottom = c.bottom + dy;
      const bool blocked =
          std::abs(dy) > QFontMetricsF(font).descent() * pixel ||
          std::any_of(rules.begin(), rules.end(),
                      [&](const LevelRule& r) { return crosses(r) && touches(r, top, bottom); }) ||
          std::any_of(captions.begin(), captions.end(), [&](const Letters& o) {
            return beside(o) && o.top < bottom + pixel && o.bottom > top - pixel;
          });
      if (!blocked) {
        c.label->MoveBy(0, dy);
        c.top = top;
        c.bottom = bottom;
        continue;
      }
    }
    // Held where it stands (between two rules, or a rule and another caption close by):
    // reduced to the room between them, the gap to a caption shared with it.
    double top = c.top + down, bottom = c.bottom + up;
    for (const Letters& o : captions) {
      if (!beside(o) || o.top >= c.bottom || o.bottom <= c.top - pixel || o.top >= c.top) continue;
      top = std::max(top, (o.bottom + c.top) / 2 + pixel / 2);  // a caption close above
    }
    for (const Letters& o : captions) {
      if (!beside(o) || o.bottom <= c.top || o.top >= c.bottom + pixel || o.bottom <= c.bottom) continue;
      bottom = std::min(bottom, (c.bottom + o.top) / 2 - pixel / 2);  // a caption close below
    }
    if (bottom > top) c.label->SetLetterBand(top, bottom);
  }
}

std::vector<DocumentForm::UprightRule> DocumentForm::UprightRules() const {
  std::vector<UprightRule> rules;
  for (platform::PageControl* control : controls_) {
    if (auto* line = dynamic_cast<platform::FormLine*>(control)) {
      const QLineF ends = line->Ends();
      if (ends.x1() == ends.x2())
        rules.push_back({ends.x1(), std::min(ends.y1(), ends.y2()), std::max(ends.y1(), ends.y2()), line->Thickness()});
    } else if (auto* shape = dynamic_cast<platform::FormShape*>(control);
               shape && shape->ShapeKind() == platform::FormShape::Kind::kRectangle && shape->Border() > 0) {
      // A rectangle's sides, its border drawn inside its place.
      const QRectF place = shape->Twips();
      const double inset = shape->Border() * platform::kTwipsPerPixel / 2;
      for (double x : {place.left() + inset, place.right() - inset})
        rules.push_back({x, place.top(), place.bottom(), shape->Border()});
    }
  }
  return rules;
}

void DocumentForm::KeepCaptionsClear() {
  const std::vector<UprightRule> rules = UprightRules();
  for (platform::PageControl* control : controls_) {
    auto* label = dynamic_cast<platform::FormLabel*>(control);
    // A caption of one line laid from its label's left: one as wide as its text, or a
    // left-aligned one in a label of its own width.
    if (!label || label->WordWrap() || (!label->AutoWidth() && label->Align() != platform::TextAlign::kLeft))
      continue;
    const QRectF caption = label->Twips();
    const QString text = label->Caption();
    const auto onItsLine = [&caption](double top, double bottom) { return OnTheLineOf(caption, top, bottom); };
    // Where its letters stand from top to bottom, as the paper prints them.
    const platform::TextFit letters = label->LettersInTwips();
    const auto hidesLetters = [&letters](double top, double bottom) {
      return top < letters.inkBottom && bottom > letters.inkTop;
    };
    double room = 0;
    const auto endBefore = [&room, &caption](double x) {
      if (room == 0 || x - caption.left() < room) room = x - caption.left();
    };
    // An upright rule through the caption's text: the caption ends a pixel short of it.
    // Only a caption that the fit rule can hold before the rule (at half its width and
    // its smallest size) is drawn so; one that the rule crosses near its start is left as
    // it stands.
    const double natural = platform::FormLabel::TextWidthTwips(text, label->font());
    const double set = label->font().pointSizeF();
    const double least =
        natural * platform::kMinTextStretch / 100 * (set > 0 ? platform::SmallestTextSize(set) / set : 1);
    for (const UprightRule& rule : rules) {
      const double half = rule.thickness * platform::kTwipsPerPixel / 2;
      const double x = rule.x - half - platform::kTwipsPerPixel;
      if (onItsLine(rule.top, rule.bottom) && x - caption.left() >= least && rule.x < caption.right() &&
          DrawsACharacterAcross(text, label->font(), caption.left(), x, rule.x + half, false))
        endBefore(x);
    }
    // A box that would hide some of its letters, on its line or over a part of their
    // height: the caption ends where the box begins.
    for (platform::PageControl* other : controls_) {
      if (other->IsDrawn() || qobject_cast<platform::FormButton*>(other->Widget())) continue;
      const QRectF box = other->Twips();
      if ((onItsLine(box.top(), box.bottom()) || hidesLetters(box.top(), box.bottom())) &&
          box.left() > caption.left() && box.left() < caption.right() &&
          DrawsACharacterAcross(text, label->font(), caption.left(), box.left(), box.right(), true))
        endBefore(box.left());
    }
    if (room > 0) label->SetMaxWidth(room);
  }
}

void DocumentForm::LetBoxesRunOn() {
  const std::vector<UprightRule> rules = UprightRules();
  for (size_t i = 0; i < page_.items.size() && i < controls_.size(); ++i) {
    auto* box = dynamic_cast<platform::FormTextBox*>(controls_[i]);
    if (!box || !page_.items[i].runsOn) continue;
    const QRectF place = box->Twips();
    // The blank paper to the box's right ends where something else prints on its line:
    // a caption's first character, another window, an upright rule. A caption that
    // reaches out from under the box leaves no blank paper at all.
    double right = page_.orientation == platform::kLandscape ? kA4LongTwips : kA4ShortTwips;
    std::vector<platform::PageControl*> onItsLine;
    for (platform::PageControl* other : controls_) {
      if (other == box || other->IsLine() || qobject_cast<platform::FormButton*>(other->Widget())) continue;
      // A caption takes the height of its letters' line, whatever its label's height.
      const auto* label = dynamic_cast<platform::FormLabel*>(other);
      const double height =
          label ? QFontMetricsF(label->font()).height() * platform::kTwipsPerPixel : other->Height();
      if (OnTheLineOf(place, other->Top(), other->Top() + height)) onItsLine.push_back(other);
    }
    for (platform::PageControl* other : onItsLine) {
      double start = other->Left();
      if (auto* label = dynamic_cast<platform::FormLabel*>(other)) {
        const QString caption = label->Caption();
        qsizetype leading = 0;
        while (leading < caption.size() && caption.at(leading).isSpace()) ++leading;
        if (leading == caption.size()) continue;
        start += platform::FormLabel::TextWidthTwips(caption.left(leading), label->font());
      } else if (other->IsDrawn()) {
        continue;  // shapes and pictures: their sides are the upright rules below
      }
      if (start >= place.right()) right = std::min(right, start);
    }
    for (const UprightRule& rule : rules) {
      const double x = rule.x - rule.thickness * platform::kTwipsPerPixel / 2;
      if (rule.x >= place.right() && OnTheLineOf(place, rule.top, rule.bottom)) right = std::min(right, x);
    }
    for (platform::PageControl* other : onItsLine) {
      if (other->Left() >= place.right()) continue;
      const auto* label = dynamic_cast<platform::FormLabel*>(other);
      const bool reachesOut =
          label ? DrawsACharacterAcross(label->Caption(), label->font(), other->Left(), place.right(), right, false)
                : !other->IsDrawn() && other->Left() + other->Width() > place.right();
      if (reachesOut) right = place.right();
    }
    box->SetPaperRight(std::max(right, place.right()));
  }
}

std::vector<QWidget*> DocumentForm::TabChain() const {
  std::vector<QWidget*> order;
  auto add = [&](platform::PageControl* control) {
    if (control) order.push_back(control->Widget());
  };
  if (!page_.tabOrder.empty()) {
    for (const TabStop& stop : page_.tabOrder) add(Control(QString::fromLatin1(stop.name), stop.index));
  } else {
    for (platform::PageControl* box : boxes_) add(box);
    for (int index : {0, 1, -1}) {
      add(cmdPrint(index));
      add(cmdExit(index));
    }
  }
  return order;
}

void DocumentForm::SetTabOrder() {
  const std::vector<QWidget*> order = TabChain();
  for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

platform::PageControl* DocumentForm::Control(const QString& name, int index) const {
  const auto it = byName_.find({name, index});
  return it == byName_.end() ? nullptr : it->second;
}

platform::PageControl* DocumentForm::Box(int index) const {
  return index >= 0 && index < BoxCount() ? boxes_[index] : nullptr;
}

QWidget* DocumentForm::BoxWidget(int index) const {
  platform::PageControl* box = Box(index);
  return box ? box->Widget() : nullptr;
}

QString DocumentForm::Text(int index) const {
  QWidget* widget = BoxWidget(index);
  if (auto* box = qobject_cast<platform::FormTextBox*>(widget)) return box->Text();
  if (auto* memo = qobject_cast<platform::FormMemoBox*>(widget)) return memo->Text();
  return {};
}

void DocumentForm::SetText(int index, const QString& text) {
  QWidget* widget = BoxWidget(index);
  if (auto* box = qobject_cast<platform::FormTextBox*>(widget)) box->SetText(text);
  else if (auto* memo = qobject_cast<platform::FormMemoBox*>(widget)) memo->SetText(text);
}

int DocumentForm::IndexOfBox(const QWidget* widget) const {
  for (int i = 0; i < BoxCount(); ++i)
    if (boxes_[i] && boxes_[i]->Widget() == widget) return i;
  return -1;
}

QSize DocumentForm::PagePixels() const {
  const bool landscape = page_.orientation == platform::kLandscape;
  return {platform::TwipsToPixels(landscape ? kA4LongTwips : kA4ShortTwips),
          platform::TwipsToPixels(landscape ? kA4ShortTwips : kA4LongTwips)};
}

// ---- Loading, opening, unloading

void DocumentForm::Form_Load() {
  setFixedSize(PagePixels());  // height, then width, as one: the A4 page
  LoadExtras();
  if (page_.boxesTakeFontDrav) {
    const QString face = core::fonts::CreatedOnFirstUse(core::fonts::FontDrav).family();
    for (platform::PageControl* box : boxes_) {
      if (!box) continue;
      QFont f = box->Widget()->font();
      f.setFamily(face);
      box->Widget()->setFont(f);
    }
  }
  FillFields();

  // A child of the MDI parent, shown once loaded, its frame around the page.
  QMdiSubWindow* frame = Mdi()->AddChild(this);
  frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  frame->setOption(QMdiSubWindow::RubberBandMove, false);
  show();
  frame->show();
  frame->adjustSize();
  const QSize shortBy = PagePixels() - size();
  if (!shortBy.isNull()) frame->resize(frame->size() + shortBy);
  frame->setFixedSize(frame->size());
  left_ = platform::PixelsToTwips(frame->x());
  top_ = platform::PixelsToTwips(frame->y());
}

QMdiSubWindow* DocumentForm::Frame() const { return Mdi()->ChildFrame(this); }

double DocumentForm::Left() const {
  QMdiSubWindow* frame = Frame();
  if (!frame) return left_;
  return frame->x() == platform::TwipsToPixels(left_) ? left_ : platform::PixelsToTwips(frame->x());
}

double DocumentForm::Top() const {
  QMdiSubWindow* frame = Frame();
  if (!frame) return top_;
  return frame->y() == platform::TwipsToPixels(top_) ? top_ : platform::PixelsToTwips(frame->y());
}

void DocumentForm::Move(double left, double top) {
  left_ = left;
  top_ = top;
  if (QMdiSubWindow* frame = Frame()) frame->move(platform::TwipsToPixels(left), platform::TwipsToPixels(top));
}

void DocumentForm::SetTop(double twips) { Move(Left(), twips); }

double DocumentForm::ScaleHeight() { return Mdi()->ScaleHeight(); }

void DocumentForm::OpenAtTopLeft() {
  Move(kOpenLeft, kOpenTop);
  if (QMdiSubWindow* frame = Frame()) {
    frame->show();
    Mdi()->Workspace()->setActiveSubWindow(frame);
  }
  show();
  // The focus goes to the first control of the tab order that can take it: a page
  // without boxes opens on its first button.
  const std::vector<QWidget*> order = TabChain();
  const auto first = std::find_if(order.begin(), order.end(),
                                  [](const QWidget* w) { return w->isEnabled() && (w->focusPolicy() & Qt::TabFocus); });
  if (first != order.end()) (*first)->setFocus(Qt::OtherFocusReason);
  else setFocus(Qt::OtherFocusReason);
}

void DocumentForm::cmdExit_Click(int /*index*/) { close(); }

void DocumentForm::closeEvent(QCloseEvent* event) {
  bool cancel = false;
  Form_Unload(cancel);
  if (cancel) event->ignore();
  else event->accept();
}

void DocumentForm::Form_Unload(bool& /*cancel*/) { ShowOpener(); }

void DocumentForm::ShowOpener() { core::ShowCaseWindow(); }

const core::CaseBoxes& DocumentForm::Case() { return core::CaseWindowBoxes(); }

QString DocumentForm::Today() { return platform::FormatDdMmYyyy(platform::Today()); }

void DocumentForm::CopyFromCase(std::span<const BoxCopy> copies) {
  const core::CaseBoxes& boxes = Case();
  for (const BoxCopy& copy : copies) SetText(copy.box, boxes.Text(copy.from));
}

// ---- Focus and scrolling

void DocumentForm::KeepInView(const platform::PageControl& control) {
  const double top = Top();
  const double wanted = KeepInViewTop(top, control.Top(), control.Height(), ScaleHeight());
  if (wanted != top) SetTop(wanted);
}

void DocumentForm::txt_GotFocus(int index) {
  if (printing_ || page_.boxFocus == BoxFocus::kNone) return;
  platform::PageControl* box = Box(index);
  if (!box) return;
  if (index != 0 || page_.boxFocus == BoxFocus::kSelectAll) {
    // Home, then Shift+End, queued: they act after this handler, on the box if it still
    // has the focus.
    QWidget* widget = box->Widget();
    QTimer::singleShot(0, widget, [widget] {
      if (!widget->hasFocus()) return;
      if (auto* line = qobject_cast<platform::FormTextBox*>(widget)) line->SelectToLineEnd();
      else if (auto* memo = qobject_cast<platform::FormMemoBox*>(widget)) memo->SelectToLineEnd();
    });
  }
  KeepInView(*box);
}

void DocumentForm::txt_KeyDown(int /*index*/, int keyCode, Qt::KeyboardModifiers /*shift*/) {
  if (printing_ || page_.boxFocus == BoxFocus::kNone) return;
  if (keyCode == platform::vbKeyReturn) platform::SendTab();
}

void DocumentForm::cmdPrint_GotFocus(int index) { ButtonGotFocus(cmdPrint(index), index); }
void DocumentForm::cmdExit_GotFocus(int index) { ButtonGotFocus(cmdExit(index), index); }

void DocumentForm::ButtonGotFocus(platform::PageControl* button, int index) {
  if (printing_ || !button) return;
  if (index <= 0) SetTop(0);  // the top pair, or a single button: the page's top back at the top
  else if (page_.bottomButtonsKeepInView) KeepInView(*button);
}

bool DocumentForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && !IsFocusReturn(static_cast<QFocusEvent*>(event))) {
    for (const auto& [key, control] : byName_) {
      if (control->Widget() != watched) continue;
      if (key.first == QLatin1String("cmdPrint")) cmdPrint_GotFocus(key.second);
      else if (key.first == QLatin1String("cmdExit")) cmdExit_GotFocus(key.second);
      break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// ---- Shifting and printing

void DocumentForm::ShiftControls(double leftMm, double topMm) {
  for (platform::PageControl* control : controls_) {
    if (control->IsLine()) continue;
    control->MoveBy(leftMm * platform::kTwipsPerMm, 0);
    control->MoveBy(0, topMm * platform::kTwipsPerMm);
  }
}

void DocumentForm::PaintOnPaper(QPainter& painter, double scale) const {
  // The drawn elements first, then the windows above them, as the screen stacks them.
  for (const bool drawn : {true, false}) {
    for (platform::PageControl* control : controls_) {
      const QWidget* widget = control->Widget();
      if (control->IsDrawn() != drawn || widget->isHidden() || qobject_cast<const platform::FormButton*>(widget))
        continue;
      control->PaintOnPaper(painter, scale);
    }
  }
}

void DocumentForm::PrintToPdf(const QString& path) {
  BeforePrint();
  struct After {
    DocumentForm* form;
    ~After() { form->AfterPrint(); }
  } after{this};
  platform::PrintPageToPdf(path, platform::kPaperA4, page_.orientation,
                           [this](QPainter& painter, double scale) { PaintOnPaper(painter, scale); });
}

void DocumentForm::cmdPrint_Click(int /*index*/) {
  if (printing_) return;
  printing_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{printing_};
  std::vector<QWidget*> buttons;
  for (platform::PageControl* control : controls_)
    if (auto* button = qobject_cast<platform::FormButton*>(control->Widget())) buttons.push_back(button);
  PrintRun run;
  run.hideButtons = [&] {
    for (QWidget* button : buttons) button->hide();
    BeforePrint();
  };
  run.showButtons = [&] {
    AfterPrint();
    for (QWidget* button : buttons) button->show();
  };
  run.paint = [this](QPainter& painter, double scale) { PaintOnPaper(painter, scale); };
  run.orientation = page_.orientation;
  run.setsPaper = page_.print == PrintProcedure::kStandard;
  RunPrint(platform::CurrentFormPrinter(), run);
}

}  // namespace document_forms
