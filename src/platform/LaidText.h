#pragma once
// Texts laid out as the fit rule (FittedText.h) measures and draws them: one line at a
// time on the fine layout device with the font's design metrics, the letters' extent and
// ends read from the glyphs laid, and what was laid out lately kept for the texts fitted
// or drawn again.

#include <QFont>
#include <QPointF>
#include <QString>
#include <QTextLayout>
#include <QTextOption>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QPainter;

namespace platform::laid {

QString WithoutTrailingBlanks(QString text);

// The font as it is laid out: at `points`, condensed to `stretch`, with its outlines as
// designed (the same widths at every resolution).
QFont LaidFont(QFont font, double points, int stretch);

QTextOption LayoutOption(QTextOption::WrapMode wrap, bool trailingBlanks = false);

// How many letters at the cut end of a part of a line (its start, or its end) may be
// shaped otherwise than in the whole line: a ligature, or a pair kerned, across the cut.
inline constexpr int kShapingReach = 8;

// Whether any part of a text shapes its letters as the whole text does, past
// kShapingReach letters from where it is cut: letters of the Latin script, blanks, digits
// and signs, left to right, each letter one character (no combining marks, no controls,
// no characters in two halves). The first and last Latin letters are told in `latin`
// (-1 where there is none): a part is one script item as the whole is where it holds one
// of them, or the whole holds none.
bool ShapedAlikeInParts(const QString& text, std::pair<qsizetype, qsizetype>& latin);

// What glyphs laid out show: their extent above (negative) and below their baseline,
// the baseline itself always within it; whether each stands at or after the one before
// it; and where the first and the last of them stand.
struct GlyphFacts {
  double top = 0, bottom = 0;
  bool leftToRight = true;
  double first = 0, last = 0;
  QString family;  // of the one font they are drawn in; empty where they are drawn in several
};

// One line laid out on the layout device, from its start: at once, or known from the
// layouts of two parts of it (Parts), and laid out whole only where they cannot answer.
class LaidLine {
 public:
  // A line too long to lay out whole where only its widths, its letters' ends and their
  // extent are asked: `head` is its start, `tail` its end from `tailFrom`, the two
  // overlapping by more than twice kShapingReach letters (ShapedAlikeInParts). Up to
  // `seam` (kShapingReach letters before the head's end, and more than kShapingReach
  // after the tail's start) it is read from the head, past it from the tail.
  struct Parts {
    std::shared_ptr<const LaidLine> head, tail;
    int tailFrom = 0, seam = 0;
  };

  LaidLine(const QString& text, const QFont& font, bool trailingBlanks = false, bool leading = false);
  LaidLine(const QString& text, const QFont& font, Parts parts);

  double Width() const;
  double Ascent() const { return Line().isValid() ? line_.ascent() : 0; }
  double Descent() const { return Line().isValid() ? line_.descent() : 0; }
  double Height() const { return Line().isValid() ? line_.height() : 0; }
  // Where the text's letters up to `position` end.
  double XAt(int position) const;
  // Whether its glyphs run from left to right only, each standing at or after the one
  // before it: where the letters end then grows with their count.
  bool LeftToRight() const { return Glyphs().leftToRight; }
  // The family of the one font its glyphs are drawn in (a letter the font lacks is drawn
  // in another); empty where they are drawn in several.
  const QString& Family() const { return Glyphs().family; }
  // Where it was expected to be cut: after its head (Parts); 0 where nothing was expected.
  int ExpectedCut() const { return parts_.head ? static_cast<int>(parts_.head->text_.size()) : 0; }
  void Draw(QPainter& painter, QPointF at) const;
  // The extent of its letters above (negative) and below its baseline, the baseline
  // itself always within it, as the font's tight bounds measure it.
  std::pair<double, double> Ink() const { return {Glyphs().top, Glyphs().bottom}; }
  // The same for its letters from `from`, `length` of them, where they stand in it.
  std::pair<double, double> InkOf(int from, int length) const {
    const GlyphFacts& facts = Scan(from, length);
    return {facts.top, facts.bottom};
  }

 private:
  // What its glyphs show, read from them once.
  const GlyphFacts& Glyphs() const;
  // The glyphs of the letters from `from`, `length` of them, read once.
  const GlyphFacts& Scan(int from, int length) const;
  // The glyphs of the letters from `from`, `length` of them (-1: all).
  GlyphFacts Read(int from, int length) const;
  // The whole line laid out, where it was not yet.
  const QTextLine& Line() const {
    if (!layout_) LayOut();
    return line_;
  }
  void LayOut() const;

  QString text_;
  QFont font_;
  bool trailingBlanks_ = false, leading_ = false;
  Parts parts_;
  double atSeam_ = 0, tailAtSeam_ = 0;  // where the letters up to the seam end, in the line and in the tail
  mutable std::unique_ptr<QTextLayout> layout_;
  mutable QTextLine line_;
  mutable std::optional<GlyphFacts> glyphs_;
  mutable std::vector<std::pair<std::pair<int, int>, GlyphFacts>> scanned_;  // Scan, by range
};

// The extent of a line's letters above (negative) and below its baseline, measured on
// the text shaped anew: for a text with combining marks, which the tight bounds leave out.
std::pair<double, double> InkOf(const QString& text, const QFont& font);

// Where each letter (grapheme) of a text ends.
std::vector<qsizetype> LetterEnds(const QString& text);

bool HasMarks(const QString& text);

// The height of a font's lines, as a line of one letter lays them out: the same for every
// text in that font, kept for the fonts used lately.
struct LineMetrics {
  double ascent, descent, step;  // step: from one line to the next
  double advance;                // that letter's advance: how wide the font's letters are at its size
};
const LineMetrics& MetricsOf(const QFont& font, bool leading);

// The line laid out in `font`, as laid out lately or anew, and kept (see Forget).
std::shared_ptr<const LaidLine> Layout(const QString& text, const QFont& font, bool blanks = false);

class MeasuredText;

// A text broken at its words into lines no wider than a width, as wrapped lines break.
struct BrokenText {
  double width = 0;   // the room it was broken in
  double widest = 0;  // its widest line, with the letters' overhang past their advance
  std::vector<QString> lines;
  // Wrapped: each line's width where it stands in the text, the text as broken, and the
  // extent of each line's letters there, once asked for (InkOfLines).
  std::vector<double> widths;
  std::shared_ptr<QTextLayout> layout;
  mutable std::optional<std::vector<std::pair<double, double>>> ink;
  // Foreseen from the text measured at another size (ForeseeBreak), with no layout of its
  // own: its lines are the very lines a layout breaks; their widths (within `slack`) and
  // their letters' extent (within `inkSlack`) are the measured ones in proportion.
  std::shared_ptr<const MeasuredText> measured;
  double scale = 1;  // of the sizes: this one to the measured one
  double slack = 0, inkSlack = 0;
  struct Span {
    int segment, from, length;  // in the measured text's segment (MeasuredText)
  };
  std::vector<Span> spans;
};

// A text's words as laid out at one size, from which the lines it breaks into at another
// size and width are foreseen. Wrapped lines take their words as a line of text does: a
// word (up to a blank or to where a line may break) goes on while the line up to its end,
// with its last letter's overhang, is no wider than the room, and the first word of a line
// always; the blanks after a line's last word end it. Letters of the Latin script, blanks,
// digits and signs (ShapedAlikeInParts) keep their widths in proportion to the size to
// within a small share and a fraction of a pixel a letter, whatever the word.
class MeasuredText {
 public:
  // `text` holds its own line breaks as line separators.
  MeasuredText(const QString& text, const QFont& font);
  bool Usable() const { return usable_; }

 private:
  friend std::shared_ptr<const BrokenText> ForeseeBreak(const std::shared_ptr<const MeasuredText>& measured,
                                                        double width, double scale);
  friend const std::vector<std::pair<double, double>>& InkOfLines(const BrokenText& broken);
  struct Word {
    int from, to, next;        // its letters, and where the blanks after it end
    double start, end, after;  // where they stand in its segment
    double overhang;           // of its last letter past its advance, at most
  };
  struct Segment {  // the text between two of its line breaks
    QString text;
    std::shared_ptr<const LaidLine> laid;
    std::vector<Word> words;
    double lead = 0;  // where its first word starts, after the blanks before it
  };
  std::vector<Segment> segments_;
  double em_ = 0;  // the measured font's em, layout pixels
  bool usable_ = false;
};

// The lines of a measured text broken at `width` in the font at another size, whose
// letters' advances are `scale` times the measured ones (LineMetrics::advance); null
// where a line's end stands too near the width for the proportion to tell it, or where
// the text is not one whose widths keep it.
std::shared_ptr<const BrokenText> ForeseeBreak(const std::shared_ptr<const MeasuredText>& measured, double width,
                                               double scale);

// The extent of each line's letters above (negative) and below its baseline where it
// stands in the broken text, the baseline itself always within it.
const std::vector<std::pair<double, double>>& InkOfLines(const BrokenText& broken);

// The break of `text` in `font` kept lately, or null; and keeping one.
std::shared_ptr<const BrokenText> KeptBreak(const QString& text, const QFont& font);
void KeepBreak(const QString& text, const QFont& font, std::shared_ptr<const BrokenText> broken);

// Forgets every line and break kept.
void Forget();

}  // namespace platform::laid
