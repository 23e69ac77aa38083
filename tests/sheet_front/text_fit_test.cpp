// Texts of the sheet front as they print and as the screen shows them: a word wider
// than its wrapping cell breaks inside itself, and the screen breaks lines where the
// paper does.

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "SheetFixtures.h"
#include "report_grid/PageRenderer.h"
#include "report_grid/Printing.h"
#include "sheet_front/modFisaFata.h"
#include "support/PdfText.h"

using namespace report_grid;
using namespace sheet_front;

namespace {

// The cell's rectangle on a page image of `dpi`, shrunk by two pixels so that its lines
// are left out.
QRect CellOnImage(const ReportGrid& g, int row, int col, int dpi) {
  const GridGeometry geo(g);
  const QRectF units = geo.AreaRect(g.AreaOf(row, col));
  const double scale = dpi / kUnitsPerInch;
  const QPointF margin = MarginOffset(g.Page(), dpi, dpi);
  return QRectF(margin + units.topLeft() * scale, units.size() * scale).toRect().adjusted(2, 2, -2, -2);
}

// How many lines of text stand in the rectangle: the runs of pixel rows with ink.
int TextLines(const QImage& image, const QRect& r) {
  int lines = 0;
  bool inLine = false;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    bool ink = false;
    for (int x = r.left(); x <= r.right() && !ink; ++x) ink = qGray(image.pixel(x, y)) < 160;
    if (ink && !inLine) ++lines;
    inLine = ink;
  }
  return lines;
}

}  // namespace

TEST(TextFit, AWordWiderThanItsWrappingCellPrintsWhole) {
  ReportGrid g;
  LayoutFisaFataComplet(g, sheettest::Boxes());
  ASSERT_EQ(g.Cell(21, 2).Text(), "Dimens.\r\nanvelopelor");
  QTemporaryDir dir;
  const QString pdf = dir.filePath("front.pdf");
  PrintGridToPdf(g, pdf);
  const QList<testsupport::PdfPage> pages = testsupport::ReadPdfPages(pdf);
  ASSERT_EQ(pages.size(), 1);
  const testsupport::PdfWord* dimens = pages[0].Find("Dimens.");
  ASSERT_TRUE(dimens);
  // The letters of the word under "Dimens.", in their lines, make the whole word, and
  // every letter lies inside the cell (a letter cut off by the cell's edge would still
  // be in the file, outside it).
  const double mmPerUnit = 25.4 / kUnitsPerInch;
  const GridGeometry geo(g);
  const double cellRight = g.Page().leftMargin * 10 + geo.AreaRect(g.AreaOf(21, 2)).right() * mmPerUnit;
  QString below;
  for (const testsupport::PdfWord& w : pages[0].words)
    if (w.yMin > dimens->yMin + 0.5 && w.yMin < dimens->yMax + 8 && std::abs(w.xMin - dimens->xMin) < 3) {
      below += w.text;
      EXPECT_LT(w.xMax, cellRight) << w.text.toStdString();
    }
  EXPECT_EQ(below, "anvelopelor");
}

TEST(TextFit, TheScreenBreaksLinesWhereThePaperDoes) {
  ReportGrid g;
  LayoutFisaFataComplet(g, sheettest::Boxes());
  ASSERT_EQ(g.Cell(15, 2).Text(), "Nr. locuri");
  // One line on paper ...
  QTemporaryDir dir;
  const QString pdf = dir.filePath("front.pdf");
  PrintGridToPdf(g, pdf);
  const QList<testsupport::PdfPage> pages = testsupport::ReadPdfPages(pdf);
  ASSERT_EQ(pages.size(), 1);
  const testsupport::PdfWord *nr = pages[0].Find("Nr."), *locuri = pages[0].Find("locuri");
  ASSERT_TRUE(nr && locuri);
  EXPECT_NEAR(nr->yMin, locuri->yMin, 0.2);
  // ... and on the screen's 96 dots an inch, as on a finer page image.
  for (int dpi : {96, 300}) {
    const QImage image = RenderPageImage(g, dpi);
    EXPECT_EQ(TextLines(image, CellOnImage(g, 15, 2, dpi)), 1) << dpi << " dpi";
  }
}
