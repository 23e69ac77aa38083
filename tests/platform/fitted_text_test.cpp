// The one fit rule of every text on a page: a line of text in a room narrower than itself
// is condensed just enough, in the same face, down to half its width; then reduced in
// size down to a readable floor; and only past that cut after a whole letter. A text of
// several lines is reduced until its lines stand inside the room's height, and past the
// floor shows its whole lines from the top. What is drawn is all that is written.

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextBoundaryFinder>
#include <gtest/gtest.h>

#include "platform/FittedText.h"
#include "support/PdfText.h"

using platform::FitText;
using platform::kMinTextStretch;
using platform::StretchToFit;
using platform::TextFit;
using platform::TextRoom;

namespace {

const QString kText = QStringLiteral("MINISTERUL TRANSPORTURILOR");

// A page at 600 dpi, as a printer draws it.
QImage Paper(int width, int height) {
  QImage image(width, height, QImage::Format_Grayscale8);
  image.setDotsPerMeterX(23622);
  image.setDotsPerMeterY(23622);
  image.fill(Qt::white);
  return image;
}
constexpr double kPaperDpi = 600;

QFont Times(double size = 12) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setPointSizeF(size);
  return font;
}

double WidthAt(const QImage& device, int stretch, const QString& text = kText) {
  QFont font = Times();
  font.setStretch(stretch);
  return QFontMetricsF(font, &device).horizontalAdvance(text);
}

// The width `text` takes in `font` as the rule lays it out, in units of `dpi`.
double LaidWidth(const QString& text, const QFont& font, double dpi = kPaperDpi) {
  const TextFit fit = FitText(text, font, TextRoom{.rect = QRectF(0, 0, 1e7, 1e7), .unitsPerInch = dpi});
  return fit.lines.empty() ? 0 : fit.lines.front().width;
}

// The columns (or the rows) from the first to the last one with ink, or (-1, -1).
std::pair<int, int> InkSpan(const QImage& image, bool rows) {
  const int across = rows ? image.height() : image.width(), along = rows ? image.width() : image.height();
  int first = -1, last = -1;
  for (int i = 0; i < across; ++i)
    for (int j = 0; j < along; ++j)
      if (qGray(rows ? image.pixel(j, i) : image.pixel(i, j)) < 128) {
        if (first < 0) first = i;
        last = i;
        break;
      }
  return {first, last};
}

TEST(FittedText, StretchIsJustEnoughDownToHalf) {
  const QImage device = Paper(10, 10);
  const double natural = WidthAt(device, 100);
  struct Case {
    const char* what;
    double room;  // a share of the natural width
    int lowest, highest;
    const char* trailing = "";  // blanks after the text, which take no room
  };
  const Case cases[] = {
      {"room to spare", 1.2, 100, 100},
      {"exactly as wide", 1.0, 100, 100},
      {"exactly as wide but for its trailing blanks", 1.0, 100, 100, "   "},
      {"four fifths", 0.8, 76, 80},
      {"just over half", 0.52, 50, 52},
      {"a third: the floor", 0.33, kMinTextStretch, kMinTextStretch},
      {"no room at all", 0, kMinTextStretch, kMinTextStretch},
  };
  for (const Case& c : cases) {
    const double room = natural * c.room;
    const int stretch = StretchToFit(kText + QLatin1String(c.trailing), Times(), &device, room);
    EXPECT_GE(stretch, c.lowest) << c.what;
    EXPECT_LE(stretch, c.highest) << c.what;
    if (c.room >= 0.5) {
      EXPECT_LE(WidthAt(device, stretch), room) << c.what << ": it fits";
      if (stretch < 100) {
        EXPECT_GT(WidthAt(device, stretch + 1), room) << c.what << ": one more would not";
      }
    }
  }
}

TEST(FittedText, ACondensedTextKeepsItsFace) {
  QFont condensed = Times();
  condensed.setStretch(70);
  EXPECT_EQ(QFontInfo(condensed).family(), QFontInfo(Times()).family());
  EXPECT_EQ(QFontInfo(condensed).pointSizeF(), QFontInfo(Times()).pointSizeF());
}

TEST(FittedText, TheFloorIsSixTenthsOfTheSizeAndNeverUnderFivePoints) {
  EXPECT_DOUBLE_EQ(platform::SmallestTextSize(12), 7.2);
  EXPECT_DOUBLE_EQ(platform::SmallestTextSize(9.75), 5.85);
  EXPECT_DOUBLE_EQ(platform::SmallestTextSize(8.25), 5);
  EXPECT_DOUBLE_EQ(platform::SmallestTextSize(6), 5);
  EXPECT_DOUBLE_EQ(platform::SmallestTextSize(4), 4);  // a text set smaller keeps its size
}

// One line in rooms from wider than itself down to a fifth of its width: as it is,
// condensed, reduced in size at half its width, and at the floor cut after a whole
// letter; always within the room, and each step only as far as it needs.
TEST(FittedText, ALineFitsCondensesShrinksAndCutsInThatOrder) {
  const double natural = LaidWidth(kText, Times());
  struct Case {
    const char* what;
    double room;  // a share of the natural width
    int lowestStretch, highestStretch;
    double lowestSize, highestSize;
    bool whole;
  };
  const Case cases[] = {
      {"room to spare", 1.2, 100, 100, 12, 12, true},
      {"exactly as wide", 1.0, 100, 100, 12, 12, true},
      {"four fifths: condensed", 0.8, 78, 80, 12, 12, true},
      {"half: condensed to half", 0.5, 50, 50, 11.9, 12, true},
      {"two fifths: half as wide and smaller", 0.4, 50, 51, 9.5, 9.6, true},
      {"three tenths: half as wide at the floor", 0.3, 50, 51, 7.19, 7.25, true},
      {"a fifth: cut at the floor", 0.2, 50, 50, 7.19, 7.21, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QRectF room(100, 50, natural * c.room, 400);
    const TextFit fit = FitText(kText, Times(), TextRoom{.rect = room, .unitsPerInch = kPaperDpi});
    ASSERT_EQ(fit.lines.size(), 1u);
    const platform::FittedLine& line = fit.lines.front();
    EXPECT_GE(line.stretch, c.lowestStretch);
    EXPECT_LE(line.stretch, c.highestStretch);
    EXPECT_GE(fit.font.pointSizeF(), c.lowestSize);
    EXPECT_LE(fit.font.pointSizeF(), c.highestSize);
    EXPECT_EQ(fit.whole, c.whole);
    EXPECT_GE(line.origin.x(), room.left());
    EXPECT_LE(line.origin.x() + line.width, room.right() + 1e-6);
    if (c.whole) {
      EXPECT_EQ(line.text, kText);
      continue;
    }
    // Cut: the text's start, up to a whole letter, and no blank at its end; one more
    // letter would not have fitted.
    EXPECT_TRUE(kText.startsWith(line.text)) << line.text.toStdString();
    EXPECT_FALSE(line.text.isEmpty());
    EXPECT_FALSE(line.text.back().isSpace());
    const QString longer = kText.left(line.text.size() + 1);
    EXPECT_GT(LaidWidth(longer, Times(7.2)) * 0.5, room.width() * 0.98) << longer.toStdString();
  }
}

// Blanks at a text's end take no room: a marker "b) " in a room as wide as "b)" is not
// condensed, and keeps its place.
TEST(FittedText, TrailingBlanksTakeNoRoom) {
  const QString marker = QStringLiteral("b)");
  const double width = LaidWidth(marker, Times());
  const TextFit fit = FitText(marker + QStringLiteral("   "), Times(),
                              TextRoom{.rect = QRectF(0, 0, width, 400), .unitsPerInch = kPaperDpi});
  ASSERT_EQ(fit.lines.size(), 1u);
  EXPECT_EQ(fit.lines[0].stretch, 100);
  EXPECT_EQ(fit.lines[0].text, marker);
  EXPECT_DOUBLE_EQ(fit.font.pointSizeF(), 12);
}

// A cut never leaves half a letter: an accent written as a mark of its own goes with its
// letter, and Romanian letters stand whole.
TEST(FittedText, ACutEndsAtAWholeLetter) {
  const QString towns[] = {
      QStringLiteral("CA\u0302MPULUNG MOLDOVENESC"),       // A and a combining circumflex
      QStringLiteral("CARA\u0218-SEVERIN CARA\u0218-SEVERIN"),  // precomposed comma-below S
      QStringLiteral("S\u0326ERBA\u0306NES\u0326TI"),      // comma below and breve as marks
  };
  for (const QString& town : towns) {
    const double natural = LaidWidth(town, Times());
    for (double share = 0.05; share < 0.3; share += 0.01) {
      const TextFit fit = FitText(town, Times(), TextRoom{.rect = QRectF(0, 0, natural * share, 400),
                                                          .unitsPerInch = kPaperDpi});
      ASSERT_EQ(fit.lines.size(), 1u);
      const QString shown = fit.lines[0].text;
      ASSERT_TRUE(town.startsWith(shown));
      QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, town);
      letters.setPosition(shown.size());
      EXPECT_TRUE(letters.isAtBoundary()) << town.toStdString() << " cut as " << shown.toStdString();
    }
  }
}

// A text in a room lower than its letters is reduced until they stand in it, and its
// letters keep clear of a line along the top or bottom whatever the alignment: placed
// clear where there is room, reduced where only that keeps them clear.
TEST(FittedText, NoLetterStandsOutAtTheTopOrBottom) {
  const QString name = QStringLiteral("\u0218KODA \u021A\u0102G\u0102RA\u0218");
  // The height of a text's letters as it is set, in dots at 600 dpi.
  const auto inkHeight = [](const QString& text) {
    const TextFit fit = FitText(text, Times(), TextRoom{.rect = QRectF(0, 0, 1e6, 1e6), .unitsPerInch = kPaperDpi});
    return fit.inkBottom - fit.inkTop;
  };
  struct Case {
    const char* what;
    int lines;      // of the name, one under the other
    double height;  // a share of the letters' height, or with `inside` of that height plus the lines'
    Qt::Alignment alignment;
    QMarginsF lines_, clear;
    bool smaller;
    bool inside = false;  // the room is as high as the letters and the lines along it
    bool lineHeight = false;  // the room holds the lines' whole height clear of its lines
  };
  const double line = 5, keep = 8;  // dots at 600 dpi
  const QMarginsF ruled{0, line, 0, line}, kept{0, keep, 0, keep};
  const Case cases[] = {
      {"centred with room", 1, 2.0, Qt::AlignVCenter, {}, {}, false},
      {"centred, lower than its letters", 1, 0.8, Qt::AlignVCenter, {}, {}, true},
      {"on a fill-in line", 1, 1.6, Qt::AlignBottom, {0, 0, 0, line}, {0, 0, 0, keep}, false},
      {"under a rule", 1, 1.6, Qt::AlignTop, {0, line, 0, 0}, {0, keep, 0, 0}, false},
      {"between two rules, too low", 1, 0.9, Qt::AlignBottom, ruled, kept, true},
      {"centred between two rules, room for it but not to keep clear", 1, 1.0, Qt::AlignVCenter, ruled, kept,
       true, true},
      {"centred between two rules with room to keep clear", 1, 1.5, Qt::AlignVCenter, ruled, kept, false},
      {"two lines between two rules, room for them but not to keep clear", 2, 1.0, Qt::AlignVCenter, ruled, kept,
       true, true},
      {"two lines on a fill-in line with room", 2, 1.4, Qt::AlignBottom, ruled, kept, false},
      {"two lines under a rule with room for their height", 2, 2.0, Qt::AlignTop, ruled, kept, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QString text = name;
    for (int i = 1; i < c.lines; ++i) text += QLatin1Char('\n') + name;
    const double height =
        inkHeight(text) * c.height + (c.inside ? c.lines_.top() + c.lines_.bottom() : 0);
    const QRectF room(0, 100, 3000, height);
    const TextFit fit = FitText(text, Times(), TextRoom{.rect = room, .alignment = Qt::AlignLeft | c.alignment,
                                                        .unitsPerInch = kPaperDpi, .lines = c.lines_,
                                                        .clear = c.clear});
    EXPECT_TRUE(fit.whole);
    EXPECT_EQ(fit.lines.size(), static_cast<size_t>(c.lines));
    EXPECT_EQ(fit.font.pointSizeF() < 12, c.smaller);
    // Every room here leaves the floor room to keep clear of its lines.
    EXPECT_GE(fit.inkTop, room.top() + c.lines_.top() + c.clear.top() - 0.01);
    EXPECT_LE(fit.inkBottom, room.bottom() - c.lines_.bottom() - c.clear.bottom() + 0.01);
    // Several lines with room to spare keep their whole line height clear, not only
    // their letters.
    if (c.lineHeight) {
      const double step = fit.lines[1].origin.y() - fit.lines[0].origin.y();
      EXPECT_GE(fit.lines.front().origin.y(), room.top() + c.lines_.top() + c.clear.top() - 0.01);
      EXPECT_LE(fit.lines.back().origin.y() + step, room.bottom() - c.lines_.bottom() - c.clear.bottom() + 0.01);
    }
  }
}

// Beside the lines too a text keeps clear: one that would stand inside the lines but
// nearer than its clearance is condensed just enough, a wrapped one keeping its lines as
// they break; one with room to spare stays as it is set.
TEST(FittedText, ATextKeepsClearOfTheLinesBesideIt) {
  const QString address = QStringLiteral("BULEVARDUL MARE\u0218AL CONSTANTIN PREZAN 123A");
  const double natural = LaidWidth(address, Times());
  const double line = 5, keep = 8;  // dots at 600 dpi
  struct Case {
    const char* what;
    double width;  // the room: the text's width plus this many dots
    bool wrap;
    int lowestStretch, highestStretch;
  };
  const Case cases[] = {
      {"room to keep clear", 2 * (line + keep) + 2, false, 100, 100},
      {"room inside the lines only", 2 * line + 1, false, 94, 99},
      {"room inside the lines only, wrapped", 2 * line + 1, true, 94, 99},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QRectF room(100, 100, natural + c.width, 400);
    QString text = address;
    if (c.wrap) text += QLatin1Char(' ') + address;  // two lines, each as wide as the address
    const TextFit fit = FitText(text, Times(), TextRoom{.rect = room, .unitsPerInch = kPaperDpi,
                                                        .lines = {line, 0, line, 0}, .clear = {keep, 0, keep, 0},
                                                        .wrap = c.wrap});
    ASSERT_EQ(fit.lines.size(), c.wrap ? 2u : 1u);
    EXPECT_DOUBLE_EQ(fit.font.pointSizeF(), 12);
    for (const platform::FittedLine& shown : fit.lines) {
      EXPECT_EQ(shown.text, address);
      EXPECT_GE(shown.stretch, c.lowestStretch);
      EXPECT_LE(shown.stretch, c.highestStretch);
      EXPECT_GE(shown.origin.x(), room.left() + line + keep - 0.01);
      EXPECT_LE(shown.origin.x() + shown.width, room.right() - line - keep + 0.01);
    }
  }
}

// A text of several lines is laid at its font's line height; it stays as it is where its
// lines fit, is reduced until all of them stand in the room, and past the floor shows
// only the whole lines that fit, from the top.
TEST(FittedText, LinesAreReducedUntilTheyFitAndPastTheFloorShowWholeLinesFromTheTop) {
  const QString address = QStringLiteral(
      "Strada Mihai Eminescu nr. 12, bloc M12BIS, scara B, ap. 45, DROBETA-TURNU SEVERIN, judetul MEHEDINTI, "
      "cod postal 220001");
  const QFontMetricsF metrics(Times(), platform::TextLayoutDevice());
  const double lineHeight = metrics.height() * kPaperDpi / platform::kTextLayoutDpi;
  struct Case {
    const char* what;
    double lines;  // the room's height in lines of the set size
    bool reduced, whole;
  };
  const Case cases[] = {
      {"room for all its lines", 8, false, true},
      {"room for half of them", 2.5, true, true},
      {"room for one line", 1.1, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QRectF room(200, 300, 1200, lineHeight * c.lines);  // two inches wide
    const TextFit fit = FitText(address, Times(), TextRoom{.rect = room, .alignment = Qt::AlignLeft | Qt::AlignTop,
                                                           .unitsPerInch = kPaperDpi, .wrap = true});
    ASSERT_FALSE(fit.lines.empty());
    EXPECT_EQ(fit.font.pointSizeF() < 12, c.reduced);
    EXPECT_EQ(fit.whole, c.whole);
    if (!c.whole) {
      EXPECT_NEAR(fit.font.pointSizeF(), 7.2, 0.001);
    }
    QStringList shown;
    for (const platform::FittedLine& line : fit.lines) {
      shown << line.text;
      EXPECT_EQ(line.stretch, 100) << line.text.toStdString();
      EXPECT_LE(line.origin.x() + line.width, room.right() + 1e-6);
    }
    // Whole lines from the text's start, one under the other at the font's line height.
    if (c.whole) {
      EXPECT_EQ(shown.join(QLatin1Char(' ')), address);
    } else {
      EXPECT_TRUE(address.startsWith(shown.join(QLatin1Char(' '))));
    }
    const double step = QFontMetricsF(fit.font, platform::TextLayoutDevice()).height() * kPaperDpi /
                        platform::kTextLayoutDpi;
    for (size_t i = 1; i < fit.lines.size(); ++i)
      EXPECT_NEAR(fit.lines[i].origin.y() - fit.lines[i - 1].origin.y(), step, step * 0.01);
    EXPECT_GE(fit.inkTop, room.top());
    EXPECT_LE(fit.inkBottom, room.bottom());
  }
}

// Drawn from x 100 in a room of a share of the text's width, 150 dots high: its ink stays
// within the room, near the room's end when condensed or cut, and nothing is clipped.
TEST(FittedText, DrawsWithinTheRoom) {
  struct Case {
    const char* what;
    double room;  // a share of the natural width
    bool fillsTheRoom;
  };
  const Case cases[] = {
      {"condensed to fit", 0.7, true},
      {"smaller at half its width", 0.35, true},
      {"cut after a whole letter", 0.15, true},
      {"narrower than its room: as it is", 1.5, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QImage paper = Paper(3000, 200);
    const double natural = LaidWidth(kText, Times());
    const QRectF room(100, 20, natural * c.room, 150);
    {
      QPainter painter(&paper);
      painter.setFont(Times());
      platform::DrawFittedText(painter, TextRoom{.rect = room, .unitsPerInch = kPaperDpi}, kText);
    }
    const auto [first, last] = InkSpan(paper, false);
    EXPECT_GE(first, 100);
    EXPECT_LE(last, room.right());
    if (c.fillsTheRoom) {
      EXPECT_GT(last, room.right() - std::max(natural * 0.03, room.width() * 0.2));
    } else {
      EXPECT_NEAR(last, room.left() + natural, natural * 0.03);
    }
    const auto [top, bottom] = InkSpan(paper, true);
    EXPECT_GT(top, room.top());
    EXPECT_LT(bottom, room.bottom());
  }
}

// The lines laid out for one text are kept for it to be fitted and drawn again: a font that
// differs in anything drawn (underline, strike-out, weight, slant, letter spacing) draws
// as itself, whichever was drawn before it, and forgetting the kept lines changes nothing.
TEST(FittedText, ATextDrawnAgainDrawsInItsOwnFont) {
  const auto drawn = [](const QFont& font) {
    QImage paper = Paper(2400, 200);
    QPainter painter(&paper);
    painter.setFont(font);
    platform::DrawFittedText(painter, TextRoom{.rect = QRectF(20, 20, 2300, 150), .unitsPerInch = kPaperDpi}, kText);
    painter.end();
    return paper;
  };
  std::vector<std::pair<const char*, QFont>> fonts = {{"plain", Times()}};
  for (const char* what : {"underlined", "struck out", "bold", "italic", "spaced"}) {
    QFont font = Times();
    const std::string w = what;
    if (w == "underlined") font.setUnderline(true);
    if (w == "struck out") font.setStrikeOut(true);
    if (w == "bold") font.setBold(true);
    if (w == "italic") font.setItalic(true);
    if (w == "spaced") font.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    fonts.emplace_back(what, font);
  }
  std::vector<QImage> first;
  platform::ForgetLaidLines();
  for (const auto& [what, font] : fonts) first.push_back(drawn(font));
  for (size_t i = 1; i < fonts.size(); ++i) {
    SCOPED_TRACE(fonts[i].first);
    EXPECT_NE(first[i], first[0]);
  }
  // Again, in the other order, with and without the kept lines.
  for (int forget = 0; forget < 2; ++forget) {
    for (size_t i = fonts.size(); i-- > 0;) {
      SCOPED_TRACE(fonts[i].first);
      if (forget) platform::ForgetLaidLines();
      EXPECT_EQ(drawn(fonts[i].second), first[i]);
    }
  }
}

// The text a PDF holds is the text its page shows: a cut text's hidden letters are not
// written, a condensed one is written whole.
TEST(FittedText, ThePdfHoldsWhatIsDrawn) {
  const QString firm = QStringLiteral("SC TRANSPORTURI \u0218I EXPEDI\u021AII INTERNA\u021AIONALE ROM\u00C2NIA SRL");
  const QString county = QStringLiteral("CARA\u0218-SEVERIN");
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("fit.pdf"));
  TextFit cut, condensed;
  {
    QPdfWriter writer(pdf);
    writer.setResolution(1200);
    QPainter painter(&writer);
    const double natural = LaidWidth(firm, Times(), 1200);
    cut = FitText(firm, Times(), TextRoom{.rect = QRectF(1200, 1200, natural * 0.15, 600), .unitsPerInch = 1200});
    platform::DrawFitted(painter, cut);
    condensed = FitText(county, Times(), TextRoom{.rect = QRectF(1200, 2400, LaidWidth(county, Times(), 1200) * 0.7,
                                                                 600),
                                                  .unitsPerInch = 1200});
    platform::DrawFitted(painter, condensed);
  }
  ASSERT_FALSE(cut.whole);
  ASSERT_EQ(cut.lines.size(), 1u);
  const QList<testsupport::PdfPage> pages = testsupport::ReadPdfPages(pdf);
  ASSERT_EQ(pages.size(), 1);
  QStringList words;
  for (const testsupport::PdfWord& w : pages[0].words) words << w.text;
  EXPECT_EQ(words.join(QLatin1Char(' ')), cut.lines[0].text + QLatin1Char(' ') + county);
}

}  // namespace
