// The fit rule as it was first written: each try laid out anew, the sizes searched by
// bisection. Kept for the tests alone, as the answer the rule in use must give.

#include "platform/FitReference.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/LaidText.h"

namespace fitreference {
using namespace platform;
namespace {

// Lines laid out as the rule in use lays them: the same font and options.
using laid::LaidFont;
using laid::LayoutOption;
using laid::WithoutTrailingBlanks;

// One line laid out on the layout device, from its start.
class LaidLine {
 public:
  LaidLine(const QString& text, const QFont& font, bool trailingBlanks = false, bool leading = false)
      : layout_(text, font, const_cast<QPaintDevice*>(TextLayoutDevice())) {
    layout_.setTextOption(LayoutOption(QTextOption::NoWrap, trailingBlanks));
    layout_.beginLayout();
    line_ = layout_.createLine();
    if (line_.isValid()) {
      line_.setLineWidth(std::numeric_limits<int>::max() / 256.0);
      line_.setLeadingIncluded(leading);
      line_.setPosition(QPointF(0, 0));
    }
    layout_.endLayout();
  }
  double Width() const { return line_.isValid() ? line_.naturalTextWidth() : 0; }
  double Ascent() const { return line_.isValid() ? line_.ascent() : 0; }
  double Descent() const { return line_.isValid() ? line_.descent() : 0; }
  double Height() const { return line_.isValid() ? line_.height() : 0; }
  // Where the text's letters up to `position` end.
  double XAt(int position) const { return line_.isValid() ? line_.cursorToX(position) : 0; }
  void Draw(QPainter& painter, QPointF at) const { layout_.draw(&painter, at); }

 private:
  QTextLayout layout_;
  QTextLine line_;
};

// The extent of a line's letters above (negative) and below its baseline.
std::pair<double, double> InkOf(const QString& text, const QFont& font) {
  if (text.trimmed().isEmpty()) return {0, 0};
  const QRectF ink = QFontMetricsF(font, TextLayoutDevice()).tightBoundingRect(text);
  return {ink.top(), ink.bottom()};
}

// A text broken into the lines it shows, at one size, with each line's stretch. Lengths
// in layout pixels.
struct Attempt {
  double points = 0;
  struct Line {
    QString text;        // without trailing blanks
    int stretch = 100;
    double width = 0;    // at its stretch
    double blanks = 0;   // the trailing blanks that the alignment keeps, at its stretch
    bool fits = true;    // no wider than the room at its stretch
    bool cut = false;    // its end left out
  };
  std::vector<Line> lines;
  double ascent = 0, descent = 0, step = 0;  // step: from one line to the next
  bool widthFits = true;
};

class Fitter {
 public:
  Fitter(const QString& text, const QFont& font, const TextRoom& room)
      : font_(font), room_(room), scale_(room.unitsPerInch / kTextLayoutDpi) {
    text_ = text;
    text_.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    text_.replace(QLatin1Char('\r'), QChar::LineSeparator);
    text_.replace(QLatin1Char('\n'), QChar::LineSeparator);
    text_.replace(QChar::ParagraphSeparator, QChar::LineSeparator);
    if (room.oneLine) text_.replace(QChar::LineSeparator, QLatin1Char(' '));
    width_ = std::max(0.0, (room.rect.width() - room.lines.left() - room.lines.right()) / scale_);
    height_ = std::max(0.0, (room.rect.height() - room.lines.top() - room.lines.bottom()) / scale_);
  }

  TextFit Run() {
    const double set = font_.pointSizeF() > 0 ? font_.pointSizeF() : 8.25;
    const double floor = SmallestTextSize(set);
    // A text keeps its letters clear of the lines around it: as it is set where it can,
    // else condensed, else reduced. Only a text that even the floor cannot keep clear
    // stands nearer, at the largest size that fits inside the lines.
    const Limits inside{width_, height_, height_};
    const Limits clear{std::max(0.0, width_ - (room_.clear.left() + room_.clear.right()) / scale_), height_,
                       std::max(0.0, height_ - (room_.clear.top() + room_.clear.bottom()) / scale_)};
    Attempt best = Try(set, false, clear.width);
    bool fits = Fits(best, clear);
    if (!fits) fits = Largest(set, floor, clear, best);
    // Without a clearance to keep the same tries would follow.
    const bool keepsClear = clear.width != inside.width || clear.letters != inside.letters;
    if (!fits && keepsClear) {
      best = Try(set, false, inside.width);
      fits = Fits(best, inside) || Largest(set, floor, inside, best);
    }
    if (!fits) {
      // At the smallest size a wrapped word wider than the room breaks inside itself.
      best = Try(floor, false, inside.width);
      if (room_.wrap && !best.widthFits) best = Try(floor, true, inside.width);
      fits = Fits(best, inside);
    }
    TextFit fit;
    fit.font = LaidFont(font_, best.points, 100);
    fit.unitsPerInch = room_.unitsPerInch;
    fit.asSet = fits && best.points == set && !Condensed(best);
    // What is left of a text too long for the room's height starts at its top.
    const bool tooLong = !fits && room_.boundedHeight && Extent(best, best.lines.size()) > height_;
    if (!fits) Shorten(best, fit);
    Place(best, fit, tooLong);
    return fit;
  }

 private:
  // Layout pixels: the widest a line may be, the height its lines take (Extent) and the
  // height of their letters alone.
  struct Limits {
    double width, height, letters;
  };

  static bool Condensed(const Attempt& a) {
    return std::any_of(a.lines.begin(), a.lines.end(), [](const Attempt::Line& l) { return l.stretch != 100; });
  }

  // The lines at the largest size from `floor` to `set`, to a twentieth of a point, that
  // fit within `limits`; false when even the floor does not.
  bool Largest(double set, double floor, const Limits& limits, Attempt& out) const {
    Attempt low = Try(floor, false, limits.width);
    if (!Fits(low, limits)) return false;
    double lo = floor, hi = set;
    out = std::move(low);
    // Lines of their own (no wrap) grow with the size: the size at which the widest of
    // them, at half its width, fills the room is tried first, and is mostly the answer.
    double guess = -1;
    if (!room_.wrap) {
      double widest = 0;  // at the floor, at its natural width
      for (const Attempt::Line& line : out.lines) widest = std::max(widest, line.width * 100 / line.stretch);
      if (widest > 0) guess = floor * limits.width / (widest * kMinTextStretch / 100);
    }
    for (bool first = true; hi - lo > 0.05; first = false) {
      const bool guessing = first && guess > lo && guess < hi;
      const double mid = guessing ? guess : (lo + hi) / 2;
      Attempt a = Try(mid, false, limits.width);
      if (Fits(a, limits)) {
        lo = mid;
        if (guessing) hi = std::min(hi, mid + 0.05);  // any larger is too wide
        out = std::move(a);
      } else {
        hi = mid;
      }
    }
    return true;
  }

  // The lines at `points`, each condensed as much as it needs to be no wider than
  // `width` (down to half its width); `anywhere`: wrapped lines break inside a word too.
  // Wrapped lines break at the room's width inside its lines whatever `width`: keeping
  // clear of them condenses a line a little rather than breaking it anew.
  Attempt Try(double points, bool anywhere, double width) const {
    Attempt a;
    a.points = points;
    const QFont font = LaidFont(font_, points, 100);
    const LaidLine probe(QStringLiteral("X"), font, false, room_.leading);
    a.ascent = probe.Ascent();
    a.descent = probe.Descent();
    a.step = probe.Height();
    for (const QString& whole : Break(font, anywhere, width_)) {
      Attempt::Line line;
      line.text = WithoutTrailingBlanks(whole);
      line.width = LaidLine(line.text, font).Width();
      if (line.width > width) {
        int stretch = std::max(kMinTextStretch, static_cast<int>(std::floor(100 * width / line.width)));
        double condensed = LaidLine(line.text, LaidFont(font_, points, stretch)).Width();
        while (stretch > kMinTextStretch && condensed > width)
          condensed = LaidLine(line.text, LaidFont(font_, points, --stretch)).Width();
        line.stretch = stretch;
        line.width = condensed;
        line.fits = condensed <= width;
      } else if (!room_.wrap && whole.size() > line.text.size()) {
        // Blanks at the end of a line of its own stand where they always stood, within
        // the room.
        const double withBlanks = LaidLine(whole, font, true).Width();
        line.blanks = std::clamp(withBlanks - line.width, 0.0, width_ - line.width);
      }
      a.widthFits = a.widthFits && line.fits;
      a.lines.push_back(std::move(line));
    }
    return a;
  }

  // The text's lines in `font`: its own line breaks, and with wrap the breaks at `width`
  // (at word boundaries, or `anywhere`).
  std::vector<QString> Break(const QFont& font, bool anywhere, double width) const {
    std::vector<QString> out;
    if (!room_.wrap) {
      for (const QString& line : text_.split(QChar::LineSeparator)) out.push_back(line);
      return out;
    }
    QTextLayout layout(text_, font, const_cast<QPaintDevice*>(TextLayoutDevice()));
    layout.setTextOption(
        LayoutOption(anywhere ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::WordWrap));
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width);
      QString part = text_.mid(line.textStart(), line.textLength());
      part.remove(QChar::LineSeparator);
      out.push_back(WithoutTrailingBlanks(part));
    }
    layout.endLayout();
    if (out.empty()) out.emplace_back();
    return out;
  }

  // The extent of the letters of the first `count` lines laid at the line height, from the
  // first line's top.
  std::pair<double, double> Ink(const Attempt& a, size_t count) const {
    double top = std::numeric_limits<double>::max(), bottom = std::numeric_limits<double>::lowest();
    for (size_t i = 0; i < count; ++i) {
      const Attempt::Line& line = a.lines[i];
      const auto [up, down] = InkOf(line.text, LaidFont(font_, a.points, line.stretch));
      if (up == 0 && down == 0) continue;
      top = std::min(top, i * a.step + a.ascent + up);
      bottom = std::max(bottom, i * a.step + a.ascent + down);
    }
    if (top > bottom) return {a.ascent, a.ascent};
    return {top, bottom};
  }

  // The height the first `count` lines take, their letters spanning `ink` (Ink): their
  // letters, and for several lines their whole line height too.
  static double Extent(const Attempt& a, size_t count, std::pair<double, double> ink) {
    auto [top, bottom] = ink;
    if (count > 1) {
      top = std::min(top, 0.0);
      bottom = std::max(bottom, (count - 1) * a.step + a.ascent + a.descent);
    }
    return bottom - top;
  }
  double Extent(const Attempt& a, size_t count) const { return Extent(a, count, Ink(a, count)); }

  // Whether all its lines stand within `limits`.
  bool Fits(const Attempt& a, const Limits& limits) const {
    if (!a.widthFits) return false;
    if (!room_.boundedHeight) return true;
    const std::pair<double, double> ink = Ink(a, a.lines.size());
    return Extent(a, a.lines.size(), ink) <= limits.height && ink.second - ink.first <= limits.letters;
  }

  // Past the floor: the whole lines that fit from the top (one at least), each cut after
  // its last whole letter that fits.
  void Shorten(Attempt& a, TextFit& fit) const {
    fit.whole = false;
    if (room_.boundedHeight) {
      size_t count = a.lines.size();
      while (count > 1 && Extent(a, count) > height_) --count;
      a.lines.resize(count);
    }
    const QFont font = LaidFont(font_, a.points, kMinTextStretch);
    for (Attempt::Line& line : a.lines) {
      if (line.fits) continue;
      const LaidLine laid(line.text, font);
      QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, line.text);
      qsizetype shown = 0;
      for (qsizetype at = letters.toNextBoundary(); at > 0; at = letters.toNextBoundary()) {
        if (laid.XAt(static_cast<int>(at)) > width_) break;
        if (!line.text.at(at - 1).isSpace()) shown = at;
      }
      QString text = line.text.left(shown);
      // Shaped alone, the shorter text may come out a little wider: one letter less.
      while (!text.isEmpty() && LaidLine(text, font).Width() > width_) {
        QTextBoundaryFinder back(QTextBoundaryFinder::Grapheme, text);
        back.toEnd();
        text = WithoutTrailingBlanks(text.left(back.toPreviousBoundary()));
      }
      line.text = text;
      line.stretch = kMinTextStretch;
      line.width = LaidLine(text, font).Width();
      line.blanks = 0;
      line.fits = true;
      line.cut = true;
    }
  }

  // Where each line stands: by the alignment, then clear of the lines along its sides.
  void Place(const Attempt& a, TextFit& fit, bool fromTop) const {
    const double left = room_.lines.left() / scale_;
    const double keepLeft = room_.clear.left() / scale_, keepRight = room_.clear.right() / scale_;
    const size_t count = a.lines.size();
    const double roomHeight = room_.rect.height() / scale_;
    const double block = count == 0 ? 0 : (count - 1) * a.step + a.ascent + a.descent;
    // Lines taller together than the room start at its top; a single line keeps its
    // alignment.
    double top = 0;  // of the first line, from the room's top
    if (block <= roomHeight || count < 2) {
      if (room_.alignment & Qt::AlignBottom) top = roomHeight - block;
      else if (!(room_.alignment & Qt::AlignTop)) top = (roomHeight - block) / 2;
    }
    const auto [inkUp, inkDown] = Ink(a, count);
    if (room_.boundedHeight) {
      // The lines inside the lines along the top and bottom, and clear of them too where
      // there is room: their whole height where that keeps clear, else their letters.
      const double hardTop = room_.lines.top() / scale_, hardBottom = roomHeight - room_.lines.bottom() / scale_;
      const double keepTop = hardTop + room_.clear.top() / scale_;
      const double keepBottom = hardBottom - room_.clear.bottom() / scale_;
      double up = inkUp, down = inkDown;
      if (count > 1 && std::max(inkDown, block) - std::min(inkUp, 0.0) <= keepBottom - keepTop) {
        up = std::min(inkUp, 0.0);
        down = std::max(inkDown, block);
      }
      double low = hardTop, high = hardBottom;
      if (down - up <= keepBottom - keepTop) {
        low = keepTop;
        high = keepBottom;
      }
      if (fromTop) top = std::max(0.0, low - up);  // the room's top, or lower to clear its line
      else if (top + up < low) top = low - up;
      else if (top + down > high) top = high - down;
    }
    for (size_t i = 0; i < count; ++i) {
      const Attempt::Line& line = a.lines[i];
      if (line.text.isEmpty()) continue;
      double x = left;
      if (!line.cut) {  // a cut line starts at the room's left
        const double width = line.width + line.blanks;
        const double spare = width_ - width;
        if (room_.alignment & Qt::AlignRight) x = left + spare;
        else if (room_.alignment & Qt::AlignHCenter) x = left + spare / 2;
        const double spareLeft = x - left, spareRight = spare - spareLeft;
        if (spareLeft + spareRight >= keepLeft + keepRight) {
          if (spareLeft < keepLeft) x += keepLeft - spareLeft;
          else if (spareRight < keepRight) x -= keepRight - spareRight;
        }
      }
      FittedLine out;
      out.text = line.text;
      out.stretch = line.stretch;
      out.origin = room_.rect.topLeft() + QPointF(x, top + i * a.step) * scale_;
      out.width = line.width * scale_;
      fit.lines.push_back(out);
    }
    fit.inkTop = room_.rect.top() + (top + inkUp) * scale_;
    fit.inkBottom = room_.rect.top() + (top + inkDown) * scale_;
  }

  QString text_;
  QFont font_;
  TextRoom room_;
  double scale_;           // the painter's units a layout pixel
  double width_, height_;  // the room inside its lines, layout pixels
};

}  // namespace

TextFit ReferenceFit(const QString& text, const QFont& font, const TextRoom& room) {
  if (room.unitsPerInch <= 0) return {};
  return Fitter(text, font, room).Run();
}

}  // namespace fitreference
