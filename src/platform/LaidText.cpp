#include "platform/LaidText.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <limits>
#include <map>
#include <tuple>
#include <unordered_map>

#include "platform/FittedText.h"

namespace platform::laid {

QString WithoutTrailingBlanks(QString text) {
  qsizetype end = text.size();
  while (end > 0 && text.at(end - 1).isSpace()) --end;
  text.truncate(end);
  return text;
}

QFont LaidFont(QFont font, double points, int stretch) {
  font.setPointSizeF(points);
  font.setStretch(stretch);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QTextOption LayoutOption(QTextOption::WrapMode wrap, bool trailingBlanks) {
  QTextOption option(Qt::AlignLeft);
  option.setUseDesignMetrics(true);
  option.setWrapMode(wrap);
  if (trailingBlanks) option.setFlags(QTextOption::IncludeTrailingSpaces);
  return option;
}

bool ShapedAlikeInParts(const QString& text, std::pair<qsizetype, qsizetype>& latin) {
  latin = {-1, -1};
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    const char16_t u = c.unicode();
    if (!((u >= 0x20 && u < 0x7f) || (u >= 0xa0 && u < 0x250 && u != 0xad) || (u >= 0x2010 && u < 0x2028) ||
          (u >= 0x2030 && u < 0x205f) || (u >= 0x20a0 && u < 0x20c0)))
      return false;
    const QChar::Script script = c.script();
    if (script == QChar::Script_Latin) {
      if (latin.first < 0) latin.first = i;
      latin.second = i;
    } else if (script != QChar::Script_Common) {
      return false;
    }
  }
  return true;
}

namespace {

// What the glyphs of `runs`, standing on a line whose baseline is at `baseline`, show.
GlyphFacts ReadGlyphs(const QList<QGlyphRun>& runs, double baseline) {
  GlyphFacts facts;
  double last = std::numeric_limits<double>::lowest();
  bool several = false;
  for (const QGlyphRun& run : runs) {
    if (run.isRightToLeft()) facts.leftToRight = false;
    const QRawFont font = run.rawFont();
    if (&run == &runs.front()) facts.family = font.familyName();
    else several = several || font.familyName() != facts.family;
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> at = run.positions();
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
      if (at[i].x() < last) facts.leftToRight = false;
      if (last == std::numeric_limits<double>::lowest()) facts.first = at[i].x();
      last = at[i].x();
      const QRectF box = font.boundingRect(glyphs[i]);
      facts.top = std::min(facts.top, at[i].y() - baseline + box.top());
      facts.bottom = std::max(facts.bottom, at[i].y() - baseline + box.bottom());
    }
  }
  if (last != std::numeric_limits<double>::lowest()) facts.last = last;
  if (several) facts.family.clear();
  return facts;
}

}  // namespace

LaidLine::LaidLine(const QString& text, const QFont& font, bool trailingBlanks, bool leading)
    : text_(text), font_(font), trailingBlanks_(trailingBlanks), leading_(leading) {
  LayOut();
}

LaidLine::LaidLine(const QString& text, const QFont& font, Parts parts)
    : text_(text), font_(font), parts_(std::move(parts)) {
  atSeam_ = parts_.head->XAt(parts_.seam);
  tailAtSeam_ = parts_.tail->XAt(parts_.seam - parts_.tailFrom);
}

double LaidLine::Width() const {
  if (parts_.head) return atSeam_ + parts_.tail->Width() - tailAtSeam_;
  return line_.isValid() ? line_.naturalTextWidth() : 0;
}

double LaidLine::XAt(int position) const {
  if (parts_.head) {
    if (position <= parts_.seam) return parts_.head->XAt(position);
    return atSeam_ + parts_.tail->XAt(position - parts_.tailFrom) - tailAtSeam_;
  }
  return line_.isValid() ? line_.cursorToX(position) : 0;
}

void LaidLine::Draw(QPainter& painter, QPointF at) const {
  Line();
  layout_->draw(&painter, at);
}

const GlyphFacts& LaidLine::Glyphs() const {
  if (glyphs_) return *glyphs_;
  if (parts_.head) {
    // Each letter's glyphs from the part it is read from, those of the tail moved to
    // where the seam stands in the line.
    const GlyphFacts& head = parts_.head->Scan(0, parts_.seam);
    const int fromSeam = parts_.seam - parts_.tailFrom;
    const GlyphFacts& tail = parts_.tail->Scan(fromSeam, static_cast<int>(parts_.tail->text_.size()) - fromSeam);
    const double shift = atSeam_ - tailAtSeam_;
    glyphs_ = GlyphFacts{std::min(head.top, tail.top), std::max(head.bottom, tail.bottom),
                         head.leftToRight && tail.leftToRight && tail.first + shift >= head.last, head.first,
                         tail.last + shift, head.family == tail.family ? head.family : QString()};
  } else {
    glyphs_ = Read(-1, -1);
  }
  return *glyphs_;
}

const GlyphFacts& LaidLine::Scan(int from, int length) const {
  for (const auto& [range, facts] : scanned_)
    if (range == std::pair{from, length}) return facts;
  return scanned_.emplace_back(std::pair{from, length}, Read(from, length)).second;
}

GlyphFacts LaidLine::Read(int from, int length) const { return ReadGlyphs(layout_->glyphRuns(from, length), Ascent()); }

void LaidLine::LayOut() const {
  layout_ = std::make_unique<QTextLayout>(text_, font_, const_cast<QPaintDevice*>(TextLayoutDevice()));
  layout_->setTextOption(LayoutOption(QTextOption::NoWrap, trailingBlanks_));
  // The shaped glyphs kept past the layout, for the letters' extent and the drawing.
  layout_->setCacheEnabled(true);
  layout_->beginLayout();
  line_ = layout_->createLine();
  if (line_.isValid()) {
    line_.setLineWidth(std::numeric_limits<int>::max() / 256.0);
    line_.setLeadingIncluded(leading_);
    line_.setPosition(QPointF(0, 0));
  }
  layout_->endLayout();
}

std::pair<double, double> InkOf(const QString& text, const QFont& font) {
  if (text.trimmed().isEmpty()) return {0, 0};
  const QRectF ink = QFontMetricsF(font, TextLayoutDevice()).tightBoundingRect(text);
  return {ink.top(), ink.bottom()};
}

std::vector<qsizetype> LetterEnds(const QString& text) {
  std::vector<qsizetype> ends;
  // Signs before the combining marks (from U+0300), without the controls, are letters of
  // their own.
  const bool oneEach = std::all_of(text.begin(), text.end(), [](QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x20 && u < 0x7f) || (u >= 0xa0 && u < 0x300);
  });
  if (oneEach) {
    ends.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) ends[i] = i + 1;
    return ends;
  }
  QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, text);
  for (qsizetype at = letters.toNextBoundary(); at > 0; at = letters.toNextBoundary()) ends.push_back(at);
  return ends;
}

bool HasMarks(const QString& text) {
  return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isMark(); });
}

const LineMetrics& MetricsOf(const QFont& font, bool leading) {
  thread_local std::map<std::pair<QFont, bool>, LineMetrics> known;
  constexpr size_t kKnownFonts = 256;
  auto it = known.find({font, leading});
  if (it != known.end()) return it->second;
  if (known.size() >= kKnownFonts) known.clear();
  const LaidLine probe(QStringLiteral("X"), font, false, leading);
  return known
      .emplace(std::pair{font, leading}, LineMetrics{probe.Ascent(), probe.Descent(), probe.Height(), probe.XAt(1)})
      .first->second;
}

namespace {

// What the fits made lately, for the texts fitted again: a fit is mostly drawn at once from
// the same layouts, and a text fitted again into a room a little narrower or lower (kept
// clear of a line it came near) lays out and breaks the same lines at the same sizes
// again. Kept in two generations: the older one goes when the newer is full.
struct KeptKeyHash {
  size_t operator()(const std::tuple<QString, QFont, bool>& key) const {
    return qHashMulti(0, std::get<0>(key), std::get<1>(key), std::get<2>(key));
  }
  size_t operator()(const std::pair<QString, QFont>& key) const { return qHashMulti(0, key.first, key.second); }
};

template <class Key, class Value>
class KeptLately {
 public:
  // The value kept for `key`, or null.
  Value* Find(const Key& key) {
    if (auto it = newer_.find(key); it != newer_.end()) return &it->second;
    auto it = older_.find(key);
    if (it == older_.end()) return nullptr;
    Value value = std::move(it->second);
    older_.erase(it);
    return &Put(key, std::move(value));
  }
  Value& Put(const Key& key, Value value) {
    if (newer_.size() >= kGeneration && !newer_.count(key)) older_ = std::exchange(newer_, {});
    return newer_.insert_or_assign(key, std::move(value)).first->second;
  }
  void Clear() {
    newer_.clear();
    older_.clear();
  }

 private:
  static constexpr size_t kGeneration = 256;
  std::unordered_map<Key, Value, KeptKeyHash> newer_, older_;
};

using KeptLayouts = KeptLately<std::tuple<QString, QFont, bool>, std::shared_ptr<const LaidLine>>;
KeptLayouts& Layouts() {
  thread_local KeptLayouts kept;
  return kept;
}

using KeptBreaks = KeptLately<std::pair<QString, QFont>, std::shared_ptr<const BrokenText>>;
KeptBreaks& Breaks() {
  thread_local KeptBreaks kept;
  return kept;
}

}  // namespace

std::shared_ptr<const LaidLine> Layout(const QString& text, const QFont& font, bool blanks) {
  const std::tuple<QString, QFont, bool> key{text, font, blanks};
  if (const std::shared_ptr<const LaidLine>* kept = Layouts().Find(key)) return *kept;
  return Layouts().Put(key, std::make_shared<const LaidLine>(text, font, blanks));
}

MeasuredText::MeasuredText(const QString& text, const QFont& font) : em_(font.pointSizeF() * kTextLayoutDpi / 72) {
  for (const QString& part : text.split(QChar::LineSeparator)) {
    Segment segment;
    segment.text = part;
    // Blanks are only the space (a no-break space keeps its word whole); a segment that
    // ends in blanks lays them out past its end; a letter the font lacks is drawn in
    // another font, whose overhang this one does not tell.
    std::pair<qsizetype, qsizetype> latin;
    if (!ShapedAlikeInParts(part, latin) || part.contains(QChar::Nbsp) || part.endsWith(QLatin1Char(' '))) return;
    const int length = static_cast<int>(part.size());
    if (length > 0) {
      segment.laid = Layout(part, font);
      if (segment.laid->Family() != QFontInfo(font).family()) return;
      const QFontMetricsF metrics(font, TextLayoutDevice());
      std::vector<bool> mayBreak(length + 1, false);
      QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, part);
      for (qsizetype at = breaks.toNextBoundary(); at > 0; at = breaks.toNextBoundary()) mayBreak[at] = true;
      const auto blank = [&](int at) { return part.at(at) == QLatin1Char(' '); };
      int at = 0;
      while (at < length && blank(at)) ++at;
      segment.lead = at > 0 ? segment.laid->XAt(at) : 0;
      // A word's last letter's overhang past its advance, where a ligature may not end it.
      const double anyOverhang = std::max(0.0, -metrics.minRightBearing());
      const auto overhangAt = [&](int end) {
        if (end >= 2 && part.at(end - 2) == QLatin1Char('f')) return anyOverhang;
        return std::max(0.0, -metrics.rightBearing(part.at(end - 1)));
      };
      double x = segment.lead;
      while (at < length) {
        Word word;
        word.from = at;
        word.start = x;
        do ++at;
        while (at < length && !blank(at) && !mayBreak[at]);
        word.to = at;
        word.end = segment.laid->XAt(at);
        word.overhang = overhangAt(at);
        while (at < length && blank(at)) ++at;
        word.next = at;
        word.after = x = at > word.to ? segment.laid->XAt(at) : word.end;
        segment.words.push_back(word);
      }
    }
    segments_.push_back(std::move(segment));
  }
  usable_ = true;
}

std::shared_ptr<const BrokenText> ForeseeBreak(const std::shared_ptr<const MeasuredText>& measured, double width,
                                               double scale) {
  if (!measured || !measured->usable_) return nullptr;
  // How far a width at the other size may stand from the measured one in proportion: a
  // share of it for the sizes' own proportion, and a fraction of a pixel a letter and a
  // pixel for the rounding of the letters' advances. A letter's overhang is known to
  // whole pixels at either size.
  constexpr double kShare = 0.003, kLetter = 1.0 / 64, kPixel = 1;
  const auto slackOf = [&](double measuredWidth, int letters) {
    return kShare * scale * measuredWidth + kLetter * letters * (1 + scale) + kPixel;
  };
  const auto overhangOf = [&](const MeasuredText::Word& word) { return word.overhang * scale + 2 * (1 + scale); };
  auto out = std::make_shared<BrokenText>();
  out->width = width;
  out->measured = measured;
  out->scale = scale;
  double widest = 0;
  for (int s = 0; s < static_cast<int>(measured->segments_.size()); ++s) {
    const MeasuredText::Segment& segment = measured->segments_[s];
    const std::vector<MeasuredText::Word>& words = segment.words;
    if (words.empty()) {  // an empty line between line breaks
      out->lines.emplace_back();
      out->widths.push_back(0);
      out->spans.push_back({s, 0, 0});
      continue;
    }
    const auto blanksTooWide = [&](double from, double to, int letters) {
      return to > from && scale * (to - from) + slackOf(to - from, letters) >= width;
    };
    if (blanksTooWide(0, segment.lead, words.front().from)) return nullptr;
    int lineFrom = 0;
    double lineStart = 0;
    size_t first = 0;  // the line's first word
    const auto endLine = [&](const MeasuredText::Word& last) {
      const double measuredWidth = last.end - lineStart, overhang = overhangOf(last);
      const double at = scale * measuredWidth, slack = slackOf(measuredWidth, last.to - lineFrom) + overhang / 2;
      out->lines.push_back(segment.text.mid(lineFrom, last.to - lineFrom));
      out->widths.push_back(at + overhang / 2);
      out->spans.push_back({s, lineFrom, last.to - lineFrom});
      out->slack = std::max(out->slack, slack);
      widest = std::max(widest, at + slack + overhang / 2);
    };
    for (size_t i = 0; i < words.size(); ++i) {
      const MeasuredText::Word& word = words[i];
      if (blanksTooWide(word.end, word.after, word.next - word.to)) return nullptr;
      if (i == first) continue;
      const double measuredWidth = word.end - lineStart;
      const double at = scale * measuredWidth, slack = slackOf(measuredWidth, word.to - lineFrom);
      if (at + slack + overhangOf(word) <= width) continue;  // goes on
      if (at - slack <= width) return nullptr;                 // too near the width to tell
      endLine(words[i - 1]);
      first = i;
      lineFrom = word.from;
      lineStart = word.start;
    }
    endLine(words.back());
  }
  out->widest = widest;
  out->inkSlack = kShare * scale * measured->em_ + 2 * kLetter;
  return out;
}

const std::vector<std::pair<double, double>>& InkOfLines(const BrokenText& broken) {
  if (broken.ink) return *broken.ink;
  std::vector<std::pair<double, double>> ink(broken.lines.size(), {0, 0});
  if (broken.measured) {
    for (size_t i = 0; i < broken.spans.size() && i < ink.size(); ++i) {
      const BrokenText::Span& span = broken.spans[i];
      if (span.length == 0) continue;
      const auto [top, bottom] = broken.measured->segments_[span.segment].laid->InkOf(span.from, span.length);
      ink[i] = {top * broken.scale, bottom * broken.scale};
    }
    return *(broken.ink = std::move(ink));
  }
  for (int i = 0; broken.layout && i < broken.layout->lineCount() && i < int(ink.size()); ++i) {
    const QTextLine line = broken.layout->lineAt(i);
    const GlyphFacts facts = ReadGlyphs(line.glyphRuns(), line.y() + line.ascent());
    ink[i] = {facts.top, facts.bottom};
  }
  return *(broken.ink = std::move(ink));
}

std::shared_ptr<const BrokenText> KeptBreak(const QString& text, const QFont& font) {
  const std::shared_ptr<const BrokenText>* kept = Breaks().Find({text, font});
  return kept ? *kept : nullptr;
}

void KeepBreak(const QString& text, const QFont& font, std::shared_ptr<const BrokenText> broken) {
  Breaks().Put({text, font}, std::move(broken));
}

void Forget() {
  Layouts().Clear();
  Breaks().Clear();
}

}  // namespace platform::laid
