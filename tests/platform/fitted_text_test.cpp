// A line of text in a room narrower than itself: condensed just enough, in the same
// face, down to half its width, and cut at the room's edge only beyond that.

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "platform/FittedText.h"

using platform::DrawFittedText;
using platform::kMinTextStretch;
using platform::StretchToFit;

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

QFont Times() {
  QFont font(QStringLiteral("Times New Roman"));
  font.setPointSizeF(12);
  return font;
}

double WidthAt(const QImage& device, int stretch) {
  QFont font = Times();
  font.setStretch(stretch);
  return QFontMetricsF(font, &device).horizontalAdvance(kText);
}

// The columns from the first to the last one with ink, or (-1, -1).
std::pair<int, int> InkColumns(const QImage& image) {
  int first = -1, last = -1;
  for (int x = 0; x < image.width(); ++x)
    for (int y = 0; y < image.height(); ++y)
      if (qGray(image.pixel(x, y)) < 128) {
        if (first < 0) first = x;
        last = x;
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
  };
  const Case cases[] = {
      {"room to spare", 1.2, 100, 100},
      {"exactly as wide", 1.0, 100, 100},
      {"four fifths", 0.8, 76, 80},
      {"just over half", 0.52, 50, 52},
      {"a third: the floor", 0.33, kMinTextStretch, kMinTextStretch},
      {"no room at all", 0, kMinTextStretch, kMinTextStretch},
  };
  for (const Case& c : cases) {
    const double room = natural * c.room;
    const int stretch = StretchToFit(kText, Times(), &device, room);
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

// Drawn from x 100 in a room of a share of the text's width: its ink ends within the
// room, near the room's end when condensed, at the room's edge when cut.
TEST(FittedText, DrawsWithinTheRoom) {
  struct Case {
    const char* what;
    double room;  // a share of the natural width
    bool fillsTheRoom;
  };
  const Case cases[] = {
      {"condensed to fit", 0.7, true},
      {"cut at the edge beyond half", 0.3, true},
      {"narrower than its room: as it is", 1.5, false},
  };
  for (const Case& c : cases) {
    QImage paper = Paper(3000, 200);
    const double natural = WidthAt(paper, 100);
    const QRectF room(100, 20, natural * c.room, 150);
    {
      QPainter painter(&paper);
      painter.setFont(Times());
      DrawFittedText(painter, room, Qt::AlignLeft | Qt::AlignVCenter, kText);
    }
    const auto [first, last] = InkColumns(paper);
    EXPECT_GE(first, 100) << c.what;
    EXPECT_LE(last, room.right()) << c.what;
    if (c.fillsTheRoom) {
      EXPECT_GT(last, room.right() - natural * 0.03) << c.what;
    } else {
      EXPECT_NEAR(last, room.left() + natural, natural * 0.03) << c.what;
    }
  }
}

}  // namespace
