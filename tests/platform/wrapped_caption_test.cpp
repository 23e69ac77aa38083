// A caption of several lines breaks at the same places on the screen as on paper: the
// screen's rounded letter widths do not move a word to the line before or after.

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/PageControls.h"

namespace {

// Each line of ink (a run of rows with ink) and the last column with ink on it.
QList<int> LineEnds(const QImage& image) {
  QList<int> ends;
  bool inLine = false;
  for (int y = 0; y < image.height(); ++y) {
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 160) last = x;
    if (last < 0) {
      inLine = false;
      continue;
    }
    if (!inLine) ends.append(last);
    ends.last() = std::max(ends.last(), last);
    inLine = true;
  }
  return ends;
}

// The caption painted on a page of `dpi` dots an inch, as the screen or the paper draws it.
QImage Painted(const platform::FormLabel& label, int dpi, double widthTwips) {
  const double perTwip = dpi / 1440.0;
  QImage image(int(widthTwips * perTwip * 1.2), int(1200 * perTwip), QImage::Format_RGB32);
  image.setDotsPerMeterX(qRound(dpi / 0.0254));
  image.setDotsPerMeterY(qRound(dpi / 0.0254));
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.translate(-label.Left() * perTwip, -label.Top() * perTwip);
  label.PaintOnPaper(painter, perTwip);
  return image;
}

TEST(WrappedCaption, TheScreenBreaksItsLinesWhereThePaperDoes) {
  struct Case {
    const char* caption;
    double width;  // twips
    double points;
  };
  const Case cases[] = {
      {"comunei/orasului/municipiului/sectorului...............................:in cuantum de .................. lei "
       "(se cumuleaza creantele fiscale stabilite in tabelele de mai sus).",
       7605, 8.25},
      {"Pentru neachitarea impozitului pana la termenele aratate mai sus, se vor calcula accesorii pana la data "
       "platii. Prezentul titlu de creanta devine titlu executoriu in conditiile legii.",
       7605, 8.25},
      {"Vehiculul al carui detinator este mentionat la punctul (A) si avand caracteristicele tehnice de la punctul "
       "(F) a fost luat in evidenta:",
       4905, 8.25},
      {"Impotriva masurilor dispune prin prezenta se poate face contestatie, care se depune in termen de  30 zile de "
       "la comunicare, la organul fiscal emitent.",
       7605, 9.75},
  };
  QWidget page;
  for (const Case& c : cases) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(c.points);
    platform::FormLabel label(&page, QString::fromLatin1(c.caption), font);
    label.SetWordWrap(true);
    label.SetTwips(QRectF(300, 150, c.width, 600));
    const QList<int> screen = LineEnds(Painted(label, 96, c.width));
    const QList<int> paper = LineEnds(Painted(label, 1200, c.width));
    ASSERT_EQ(screen.size(), paper.size()) << c.caption;
    ASSERT_GE(screen.size(), 2) << c.caption;
    // Where each line ends, as a share of the caption's width: the same words on each line.
    for (int i = 0; i < screen.size(); ++i)
      EXPECT_NEAR((screen[i] + 1) / (c.width * 96 / 1440), (paper[i] + 1) / (c.width * 1200 / 1440), 0.015)
          << c.caption << ", line " << i + 1;
  }
}

}  // namespace
