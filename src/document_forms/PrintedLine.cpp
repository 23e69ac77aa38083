#include "document_forms/PrintedLine.h"

#include <QFontMetricsF>
#include <set>
#include <string>
#include <utility>

#include "document_forms/DocumentForm.h"
#include "platform/PageControls.h"
#include "platform/Twips.h"

namespace document_forms {

namespace {

enum class FirstCaption { kBeforeItsBox, kAtTheLeft };

// Whether the first letter of `text` in `font`, on a line whose captions stand at `top`,
// reaches down to within a pixel of a rule at `ruleY` (twips).
bool FirstLetterReaches(const char* text, const QFont& font, double top, double ruleY) {
  const QString caption = QString::fromUtf8(text);
  if (caption.isEmpty() || caption.at(0).isSpace()) return false;
  const QFontMetricsF metrics(font);
  const double bottom = top + (metrics.ascent() + metrics.tightBoundingRect(caption.left(1)).bottom()) *
                                  platform::kTwipsPerPixel;
  return bottom > ruleY - platform::kTwipsPerPixel;
}

// A caption that ends at a box or fill-in line keeps the blanks it ends with before it:
// its letters, without those blanks, and how wide the blanks are in `font` (twips).
struct EndingCaption {
  const char* letters;
  double blanks;
};
EndingCaption BeforeItsBox(const char* text, const QFont& font) {
  const QString caption = QString::fromUtf8(text);
  qsizetype end = caption.size();
  while (end > 0 && caption.at(end - 1).isSpace()) --end;
  if (end == caption.size()) return {text, 0};
  // Kept for the life of the program, as the pages that point to them are.
  static std::set<std::string> kept;
  const char* letters = kept.insert(caption.left(end).toStdString()).first->c_str();
  const QFontMetricsF metrics(font);
  return {letters, (metrics.horizontalAdvance(caption) - metrics.horizontalAdvance(caption.left(end))) *
                       platform::kTwipsPerPixel};
}

void Lay(std::vector<Item>& items, double top, double left, Font font, std::initializer_list<Piece> pieces,
         FirstCaption first) {
  double cursor = left;
  double ruleBefore = -1;  // the height of the rule that ends at `cursor`, if one does
  for (auto it = pieces.begin(); it != pieces.end(); ++it) {
    const Piece& p = *it;
    if (p.kind == Piece::Kind::kCaption) {
      const Font f = p.font.face ? p.font : font;
      const auto next = it + 1;
      if (p.left >= 0) {
        items.push_back(Label(p.left, top, p.text, f));
        cursor = p.left;
      } else if (first == FirstCaption::kAtTheLeft && it == pieces.begin() && next != pieces.end() &&
                 next->kind != Piece::Kind::kCaption) {
        // The line's first caption begins at the line's left, its room up to the box.
        const EndingCaption caption = BeforeItsBox(p.text, FontOf(f, f));
        items.push_back(Label(left, top, caption.letters, f, next->left - caption.blanks - left));
      } else if (next != pieces.end() && next->kind != Piece::Kind::kCaption) {
        // Ending at the box and beginning no further left than the piece before it ends: a
        // text wider than that gap is fitted into it rather than drawn over that piece.
        const EndingCaption caption = BeforeItsBox(p.text, FontOf(f, f));
        const double end = next->left - caption.blanks;
        const double needed =
            platform::FormLabel::TextWidthTwips(QString::fromUtf8(caption.letters), FontOf(f, f)) +
            platform::kTwipsPerPixel;
        const double from = cursor < end ? cursor : end - needed;
        items.push_back(Label(from, top, caption.letters, f, end - from, kLabelHeight, TextAlign::kRight));
      } else {
        // Right after a rule, a first letter that reaches down to it (a comma, a "p")
        // begins a pixel past the rule's end.
        const bool clear = ruleBefore >= 0 && FirstLetterReaches(p.text, FontOf(f, f), top, ruleBefore);
        items.push_back(Label(cursor + (clear ? platform::kTwipsPerPixel : 0), top, p.text, f));
      }
      ruleBefore = -1;
      continue;
    }
    const double boxTop = p.top >= 0 ? p.top : top;
    const double ruleY = boxTop + p.height + 15;  // of the rule under it, if it has one
    const bool ruled = p.kind == Piece::Kind::kBlank || p.under == Piece::Under::kRule;
    ruleBefore = ruled ? ruleY : -1;
    if (p.kind == Piece::Kind::kField) {
      // What the box stands on comes first, so that the box lies above it.
      if (ruled) {
        items.push_back(Rule(ruleY, p.left, p.left + p.width));
      } else if (p.under == Piece::Under::kDots) {
        items.push_back(Dots(p.left, boxTop + 150, p.width));
      }
      items.push_back(Box(p.index, p.left, boxTop, p.width, p.height));
    } else {
      items.push_back(Rule(ruleY, p.left, p.left + p.width));
    }
    cursor = p.left + p.width;
  }
}

}  // namespace

void AddLine(std::vector<Item>& items, double top, double left, Font font, std::initializer_list<Piece> pieces) {
  Lay(items, top, left, font, pieces, FirstCaption::kBeforeItsBox);
}

void AddLineAt(std::vector<Item>& items, double top, double left, Font font, std::initializer_list<Piece> pieces) {
  Lay(items, top, left, font, pieces, FirstCaption::kAtTheLeft);
}

void AddBoxStops(std::vector<TabStop>& tabs, int first, int last) {
  for (int i = first; i <= last; ++i) tabs.push_back({"txt", i});
}

BuiltPage::BuiltPage(const char* caption, std::vector<Item> rows, std::vector<TabStop> stops, Font pageFont)
    : items(std::move(rows)),
      tabs(std::move(stops)),
      page{.caption = caption, .items = items, .tabOrder = tabs, .pageFont = pageFont} {}

}  // namespace document_forms
