// A wrapped text's lines at one size and width, foreseen from the text measured at another
// size, are the very lines a layout of it breaks into there, wherever they are foreseen:
// over faces, sizes from the smallest foreseen to twice the measured one, rooms from one
// word wide to the whole text, texts with kerned pairs, ligatures, hyphens, signs, blanks
// in runs and before the first word, and line breaks of their own.

#include <QFontMetricsF>
#include <QStringList>
#include <QTextLayout>
#include <gtest/gtest.h>
#include <sstream>

#include "platform/FittedText.h"
#include "platform/LaidText.h"

namespace {

using platform::laid::LaidFont;

std::vector<QString> LaidOutLines(const QString& text, const QFont& font, double width) {
  QTextLayout layout(text, font, const_cast<QPaintDevice*>(platform::TextLayoutDevice()));
  layout.setTextOption(platform::laid::LayoutOption(QTextOption::WordWrap));
  std::vector<QString> lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    QString part = text.mid(line.textStart(), line.textLength());
    part.remove(QChar::LineSeparator);
    lines.push_back(platform::laid::WithoutTrailingBlanks(part));
  }
  layout.endLayout();
  if (lines.empty()) lines.emplace_back();
  return lines;
}

double Advance(const QFont& font) {
  return platform::laid::MetricsOf(font, false).advance;
}

TEST(ForeseenBreak, TheLinesALayoutBreaks) {
  const QStringList texts = {
      QStringLiteral("str Mihai Eminescu, nr 127, bl C4, sc B, ap 14, loc Bucuresti, jud Ilfov, cod 020041"),
      QStringLiteral("POPESCU-DUMITRESCU ALEXANDRU-CONSTANTIN STEFANESCU 12-4/B"),
      QStringLiteral("AVATAR WAVE Ty. LT-VA, \"Yo\" TAVAWAY affiffl efficacy officer fluffier baffling"),
      QStringLiteral("  Doua  blancuri   inainte si    intre cuvinte, (paranteze) [si] semne: 1.250,00; 50%"),
      QString::fromUtf8("\u0218tefan \u021Aar\u0103 \u2013 Bra\u0219ov \u201ETransauto\u201D S.R.L."),
      QStringLiteral("Carlig remorcare\u2028Jante aliaj si senzori parcare\u2028\u2028Camera video spate\u2028"),
      QStringLiteral("CumparatorNume\u2028CumparatorSerieBI    CumparatorNrBI"),
      QStringLiteral("WVWZZZ1JZ3W386752 WVWZZZ1JZ3W386752WVWZZZ1JZ3W386752 x"),
      // Words that end in letters reaching past their advance, alone or in a ligature.
      QStringLiteral("Wolf chef Staff of, f; y j Wolff Graf-Wolf ef/ff AVf T.f Y f"),
  };
  QFont times(QStringLiteral("Times New Roman")), arial(QStringLiteral("Arial")),
      courier(QStringLiteral("Courier New"));
  times.setBold(true);
  arial.setItalic(true);
  QFont timesItalic(QStringLiteral("Times New Roman"));
  timesItalic.setItalic(true);
  const QFont faces[] = {times, arial, courier, timesItalic};
  const double measuredAt[] = {9, 8.25};
  int compared = 0, differing = 0;
  std::ostringstream report;
  for (const QFont& face : faces) {
    for (const double set : measuredAt) {
      for (const QString& text : texts) {
        const QFont measuredFont = LaidFont(face, set, 100);
        const auto measured = std::make_shared<const platform::laid::MeasuredText>(text, measuredFont);
        ASSERT_TRUE(measured->Usable()) << text.toStdString();
        const double whole = QFontMetricsF(measuredFont, platform::TextLayoutDevice()).horizontalAdvance(text);
        int foreseen = 0;
        for (double points = 4.5; points <= 2 * set; points += 0.137) {
          const QFont font = LaidFont(face, points, 100);
          const double scale = Advance(font) / Advance(measuredFont);
          for (double share = 0.04; share <= 1.1; share += 0.0313) {
            const double width = whole * share;
            const std::shared_ptr<const platform::laid::BrokenText> broken =
                platform::laid::ForeseeBreak(measured, width, scale);
            if (!broken) continue;
            ++foreseen;
            ++compared;
            const std::vector<QString> want = LaidOutLines(text, font, width);
            if (broken->lines == want) continue;
            if (++differing <= 10) {
              report << "\n\"" << text.toStdString() << "\" " << face.family().toStdString() << " at " << points
                     << " pt in " << width << ":";
              for (const QString& line : broken->lines) report << " [" << line.toStdString() << "]";
              report << " for";
              for (const QString& line : want) report << " [" << line.toStdString() << "]";
            }
          }
        }
        EXPECT_GT(foreseen, 0) << text.toStdString();
      }
    }
  }
  EXPECT_EQ(differing, 0) << "of " << compared << " breaks:" << report.str();
}

// Texts whose words keep no proportion to the size, or whose letters are drawn in another
// face than the one measured, are not foreseen.
TEST(ForeseenBreak, NotForTextsItCannotTell) {
  QFont font = LaidFont(QFont(QStringLiteral("Times New Roman")), 9, 100);
  for (const QString& text : {QStringLiteral("ends in a blank "), QString::fromUtf8("no\u00A0break space"),
                              QStringLiteral("a\ttab"), QString::fromUtf8("S\u0326tefan marks"),
                              QString::fromUtf8("\u05E9\u05DC\u05D5\u05DD right to left"),
                              QString::fromUtf8("a sign the face lacks \u2042")}) {
    EXPECT_FALSE(platform::laid::MeasuredText(text, font).Usable()) << text.toStdString();
  }
}

}  // namespace
