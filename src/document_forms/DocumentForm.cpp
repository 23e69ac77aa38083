#include "document_forms/DocumentForm.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

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

// Where each character of a caption ends along its line, in twips from its start: the
// caption laid out once in its font.
class LetterEnds {
 public:
  LetterEnds(const QString& caption, const QFont& font) : caption_(caption) {
    QTextLayout layout(caption, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) line.setLineWidth(std::numeric_limits<int>::max() / 256.0);
    layout.endLayout();
    ends_.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i)
      ends_.push_back(line.isValid() ? line.cursorToX(static_cast<int>(i + 1)) * platform::kTwipsPerPixel : 0);
  }

  // Whether a character drawn from `left` (twips) lies across the band from `from` to
  // `to`: any character but a blank, or only a letter or digit.
  bool Across(double left, double from, double to, bool lettersOnly) const {
    double start = left;
    for (size_t i = 0; i < ends_.size(); ++i) {
      if (start >= to) break;  // every character further on starts past the band
      const double end = left + ends_[i];
      const QChar c = caption_.at(static_cast<qsizetype>(i));
      const bool counts = lettersOnly ? c.isLetterOrNumber() : !c.isSpace();
      if (counts && end > from) return true;
      start = std::max(start, end);
    }
    return false;
  }

 private:
  QString caption_;
  std::vector<double> ends_;
};

// The height of a line of `label`'s caption, in twips.
double CaptionLineHeight(const platform::FormLabel& label) {
  return QFontMetricsF(label.font()).height() * platform::kTwipsPerPixel;
}

// Whether `lower` carries on the caption of `upper` on the next line: labels of one line
// in the same font and alignment, lined up, with a letter or digit each, the lower closer
// below than the lines of a list stand (a letter of a word whose letters stand one under
// another, within a line's height).
bool IsNextLineOf(const platform::FormLabel& upper, const platform::FormLabel& lower) {
  const QRectF a = upper.Twips(), b = lower.Twips();
  const double below = b.top() - a.top();
  const auto letters = [](const QString& text) { return text.trimmed().size(); };
  const auto hasLetter = [](const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
  };
  const bool stacked = letters(upper.Caption()) <= 2 && letters(lower.Caption()) <= 2;
  const double closest = CaptionLineHeight(upper) * (stacked ? 1 : 0.85);
  if (below <= 0 || below > closest || upper.Align() != lower.Align() || !hasLetter(upper.Caption()) ||
      !hasLetter(lower.Caption()))
    return false;
  const bool linedUp = upper.Align() == platform::TextAlign::kLeft    ? a.left() == b.left()
                       : upper.Align() == platform::TextAlign::kRight ? a.right() == b.right()
                                                                      : a.center().x() == b.center().x();
  return linedUp && upper.font() == lower.font();
}

// Prints a caption at `points`, its label fitted anew.
void SetCaptionSize(platform::FormLabel& label, double points) {
  QFont font = label.font();
  font.setPointSizeF(points);
  label.setFont(font);
  label.MoveBy(0, 0);
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
    // Where its letters begin and end, its blanks left out.
    const platform::TextFit fit = label->LettersInTwips();
    if (fit.lines.empty()) continue;
    const platform::FittedLine& line = fit.lines.front();
    qsizetype blanks = 0;
    while (blanks < line.text.size() && line.text.at(blanks).isSpace()) ++blanks;
    const double shrink = line.stretch / 100.0 * fit.font.pointSizeF() / label->font().pointSizeF();
    const double lettersLeft =
        line.origin.x() + QFontMetricsF(label->font()).horizontalAdvance(line.text.left(blanks)) *
                                                  platform::kTwipsPerPixel * shrink;
    const double lettersRight = line.origin.x() + line.width;
    double left = 0, right = 0;
    for (size_t i = 0; i < bands.size(); ++i) {
      if (!OnTheLineOf(place, heights[i].first, heights[i].second)) continue;
      const auto [from, to] = bands[i];
      if (from <= place.left() + pixel && to > place.left() - pixel && to + pixel > lettersLeft)
        left = std::max(left, to - place.left());
      if (to >= place.right() - pixel && from < place.right() + pixel && from - pixel < lettersRight)
        right = std::max(right, place.right() - from);
    }
    if (left > 0 || right > 0) label->SetSideRules(left, right);
  }
}

void DocumentForm::KeepCaptionsOffLevelRules() {
  const std::vector<LevelRule> rules = LevelRules();
  const double pixel = platform::kTwipsPerPixel;
  // Every caption's letters as the paper prints them: from top to bottom, and where along
  // its line they begin and end; `line` gathers the lines of one caption.
  struct Letters {
    platform::FormLabel* label;
    double top, bottom, left, right;
    double size;                     // the points its letters print at
    double set;                      // the points its table gives it
    int line = -1;                   // its caption among `lines` (-1: one that wraps)
    std::optional<LetterEnds> ends;  // measured when a rule comes near
  };
  std::vector<Letters> captions;
  const auto measure = [](Letters& c) {
    const platform::TextFit fit = c.label->LettersInTwips();
    double left = fit.lines.front().origin.x(), right = left;
    for (const platform::FittedLine& line : fit.lines) {
      left = std::min(left, line.origin.x());
      right = std::max(right, line.origin.x() + line.width);
    }
    c.top = fit.inkTop;
    c.bottom = fit.inkBottom;
    c.left = left;
    c.right = right;
    c.size = fit.font.pointSizeF();
    c.ends.reset();
  };
  for (platform::PageControl* control : controls_) {
    auto* label = dynamic_cast<platform::FormLabel*>(control);
    if (!label || label->Caption().trimmed().isEmpty() || label->LettersInTwips().lines.empty()) continue;
    captions.push_back({label, 0, 0, 0, 0, 0, label->font().pointSizeF(), -1, std::nullopt});
    measure(captions.back());
  }
  // The captions of one line or several (a word whose letters stand one under another
  // too), each as its lines from top to bottom.
  std::vector<std::vector<size_t>> lines;
  {
    std::vector<size_t> order;
    for (size_t i = 0; i < captions.size(); ++i)
      if (!captions[i].label->WordWrap()) order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return captions[a].label->Top() < captions[b].label->Top(); });
    for (size_t k = 0; k < order.size(); ++k) {
      Letters& c = captions[order[k]];
      if (c.line < 0) {
        c.line = static_cast<int>(lines.size());
        lines.push_back({order[k]});
      }
      // The nearest caption below that carries this one on.
      for (size_t j = k + 1; j < order.size(); ++j) {
        const Letters& next = captions[order[j]];
        if (next.label->Top() - c.label->Top() > CaptionLineHeight(*c.label)) break;
        if (next.line < 0 && IsNextLineOf(*c.label, *next.label)) {
          captions[order[j]].line = c.line;
          lines[c.line].push_back(order[j]);
          break;
        }
      }
    }
  }
  std::vector<QRectF> boxes;  // the windows, which hide what lies under them
  for (platform::PageControl* control : controls_)
    if (!control->IsDrawn() && !qobject_cast<platform::FormButton*>(control->Widget())) boxes.push_back(control->Twips());
  // Whether letters from `top` to `bottom` come within a pixel of `rule`.
  const auto touches = [pixel](const LevelRule& rule, double top, double bottom) {
    return rule.top < bottom + pixel && rule.bottom > top - pixel;
  };
  // Whether a character of `c` lies across the rule's length.
  const auto crosses = [](Letters& c, const LevelRule& rule) {
    if (rule.left >= c.right || rule.right <= c.left) return false;
    if (!c.ends) c.ends.emplace(c.label->Caption(), c.label->font());
    return c.ends->Across(c.left, rule.left, rule.right, false);
  };
  // How much of the letters of `c`, moved by `dy`, lies under a box.
  const auto hidden = [&boxes](const Letters& c, double dy) {
    const QRectF letters(QPointF(c.left, c.top + dy), QPointF(c.right, c.bottom + dy));
    double area = 0;
    for (const QRectF& box : boxes) {
      const QRectF under = letters.intersected(box);
      if (!under.isEmpty()) area += under.width() * under.height();
    }
    return area;
  };
  for (const std::vector<size_t>& caption : lines) {
    // One size for all its lines: the smallest that any of them prints at.
    if (caption.size() > 1) {
      double least = std::numeric_limits<double>::max();
      for (size_t i : caption) least = std::min(least, captions[i].size);
      for (size_t i : caption) {
        if (captions[i].size <= least + 0.01) continue;
        SetCaptionSize(*captions[i].label, least);
        measure(captions[i]);
      }
    }
    double top = std::numeric_limits<double>::max(), bottom = std::numeric_limits<double>::lowest();
    double left = top, right = bottom;
    for (size_t i : caption) {
      top = std::min(top, captions[i].top);
      bottom = std::max(bottom, captions[i].bottom);
      left = std::min(left, captions[i].left);
      right = std::max(right, captions[i].right);
    }
    double down = 0, up = 0;  // the moves that clear the rules above and below
    for (size_t i : caption) {
      Letters& c = captions[i];
      for (const LevelRule& rule : rules) {
        if (!touches(rule, c.top, c.bottom) || !crosses(c, rule)) continue;
        if (rule.top + rule.bottom > c.top + c.bottom) up = std::min(up, rule.top - pixel - c.bottom);
        else down = std::max(down, rule.bottom + pixel - c.top);
      }
    }
    if (up == 0 && down == 0) continue;  // clear of every rule
    const int line = captions[caption.front()].line;
    const auto beside = [&](const Letters& o) {
      return o.line != line && o.left < right + pixel && o.right > left - pixel;
    };
    const auto moveBy = [&](double dy) {
      for (size_t i : caption) {
        captions[i].label->MoveBy(0, dy);
        captions[i].top += dy;
        captions[i].bottom += dy;
      }
    };
    if (up == 0 || down == 0) {
      const double dy = up != 0 ? up : down;
      // Moved, its letters touch no other rule or caption, and no box hides more of them.
      const auto blocks = [&](size_t i) {
        Letters& c = captions[i];
        const double t = c.top + dy, b = c.bottom + dy;
        return std::any_of(rules.begin(), rules.end(),
                           [&](const LevelRule& r) { return touches(r, t, b) && crosses(c, r); }) ||
               std::any_of(captions.begin(), captions.end(), [&](const Letters& o) {
                 return beside(o) && o.left < c.right + pixel && o.right > c.left - pixel && o.top < b + pixel &&
                        o.bottom > t - pixel;
               }) ||
               hidden(c, dy) > hidden(c, 0);
      };
      const QFont& font = captions[caption.front()].label->font();
      if (std::abs(dy) <= QFontMetricsF(font).descent() * pixel && std::none_of(caption.begin(), caption.end(), blocks)) {
        moveBy(dy);
        continue;
      }
    }
    // Held where it stands (between two rules, or a rule and another caption close by):
    // reduced to the room between them, the gap to a caption shared with it.
    // On a side where nothing presses on it, the room reaches up to the next rule, box or
    // caption, by no more than the depth of the font's descenders.
    const double reach = QFontMetricsF(captions[caption.front()].label->font()).descent() * pixel;
    double roomTop = down > 0 ? top + down : top - reach, roomBottom = up < 0 ? bottom + up : bottom + reach;
    for (size_t i : caption) {
      Letters& c = captions[i];
      for (const LevelRule& rule : rules) {
        if (down == 0 && rule.bottom <= c.top && rule.bottom + pixel > roomTop && crosses(c, rule))
          roomTop = rule.bottom + pixel;
        if (up == 0 && rule.top >= c.bottom && rule.top - pixel < roomBottom && crosses(c, rule))
          roomBottom = rule.top - pixel;
      }
      for (const QRectF& box : boxes) {
        if (box.left() >= c.right || box.right() <= c.left) continue;
        if (down == 0 && box.bottom() <= c.top) roomTop = std::max(roomTop, box.bottom());
        if (up == 0 && box.top() >= c.bottom) roomBottom = std::min(roomBottom, box.top());
      }
    }
    for (const Letters& o : captions) {
      if (!beside(o) || o.top >= bottom || o.bottom <= roomTop - pixel || o.top >= top) continue;
      // A caption close above shares the gap; one clear above ends the room a pixel short.
      roomTop = std::max(roomTop, o.bottom > top - pixel ? (o.bottom + top) / 2 + pixel / 2 : o.bottom + pixel);
    }
    for (const Letters& o : captions) {
      if (!beside(o) || o.bottom <= top || o.top >= roomBottom + pixel || o.bottom <= bottom) continue;
      roomBottom =
          std::min(roomBottom, o.top < bottom + pixel ? (bottom + o.top) / 2 - pixel / 2 : o.top - pixel);
    }
    if (roomBottom <= roomTop) continue;
    if (caption.size() == 1) {
      captions[caption.front()].label->SetLetterBand(roomTop, roomBottom);
      continue;
    }
    // The lines reduced alike, each from its label's top, by the largest share of their
    // size at which their letters stand in the room, then moved into it together.
    const auto extent = [&](double share) {
      double t = std::numeric_limits<double>::max(), b = std::numeric_limits<double>::lowest();
      for (size_t i : caption) {
        const Letters& c = captions[i];
        const double from = c.label->Top();
        t = std::min(t, from + (c.top - from) * share);
        b = std::max(b, from + (c.bottom - from) * share);
      }
      return std::pair{t, b};
    };
    const Letters& first = captions[caption.front()];
    const double least = std::min(1.0, platform::SmallestTextSize(first.set) / first.size);
    double share = 1;
    if (extent(1).second - extent(1).first > roomBottom - roomTop) {
      double lo = least, hi = 1;
      for (int step = 0; step < 20; ++step) {
        const double mid = (lo + hi) / 2;
        const auto [t, b] = extent(mid);
        (b - t <= roomBottom - roomTop ? lo : hi) = mid;
      }
      share = lo;
    }
    const auto [t, b] = extent(share);
    const double dy = t < roomTop ? roomTop - t : b > roomBottom ? roomBottom - b : 0;
    for (size_t i : caption) {
      SetCaptionSize(*captions[i].label, captions[i].size * share);
      captions[i].label->MoveBy(0, dy);
      measure(captions[i]);
    }
  }
}

std::vector<DocumentForm::UprightRule> DocumentForm::UprightRules() const {
  std::vector<UprightRule> rules;
  for (platform::PageControl* control : controls_) {
    if (auto* line = dynamic_cast<platform::FormLine*>(control)) {
      const QLineF ends = line->Ends();
      if (ends.x1() == ends.x2()) {
        const auto [from, to] = line->Band();
        rules.push_back({ends.x1(), std::min(ends.y1(), ends.y2()), std::max(ends.y1(), ends.y2()),
                         line->Thickness(), from, to});
      }
    } else if (auto* shape = dynamic_cast<platform::FormShape*>(control);
               shape && shape->ShapeKind() == platform::FormShape::Kind::kRectangle && shape->Border() > 0) {
      // A rectangle's sides, its border drawn inside its place.
      const QRectF place = shape->Twips();
      const double border = shape->Border() * platform::kTwipsPerPixel;
      for (double from : {place.left(), place.right() - border})
        rules.push_back({from + border / 2, place.top(), place.bottom(), shape->Border(), from, from + border});
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
    std::optional<LetterEnds> ends;  // measured when a rule or box comes near
    const auto across = [&](double from, double to, bool lettersOnly) {
      if (!ends) ends.emplace(text, label->font());
      return ends->Across(caption.left(), from, to, lettersOnly);
    };
    for (const UprightRule& rule : rules) {
      const double x = rule.from - platform::kTwipsPerPixel;  // a pixel short of its ink
      if (rule.from < caption.right() && x - caption.left() >= least && onItsLine(rule.top, rule.bottom) &&
          across(x, rule.to, false))
        endBefore(x);
    }
    // A box that would hide some of its letters, on its line or over a part of their
    // height: the caption ends where the box begins.
    for (platform::PageControl* other : controls_) {
      if (other->IsDrawn() || qobject_cast<platform::FormButton*>(other->Widget())) continue;
      const QRectF box = other->Twips();
      if (box.left() > caption.left() && box.left() < caption.right() &&
          (onItsLine(box.top(), box.bottom()) || hidesLetters(box.top(), box.bottom())) &&
          across(box.left(), box.right(), true))
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
          label ? LetterEnds(label->Caption(), label->font()).Across(other->Left(), place.right(), right, false)
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
  // Only what the sheet holds: a control that lies wholly off it, or a caption whose
  // letters begin past its edge, is neither shown nor printed.
  const bool landscape = page_.orientation == platform::kLandscape;
  const QRectF sheet(0, 0, landscape ? kA4LongTwips : kA4ShortTwips, landscape ? kA4ShortTwips : kA4LongTwips);
  const auto onTheSheet = [&sheet](const platform::PageControl* control) {
    const QRectF place = control->Twips();
    if (place.top() >= sheet.bottom() || place.left() >= sheet.right() || place.bottom() <= 0 || place.right() <= 0)
      return false;
    const auto* label = dynamic_cast<const platform::FormLabel*>(control);
    if (!label || (place.bottom() <= sheet.bottom() && place.right() <= sheet.right())) return true;
    const platform::TextFit letters = label->LettersInTwips();
    return letters.lines.empty() ||
           (letters.inkTop < sheet.bottom() && letters.lines.front().origin.x() < sheet.right());
  };
  // The drawn elements first, then the windows above them, as the screen stacks them.
  for (const bool drawn : {true, false}) {
    for (platform::PageControl* control : controls_) {
      const QWidget* widget = control->Widget();
      if (control->IsDrawn() != drawn || widget->isHidden() || qobject_cast<const platform::FormButton*>(widget) ||
          !onTheSheet(control))
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
