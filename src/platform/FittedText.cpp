#include "platform/FittedText.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QRawFont>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>

#include "platform/LaidText.h"

namespace platform {
namespace {

using laid::BrokenText;
using laid::HasMarks;
using laid::InkOf;
using laid::InkOfLines;
using laid::kShapingReach;
using laid::LaidFont;
using laid::LaidLine;
using laid::Layout;
using laid::LayoutOption;
using laid::LetterEnds;
using laid::LineMetrics;
using laid::MetricsOf;
using laid::ShapedAlikeInParts;
using laid::WithoutTrailingBlanks;

double WidthOn(const QString& text, const QFont& font, const QPaintDevice* device) {
  return QFontMetricsF(font, device).horizontalAdvance(WithoutTrailingBlanks(text));
}

QFont Stretched(QFont font, int stretch) {
  font.setStretch(stretch);
  return font;
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
      : font_(font), room_(room), scale_(room.unitsPerInch / kTextLayoutDpi),
        set_(font.pointSizeF() > 0 ? font.pointSizeF() : 8.25) {
    text_ = text;
    text_.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    text_.replace(QLatin1Char('\r'), QChar::LineSeparator);
    text_.replace(QLatin1Char('\n'), QChar::LineSeparator);
    text_.replace(QChar::ParagraphSeparator, QChar::LineSeparator);
    if (room.oneLine) text_.replace(QChar::LineSeparator, QLatin1Char(' '));
    width_ = std::max(0.0, (room.rect.width() - room.lines.left() - room.lines.right()) / scale_);
    height_ = std::max(0.0, (room.rect.height() - room.lines.top() - room.lines.bottom()) / scale_);
  }

  // A line's width grows in proportion to its size and to its stretch, to within a share
  // of it (kSizeMargin at another size, kStretchMargin at the same size) and a pixel a
  // letter at either end; heights grow with the size to within kSizeMargin. A try whose
  // answer these cannot change is not laid out. Sizes under kSmallestForeseen layout
  // pixels an em, whose widths keep no proportion, are always laid out.
  static constexpr double kSizeMargin = 0.03;
  static constexpr double kStretchMargin = 0.005;
  static constexpr double kLetterSlack = 1;
  static constexpr double kSmallestForeseen = 75;

  // A layout that comes out where its foreseen width said it could not: the font keeps no
  // proportion, and the whole fit is done again with every width laid out.
  TextFit Run() {
    TextFit fit = RunOnce();
    if (mispredicted_ && !exact_) {
      exact_ = true;
      breaks_.clear();  // those foreseen too
      fit = RunOnce();
    }
    return fit;
  }

 private:
  TextFit RunOnce() {
    const double floor = SmallestTextSize(set_);
    // A text keeps its letters clear of the lines around it: as it is set where it can,
    // else condensed, else reduced. Only a text that even the floor cannot keep clear
    // stands nearer, at the largest size that fits inside the lines.
    const Limits inside{width_, height_, height_};
    const Limits clear{std::max(0.0, width_ - (room_.clear.left() + room_.clear.right()) / scale_), height_,
                       std::max(0.0, height_ - (room_.clear.top() + room_.clear.bottom()) / scale_)};
    if (!room_.wrap && !exact_) LayOutWhereCut(set_, floor);
    Attempt best;
    bool fits = FitsAsTried(set_, clear, best);
    if (!fits) fits = Largest(set_, floor, clear, best);
    // Without a clearance to keep the same tries would follow.
    const bool keepsClear = clear.width != inside.width || clear.letters != inside.letters;
    if (!fits && keepsClear) {
      fits = FitsAsTried(set_, inside, best) || Largest(set_, floor, inside, best);
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
    fit.asSet = fits && best.points == set_ && !Condensed(best);
    // What is left of a text too long for the room's height starts at its top.
    const bool tooLong = !fits && room_.boundedHeight && Extent(best, best.lines.size()) > height_;
    if (!fits) Shorten(best, fit);
    Place(best, fit, tooLong);
    return fit;
  }

  // Layout pixels: the widest a line may be, the height its lines take (Extent) and the
  // height of their letters alone.
  struct Limits {
    double width, height, letters;
  };
  // What a width is known to be, from `low` to `high`.
  struct Span {
    double low, high;
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
    bool grown = false;
    for (bool first = true; hi - lo > 0.05; first = false) {
      const bool guessing = first && guess > lo && guess < hi;
      const double mid = guessing ? guess : (lo + hi) / 2;
      if (FitsAt(mid, out, limits)) {
        lo = mid;
        grown = true;
        if (guessing) hi = std::min(hi, mid + 0.05);  // any larger is too wide
      } else {
        hi = mid;
      }
    }
    if (grown) {
      Attempt a = Try(lo, false, limits.width);
      if (!Fits(a, limits)) {
        // A size foreseen to fit does not: the search again, every size tried.
        mispredicted_ = exact_ = true;
        return Largest(set, floor, limits, out);
      }
      out = std::move(a);
    }
    return true;
  }

  // Whether the lines fit within `limits` at `points`: foreseen from `known` (the lines
  // at another size, which fit), widths and heights scaled with the size, where no error
  // of that scaling can change the answer; else tried.
  bool FitsAt(double points, const Attempt& known, const Limits& limits) const {
    if (!room_.wrap && !exact_ && known.points > 0) {
      const double k = points / known.points;
      bool sure = true;
      for (const Attempt::Line& line : known.lines) {
        // At half its natural width, the narrowest it is drawn at.
        const std::optional<Span> half = Foreseen(line.text, points, kMinTextStretch);
        if (half && half->low > limits.width) return false;
        if (!half || half->high > limits.width) sure = false;
      }
      if (room_.boundedHeight) {
        const std::pair<double, double> ink = Ink(known, known.lines.size());
        const double extent = Extent(known, known.lines.size(), ink) * k, letters = (ink.second - ink.first) * k;
        if (extent > limits.height * (1 + kSizeMargin) || letters > limits.letters * (1 + kSizeMargin)) return false;
        if (extent > limits.height * (1 - kSizeMargin) || letters > limits.letters * (1 - kSizeMargin)) sure = false;
      }
      if (sure) return true;
    }
    if (room_.wrap && !exact_ && !TooManyLines(points, limits)) {
      if (const std::optional<bool> fits = ForeseenWrapped(points, limits)) return *fits;
    }
    Attempt tried;
    return FitsAsTried(points, limits, tried);
  }

  // Wrapped lines stand alone, each laid out as it is drawn, as they stand in the text as
  // it was broken, but for how its letters at either end meet the blanks it was broken
  // at: their widths within kBrokenMargin of an em. Where every line at its natural width
  // is that much narrower than the room, whether they fit is foreseen from the broken
  // text, their letters' extent as they stand there (to within kBrokenInk of an em);
  // nothing where it cannot be. Laid out alone later, a line that comes out of that
  // makes the fit lay every width out.
  static constexpr double kBrokenMargin = 0.25;
  static constexpr double kBrokenInk = 0.02;
  std::optional<bool> ForeseenWrapped(double points, const Limits& limits) const {
    if (HasMarks(text_)) return std::nullopt;
    const BrokenText& broken = Broken(points, false);
    if (!broken.layout && !broken.measured) return std::nullopt;
    const double em = EmPixels(points);
    for (double width : broken.widths)
      if (width + broken.slack + kBrokenMargin * em + 2 * kLetterSlack > limits.width) return std::nullopt;
    if (!room_.boundedHeight) return true;
    const std::vector<std::pair<double, double>>& ink = InkOfLines(broken);
    const LineMetrics& metrics = ProbeAt(points);
    const size_t count = broken.lines.size();
    const double slack = kBrokenInk * em + kLetterSlack + broken.inkSlack;
    // The lines' extent and their letters', at most (by +1) and at least (by -1).
    const auto bounds = [&](int by) {
      double top = std::numeric_limits<double>::max(), bottom = std::numeric_limits<double>::lowest();
      for (size_t i = 0; i < count; ++i) {
        if (broken.lines[i].trimmed().isEmpty()) continue;
        top = std::min(top, i * metrics.step + metrics.ascent + ink[i].first - by * slack);
        bottom = std::max(bottom, i * metrics.step + metrics.ascent + ink[i].second + by * slack);
      }
      if (top > bottom) top = bottom = metrics.ascent;
      const double letters = bottom - top;
      if (count > 1) {
        top = std::min(top, 0.0);
        bottom = std::max(bottom, (count - 1) * metrics.step + metrics.ascent + metrics.descent);
      }
      return std::pair{bottom - top, letters};
    };
    const auto [most, mostLetters] = bounds(1);
    if (most <= limits.height && mostLetters <= limits.letters) return true;
    const auto [least, leastLetters] = bounds(-1);
    if (least > limits.height || leastLetters > limits.letters) return false;
    return std::nullopt;
  }

  // A wrapped line laid out alone (`width` wide) where it stands out of what its place in
  // the broken text foresaw.
  void CheckForeseenWrapped(const BrokenText& broken, size_t index, double width, double points) const {
    if (exact_ || index >= broken.widths.size()) return;
    const double em = EmPixels(points);
    if (std::abs(width - broken.widths[index]) > broken.slack + kBrokenMargin * em + 2 * kLetterSlack)
      mispredicted_ = true;
    if (!broken.ink || broken.lines[index].trimmed().isEmpty() || HasMarks(broken.lines[index])) return;
    const auto [top, bottom] = InkAt(WithoutTrailingBlanks(broken.lines[index]), points, 100);
    const auto [foreseenTop, foreseenBottom] = (*broken.ink)[index];
    const double slack = kBrokenInk * em + kLetterSlack + broken.inkSlack;
    if (std::abs(top - foreseenTop) > slack || std::abs(bottom - foreseenBottom) > slack) mispredicted_ = true;
  }

  // Whether wrapped lines, broken at `points`, are too many for the height at their line
  // height alone, whatever their letters.
  bool TooManyLines(double points, const Limits& limits) const {
    if (!room_.wrap || !room_.boundedHeight) return false;
    const size_t count = Break(points, false).size();
    const LineMetrics& metrics = ProbeAt(points);
    return count > 1 && (count - 1) * metrics.step + metrics.ascent + metrics.descent > limits.height;
  }

  // Whether the lines at `points` fit within `limits`, as tried (in `out`); wrapped lines
  // that, broken at that size, are too many for the height at their line height alone are
  // too high whatever their letters, and are not tried.
  bool FitsAsTried(double points, const Limits& limits, Attempt& out) const {
    if (TooManyLines(points, limits)) return false;
    out = Try(points, false, limits.width);
    return Fits(out, limits);
  }

  // The lines at `points`, each condensed as much as it needs to be no wider than
  // `width` (down to half its width); `anywhere`: wrapped lines break inside a word too.
  // Wrapped lines break at the room's width inside its lines whatever `width`: keeping
  // clear of them condenses a line a little rather than breaking it anew.
  Attempt Try(double points, bool anywhere, double width) const {
    Attempt a;
    a.points = points;
    const LineMetrics& probe = ProbeAt(points);
    a.ascent = probe.ascent;
    a.descent = probe.descent;
    a.step = probe.step;
    const BrokenText& broken = Broken(points, anywhere);
    for (const QString& whole : broken.lines) {
      Attempt::Line line;
      line.text = WithoutTrailingBlanks(whole);
      // Laid out wherever it may stand, at its width or condensed: that width is drawn.
      Span natural = WidthAt(line.text, points, 100);
      if (natural.low <= width) {
        natural = Exactly(line.text, points, 100);
        if ((broken.layout || broken.measured) && !anywhere)
          CheckForeseenWrapped(broken, a.lines.size(), natural.low, points);
      }
      line.width = natural.high;
      if (natural.high > width) {
        Condense(line, points, width, natural);
      } else if (!room_.wrap && whole.size() > line.text.size()) {
        // Blanks at the end of a line of its own stand where they always stood, within
        // the room.
        const double withBlanks = Laid(whole, points, 100, true)->Width();
        line.blanks = std::clamp(withBlanks - line.width, 0.0, width_ - line.width);
      }
      a.widthFits = a.widthFits && line.fits;
      a.lines.push_back(std::move(line));
    }
    return a;
  }

  // Lines of their own that even the floor at half their width leaves far too wide, by
  // their letters' advances (unshaped, a first guess), are first laid out there, where
  // they will be cut (in two parts where they can be, LayOutInParts): their other widths
  // are foreseen from that layout.
  void LayOutWhereCut(double set, double floor) const {
    constexpr double kFarTooWide = 1.05;
    const QRawFont raw = QRawFont::fromFont(LaidFont(font_, set, 100));
    if (!raw.isValid() || raw.pixelSize() <= 0) return;
    const double toLayout = EmPixels(set) / raw.pixelSize() * (floor / set) * kMinTextStretch / 100;
    for (const QString& whole : Break(set, false)) {
      const QString text = WithoutTrailingBlanks(whole);
      const QList<quint32> glyphs = raw.glyphIndexesForString(text);
      const QList<QPointF> steps = raw.advancesForGlyphIndexes(glyphs);
      double advance = 0;
      for (const QPointF& step : steps) advance += step.x();
      if (advance * toLayout <= width_ * kFarTooWide) continue;
      if (!LayOutInParts(text, floor, steps, toLayout)) Laid(text, floor, kMinTextStretch);
    }
  }

  // A line that will be cut, laid out in two parts where its letters shape alike in any
  // part of it (ShapedAlikeInParts): its start up to where its letters' advances (`steps`,
  // unshaped, times `toLayout`) say it will be cut, which is mostly the very text shown,
  // and its end from a little before that. False where the line is too short for that.
  bool LayOutInParts(const QString& text, double floor, const QList<QPointF>& steps, double toLayout) const {
    std::pair<qsizetype, qsizetype> latin;
    if (steps.size() != text.size() || !ShapedAlikeInParts(text, latin)) return false;
    const int length = static_cast<int>(text.size());
    int head = 0;
    for (double x = 0; head < length && (x += steps[head].x() * toLayout) <= width_;) ++head;
    while (head > 0 && text.at(head - 1).isSpace()) --head;
    const int seam = head - kShapingReach;
    const int tailFrom = seam - kShapingReach - 1;
    if (tailFrom < kShapingReach) return false;  // the tail nearly the whole line
    // Each part one script item, as the whole line is.
    if (latin.first >= 0 && (latin.first >= head || latin.second < tailFrom)) return false;
    LaidLine::Parts parts{Laid(text.left(head), floor, kMinTextStretch), Laid(text.mid(tailFrom), floor, kMinTextStretch),
                          tailFrom, seam};
    laid_.emplace(Key{text, floor, kMinTextStretch, false},
                  std::make_shared<const LaidLine>(text, LaidFont(font_, floor, kMinTextStretch), std::move(parts)));
    return true;
  }

  // A line too wide for `width` at its natural width (`natural`) condensed as much as it
  // needs: from the stretch at which its width in proportion fills `width`, one per cent
  // less while it is still too wide, down to half its width.
  void Condense(Attempt::Line& line, double points, double width, Span natural) const {
    const auto start = [width](double w) { return std::max(kMinTextStretch, static_cast<int>(std::floor(100 * width / w))); };
    if (start(natural.low) != start(natural.high)) {
      const Span half = WidthAt(line.text, points, kMinTextStretch);
      if (half.low > width) {  // too wide at any stretch it starts from
        line.stretch = kMinTextStretch;
        line.width = half.low;
        line.fits = false;
        return;
      }
      natural = Exactly(line.text, points, 100);
    }
    for (int stretch = start(natural.high);; --stretch) {
      Span condensed = WidthAt(line.text, points, stretch);
      if (condensed.low <= width) condensed = Exactly(line.text, points, stretch);
      if (condensed.high <= width || stretch == kMinTextStretch) {
        line.stretch = stretch;
        line.width = condensed.low;
        line.fits = condensed.high <= width;
        return;
      }
    }
  }

  // A line's width at a size and stretch, in layout pixels: exactly where it is laid out,
  // else as far as its other layouts foresee it.
  Span WidthAt(const QString& text, double points, int stretch) const {
    const auto it = laid_.find({text, points, stretch, false});
    if (it != laid_.end()) return {it->second->Width(), it->second->Width()};
    if (const std::optional<Span> span = Foreseen(text, points, stretch)) return *span;
    return Exactly(text, points, stretch);
  }
  Span Exactly(const QString& text, double points, int stretch) const {
    const double width = Laid(text, points, stretch)->Width();
    return {width, width};
  }
  static double EmPixels(double points) { return points * kTextLayoutDpi / 72; }
  // The width foreseen from every layout of the same text, or nothing where none foresees it.
  std::optional<Span> Foreseen(const QString& text, double points, int stretch) const {
    if (exact_ || EmPixels(points) < kSmallestForeseen) return std::nullopt;
    Span span{std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max()};
    bool any = false;
    const Key from{text, std::numeric_limits<double>::lowest(), std::numeric_limits<int>::min(), false};
    for (auto it = laid_.lower_bound(from); it != laid_.end() && std::get<0>(it->first) == text; ++it) {
      const auto& [_, known, knownStretch, blanks] = it->first;
      if (blanks || EmPixels(known) < kSmallestForeseen) continue;
      const double k = points * stretch / (known * knownStretch);
      const double width = it->second->Width() * k;
      const double slack =
          width * (known == points ? kStretchMargin : kSizeMargin) + text.size() * kLetterSlack * (1 + k);
      span.low = std::max(span.low, width - slack);
      span.high = std::min(span.high, width + slack);
      any = true;
    }
    if (!any) return std::nullopt;
    if (span.low > span.high) {  // the layouts themselves keep no proportion
      mispredicted_ = true;
      return std::nullopt;
    }
    return span;
  }

  // The text's lines in `font`: its own line breaks, and with wrap the breaks at `width`
  // (at word boundaries, or `anywhere`).
  const std::vector<QString>& Break(double points, bool anywhere) const { return Broken(points, anywhere).lines; }
  const BrokenText& Broken(double points, bool anywhere) const {
    auto [it, added] = breaks_.try_emplace({points, anywhere});
    if (added) it->second = Broken(points, anywhere, width_);
    return *it->second;
  }
  std::shared_ptr<const BrokenText> Broken(double points, bool anywhere, double width) const {
    auto out = std::make_shared<BrokenText>();
    out->width = width;
    if (!room_.wrap) {
      for (const QString& line : text_.split(QChar::LineSeparator)) out->lines.push_back(line);
      return out;
    }
    const QFont font = LaidFont(font_, points, 100);
    // Broken again in a room no wider, the lines stand as they stood wherever each of them
    // (its letters' overhang past their advance included) still fits: every word that
    // stood on a line fits there again, and every word that went on to the next still
    // does not.
    constexpr double kRounding = 1;  // layout pixels
    if (!anywhere) {
      if (const std::shared_ptr<const BrokenText> kept = laid::KeptBreak(text_, font);
          kept && (!exact_ || !kept->measured) && width <= kept->width && kept->widest + kRounding <= width)
        return kept;
      // Else foreseen from the text measured once, where it can be.
      if (std::shared_ptr<const BrokenText> foreseen = ForeseenBreak(points, width)) {
        laid::KeepBreak(text_, font, foreseen);
        return foreseen;
      }
    }
    out->layout = std::make_shared<QTextLayout>(text_, font, const_cast<QPaintDevice*>(TextLayoutDevice()));
    QTextLayout& layout = *out->layout;
    layout.setTextOption(
        LayoutOption(anywhere ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::WordWrap));
    layout.setCacheEnabled(true);  // its glyphs kept for the lines' letters
    double widest = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width);
      widest = std::max(widest, line.naturalTextWidth());
      QString part = text_.mid(line.textStart(), line.textLength());
      part.remove(QChar::LineSeparator);
      out->lines.push_back(WithoutTrailingBlanks(part));
      out->widths.push_back(line.naturalTextWidth());
    }
    layout.endLayout();
    if (out->lines.empty()) {
      out->lines.emplace_back();
      out->widths.push_back(0);
    }
    if (!anywhere) {
      const double overhang = std::max(0.0, -QFontMetricsF(font, TextLayoutDevice()).minRightBearing());
      out->widest = widest + overhang;
      laid::KeepBreak(text_, font, out);
    }
    return out;
  }

  // The lines broken at `points` foreseen from the text measured at the size it is set in
  // (laid::ForeseeBreak), where they can be: the text measured once for every size.
  std::shared_ptr<const BrokenText> ForeseenBreak(double points, double width) const {
    if (exact_ || EmPixels(points) < kSmallestForeseen || EmPixels(set_) < kSmallestForeseen) return nullptr;
    if (!measured_) measured_ = std::make_shared<const laid::MeasuredText>(text_, LaidFont(font_, set_, 100));
    if (!measured_->Usable()) return nullptr;
    const double scale = points == set_ ? 1 : ProbeAt(points).advance / ProbeAt(set_).advance;
    return laid::ForeseeBreak(measured_, width, scale);
  }

  // The extent of the letters of the first `count` lines laid at the line height, from the
  // first line's top.
  std::pair<double, double> Ink(const Attempt& a, size_t count) const {
    double top = std::numeric_limits<double>::max(), bottom = std::numeric_limits<double>::lowest();
    for (size_t i = 0; i < count; ++i) {
      const Attempt::Line& line = a.lines[i];
      const auto [up, down] = InkAt(line.text, a.points, line.stretch);
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
    for (Attempt::Line& line : a.lines) {
      if (line.fits) continue;
      const LaidLine& laid = *Laid(line.text, a.points, kMinTextStretch);
      // The letters up to the first whose end stands past the room, without the blanks
      // before it; where the letters' ends only grow from left to right, that letter is
      // tried first where the layout expected the cut, then searched by halves.
      const std::vector<qsizetype> ends = LetterEnds(line.text);
      const auto past = [&](qsizetype at) { return laid.XAt(static_cast<int>(at)) > width_; };
      size_t inside = 0;  // the letters that end inside the room
      if (laid.LeftToRight()) {
        size_t low = 0, high = ends.size();  // `inside` is from `low` to `high`
        if (const int cut = laid.ExpectedCut(); cut > 0) {
          const size_t expected = std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin();
          if (expected > 0) {
            if (past(ends[expected - 1])) high = expected - 1;
            else low = expected;
          }
          if (expected < high) {
            if (past(ends[expected])) high = expected;
            else low = expected + 1;
          }
        }
        inside = std::partition_point(ends.begin() + low, ends.begin() + high, [&](qsizetype at) { return !past(at); }) -
                 ends.begin();
      } else {
        while (inside < ends.size() && !past(ends[inside])) ++inside;
      }
      qsizetype shown = 0;
      for (size_t i = inside; i > 0 && shown == 0; --i)
        if (!line.text.at(ends[i - 1] - 1).isSpace()) shown = ends[i - 1];
      QString text = line.text.left(shown);
      // Shaped alone, the shorter text may come out a little wider: one letter less.
      while (!text.isEmpty() && Laid(text, a.points, kMinTextStretch)->Width() > width_) {
        QTextBoundaryFinder back(QTextBoundaryFinder::Grapheme, text);
        back.toEnd();
        text = WithoutTrailingBlanks(text.left(back.toPreviousBoundary()));
      }
      line.text = text;
      line.stretch = kMinTextStretch;
      line.width = Laid(text, a.points, kMinTextStretch)->Width();
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

  // A line laid out at a size and stretch, once for the whole fit.
  std::shared_ptr<const LaidLine> Laid(const QString& text, double points, int stretch, bool blanks = false) const {
    const Key key{text, points, stretch, blanks};
    auto it = laid_.find(key);
    if (it != laid_.end()) return it->second;
    const std::optional<Span> foreseen = blanks ? std::nullopt : Foreseen(text, points, stretch);
    std::shared_ptr<const LaidLine> laid = Layout(text, LaidFont(font_, points, stretch), blanks);
    if (foreseen && (laid->Width() < foreseen->low || laid->Width() > foreseen->high)) mispredicted_ = true;
    return laid_.emplace(key, std::move(laid)).first->second;
  }

  std::pair<double, double> InkAt(const QString& text, double points, int stretch) const {
    auto [it, added] = ink_.try_emplace({text, points, stretch, false});
    if (added) {
      if (text.trimmed().isEmpty()) it->second = {0, 0};
      else if (HasMarks(text)) it->second = InkOf(text, LaidFont(font_, points, stretch));
      else it->second = Laid(text, points, stretch)->Ink();
    }
    return it->second;
  }

  const LineMetrics& ProbeAt(double points) const { return MetricsOf(LaidFont(font_, points, 100), room_.leading); }

  using Key = std::tuple<QString, double, int, bool>;
  QString text_;
  QFont font_;
  TextRoom room_;
  double scale_;           // the painter's units a layout pixel
  double set_;             // the size the text is set in, points
  double width_, height_;  // the room inside its lines, layout pixels
  mutable bool exact_ = false;  // every size tried, none foreseen
  mutable bool mispredicted_ = false;  // a width came out of what was foreseen
  mutable std::map<Key, std::shared_ptr<const LaidLine>> laid_;
  mutable std::map<Key, std::pair<double, double>> ink_;
  mutable std::map<std::pair<double, bool>, std::shared_ptr<const BrokenText>> breaks_;
  mutable std::shared_ptr<const laid::MeasuredText> measured_;  // ForeseenBreak
};

}  // namespace

double SmallestTextSize(double setPoints) {
  return std::min(setPoints, std::max(kMinTextPoints, setPoints * kMinTextSizeShare));
}

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
  const double natural = WidthOn(text, Stretched(font, 100), device);
  if (natural <= width) return 100;
  if (width <= 0) return kMinTextStretch;
  // The advances scale with the stretch; whole per cents rounded down, then one less
  // while the hinted widths still come out wider.
  int stretch = std::max(kMinTextStretch, static_cast<int>(std::floor(100 * width / natural)));
  while (stretch > kMinTextStretch && WidthOn(text, Stretched(font, stretch), device) > width) --stretch;
  return stretch;
}

void ForgetLaidLines() {
  laid::Forget();
}

TextFit FitText(const QString& text, const QFont& font, const TextRoom& room) {
  if (room.unitsPerInch <= 0) return {};
  return Fitter(text, font, room).Run();
}

void DrawFitted(QPainter& painter, const TextFit& fit) {
  if (fit.unitsPerInch <= 0) return;
  const double scale = fit.unitsPerInch / kTextLayoutDpi;
  for (const FittedLine& line : fit.lines) {
    const std::shared_ptr<const LaidLine> laid = Layout(line.text, LaidFont(fit.font, fit.font.pointSizeF(), line.stretch));
    painter.save();
    painter.translate(line.origin);
    painter.scale(scale, scale);
    laid->Draw(painter, QPointF(0, 0));
    painter.restore();
  }
}

void DrawFittedText(QPainter& painter, const TextRoom& room, const QString& text) {
  if (WithoutTrailingBlanks(text).isEmpty()) return;
  DrawFitted(painter, FitText(text, painter.font(), room));
}

}  // namespace platform
