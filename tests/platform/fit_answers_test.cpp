// The fit rule answers as the plain search does (FitReference: every try laid out anew,
// the sizes searched by bisection): over texts of one line and of several, faces and
// sizes, rooms from wider than the text to far too narrow and from tall to too low, with
// and without lines and clearances along their sides, wrapped or not, the same size,
// stretch, cut, place and ink for every line; also for kerned pairs, narrow letters, and
// a family with a condensed face of its own, whose widths keep no proportion to the
// stretch (only laying every width out answers for it), and for long lines cut among
// kerned pairs, ligatures, blanks, digits and combining marks.

#include <QStringList>
#include <gtest/gtest.h>
#include <sstream>

#include "FitReference.h"
#include "platform/FittedText.h"

using platform::TextFit;
using platform::TextRoom;

namespace {

QFont Face(const char* family, double points, bool bold = false, bool italic = false) {
  QFont font(QString::fromLatin1(family));
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setItalic(italic);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

// What differs between two answers, or an empty text.
std::string Difference(const TextFit& got, const TextFit& want) {
  std::ostringstream out;
  if (got.font.pointSizeF() != want.font.pointSizeF())
    out << " size " << got.font.pointSizeF() << " for " << want.font.pointSizeF();
  if (got.whole != want.whole) out << " whole " << got.whole;
  if (got.asSet != want.asSet) out << " as set " << got.asSet;
  if (got.inkTop != want.inkTop || got.inkBottom != want.inkBottom)
    out << " ink " << got.inkTop << ".." << got.inkBottom << " for " << want.inkTop << ".." << want.inkBottom;
  if (got.lines.size() != want.lines.size()) {
    out << " " << got.lines.size() << " lines for " << want.lines.size();
    return out.str();
  }
  for (size_t i = 0; i < got.lines.size(); ++i) {
    const platform::FittedLine &a = got.lines[i], &b = want.lines[i];
    if (a.text != b.text) out << " line " << i << " \"" << a.text.toStdString() << "\" for \"" << b.text.toStdString() << "\"";
    if (a.stretch != b.stretch) out << " line " << i << " stretch " << a.stretch << " for " << b.stretch;
    if (a.origin != b.origin)
      out << " line " << i << " at " << a.origin.x() << ", " << a.origin.y() << " for " << b.origin.x() << ", "
          << b.origin.y();
    if (a.width != b.width) out << " line " << i << " width " << a.width << " for " << b.width;
  }
  return out.str();
}

TEST(FitAnswers, TheSameAsEveryTryLaidOutAnew) {
  const QStringList texts = {
      QStringLiteral("IONESCU"),
      QStringLiteral("MINISTERUL TRANSPORTURILOR"),
      QStringLiteral("POPESCU-DUMITRESCU ALEXANDRU-CONSTANTIN STEFANESCU 12-4"),
      QStringLiteral("Str. Mihai Eminescu nr. 127, bl. C4, sc. B, et. 3, ap. 14, sector 2, Bucuresti"),
      QStringLiteral("WVWZZZ1JZ3W386752"),
      QStringLiteral("Societatea Comerciala \"TRANSAUTO\" SRL   "),
      QStringLiteral("gyp, qj; ĂăâîșțȘȚ"),
      QStringLiteral("Carlig remorcare\r\nJante aliaj\r\nSenzori parcare fata si spate"),
      QStringLiteral("Sistem de navigatie cu harti actualizate si camera video pentru mersul inapoi"),
      QStringLiteral("12"),
      QStringLiteral("AUTOTURISM M1\nBERLINA"),
      // Pairs the font kerns, and narrow letters whose widths keep the least proportion.
      QStringLiteral("AVATAR WAVE Ty. LT-VA, \"Yo\""),
      QStringLiteral("il"),
      // Lines long enough to be cut far from their ends, with the cut falling among kerned
      // pairs, ligatures, blanks, signs, digits alone, and combining marks.
      QStringLiteral("TAVAWAY LTYVAT AWAY TOYOTA VAWA Ty Te To Yo Wa We Av Aw Ay LT LV LY PA Fa"),
      QStringLiteral("affiffl efficacy officer fluffier baffling offshoot waffling suffix"),
      QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z a b c d e f g h i j"),
      QString::fromUtf8("\u201ETransauto\u201D \u2013 S.R.L. \u2026 Bra\u0219ov, \u021Aar\u0103, 1.250,00 \u20AC, "
                        "\u00ABAuto\u00BB \u00A7 3"),
      QStringLiteral("1234567890 2345678901 3456789012 4567890123 5678901234 6789012345 7890"),
      QStringLiteral("MARGINEANU CONSTANTIN-ALEXANDRU VASILE 1234567890 1234567890 12345678"),
      QString::fromUtf8("S\u0326tefan T\u0326a\u0306ranu, Ba\u0306ile Herculane, jude\u021Bul Cara\u0219-Severin, nr. 7"),
  };
  const QFont faces[] = {
      Face("Times New Roman", 8.25, true), Face("Arial", 9, true), Face("Courier New", 10),
      Face("Times New Roman", 6), Face("Arial", 14, false, true),
      // A family with a condensed face of its own: its widths do not follow the stretch.
      Face("DejaVu Sans", 8),
  };
  const double widths[] = {1.3, 1.0, 0.98, 0.8, 0.55, 0.5, 0.45, 0.33, 0.3, 0.25, 0.12};
  const double heights[] = {3.0, 1.15, 0.9, 0.55};  // of the face's line height
  struct Kind {
    const char* what;
    bool wrap, oneLine, bounded, leading;
    Qt::Alignment alignment;
    QMarginsF lines, clear;  // in hundredths of the room's height
  } kinds[] = {
      {"a cell", false, false, true, false, Qt::AlignLeft | Qt::AlignVCenter, {}, {}},
      {"a cell between lines, kept clear", false, false, true, false, Qt::AlignHCenter | Qt::AlignBottom,
       QMarginsF(2, 3, 2, 3), QMarginsF(4, 5, 4, 5)},
      {"a wrapped cell", true, false, true, false, Qt::AlignLeft | Qt::AlignTop, QMarginsF(1, 1, 1, 1),
       QMarginsF(2, 2, 2, 2)},
      {"a one-line box", false, true, true, false, Qt::AlignRight | Qt::AlignVCenter, {}, QMarginsF(3, 0, 3, 0)},
      {"a caption that runs on", true, false, false, true, Qt::AlignLeft | Qt::AlignTop, {}, {}},
  };
  const double dpis[] = {1200, 96};
  int compared = 0, differing = 0;
  std::ostringstream report;
  for (const double dpi : dpis) {
    for (const QFont& face : faces) {
      const double lineHeight = face.pointSizeF() / 72 * dpi * 1.15;
      for (const QString& text : texts) {
        const TextFit natural = fitreference::ReferenceFit(
            text, face, TextRoom{.rect = QRectF(0, 0, 1e7, 1e7), .unitsPerInch = dpi, .boundedHeight = false});
        double naturalWidth = 0;
        for (const platform::FittedLine& line : natural.lines) naturalWidth = std::max(naturalWidth, line.width);
        const int lineCount = std::max<int>(1, static_cast<int>(natural.lines.size()));
        for (const double w : widths) {
          for (const double h : heights) {
            for (const Kind& kind : kinds) {
              const QRectF rect(17.25, 33.5, naturalWidth * w, lineHeight * h * lineCount);
              const double unit = rect.height() / 100;
              const TextRoom room{.rect = rect,
                                  .alignment = kind.alignment,
                                  .unitsPerInch = dpi,
                                  .lines = kind.lines * unit,
                                  .clear = kind.clear * unit,
                                  .wrap = kind.wrap,
                                  .oneLine = kind.oneLine,
                                  .boundedHeight = kind.bounded,
                                  .leading = kind.leading};
              const std::string difference =
                  Difference(platform::FitText(text, face, room), fitreference::ReferenceFit(text, face, room));
              ++compared;
              if (difference.empty()) continue;
              if (++differing <= 20)
                report << "\n\"" << text.toStdString() << "\" in " << face.family().toStdString() << " "
                       << face.pointSizeF() << " pt, " << kind.what << " " << w << " x " << h << " at " << dpi
                       << " dpi:" << difference;
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(differing, 0) << "of " << compared << " texts:" << report.str();
}

}  // namespace
