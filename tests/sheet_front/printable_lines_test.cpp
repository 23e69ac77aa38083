// The front read back from the PDF: printed complete, the strokes on the page are the
// lines its cells hold; printed onto pre-printed paper (data cells only), not one line
// comes out, whichever layout laid it, though the complete front's data cells hold lines;
// and its values keep clear of the lines that the pre-printed sheet has.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

#include "report_grid/PageRenderer.h"
#include "report_grid/Printing.h"
#include "sheet_front/modFisaFata.h"
#include "support/PdfLines.h"
#include "support/PdfText.h"
#include "support/PrintedCells.h"
#include "support/SheetFixtures.h"

using namespace report_grid;
using namespace sheet_front;

TEST(PrintableLines, TheStrokesOnThePageAreTheLinesThePrintableCellsHold) {
  using Layout = void (*)(ReportGrid&, const core::CaseBoxes&);
  const std::pair<const char*, Layout> layouts[] = {{"complete", LayoutFisaFataComplet},
                                                    {"data-only", LayoutFisaFata}};
  QTemporaryDir dir;
  for (auto [name, layout] : layouts)
    for (bool complete : {true, false}) {
      SCOPED_TRACE(testing::Message() << name << (complete ? " printed complete" : " printed data-only"));
      ReportGrid g;
      layout(g, sheettest::Boxes::Numbered());
      ASSERT_TRUE(SetPrintFisaFata(g, complete));
      const QString pdf = dir.filePath(QStringLiteral("%1-%2.pdf").arg(name).arg(complete));
      PrintGridToPdf(g, pdf);
      const QList<QList<testsupport::PdfStroke>> pages = testsupport::ReadPdfStrokes(pdf);
      ASSERT_EQ(pages.size(), 1);
      const QList<testsupport::HeldLine> held = testsupport::LinesHeldByPrintableCells(g);
      testsupport::ExpectStrokesAreHeldLines(pages[0], held);
      if (complete) {
        EXPECT_GT(pages[0].size(), 30);  // the whole sheet's frames and lines
        continue;
      }
      // Onto the pre-printed sheet: its texts only. The complete front's data cells hold
      // lines of their own (the inner lines of box A run along them), and none comes out;
      // the data-only front's hold none, not even the one set on (17, 9) inside the
      // engine-type value area.
      EXPECT_TRUE(held.isEmpty());
      EXPECT_TRUE(pages[0].isEmpty()) << pages[0].size() << " strokes";
      EXPECT_EQ(testsupport::AnyHoldsALine(g, kFisaFataDataCells), layout == LayoutFisaFataComplet);
      EXPECT_TRUE(testsupport::ReadPdfPages(pdf).value(0).Find(g.Cell(4, 4).Text()));
    }
}

// The pre-printed front has the complete front's lines, along the rows of the data-only
// layout. Its engine line is arranged otherwise: the engine type's area reaches over the
// column where the complete front's "Serie" begins, and a long engine type printed
// data-only must end before that line instead of running over it. The sheet's lines are
// read back from the complete front's own print.
TEST(PrintableLines, OntoThePreprintedSheetAValueKeepsClearOfTheSheetsLines) {
  QFont fisa(QStringLiteral("Arial"));
  fisa.setPointSizeF(9);
  fisa.setBold(true);
  const sheettest::SheetFont font(fisa);
  sheettest::Boxes boxes;
  boxes.camp[21] = QStringLiteral("OM 651 DE 22 LA");  // the engine type, in (17, 4)
  QTemporaryDir dir;
  ReportGrid complete;
  LayoutFisaFataComplet(complete, boxes);
  ASSERT_TRUE(SetPrintFisaFata(complete, true));
  const QString blank = dir.filePath(QStringLiteral("complete.pdf"));
  PrintGridToPdf(complete, blank);
  const QList<QList<testsupport::PdfStroke>> sheet = testsupport::ReadPdfStrokes(blank);
  ASSERT_EQ(sheet.size(), 1);
  // The upright line at the left edge of "Serie" (17, 9) on the complete front.
  const QRectF serie = testsupport::AreaOnPage(complete, 17, 9);
  const double serieX = serie.left();
  double width = -1;
  for (const testsupport::PdfStroke& s : sheet[0])
    if (s.Vertical() && std::abs(s.from.x() - serieX) < 0.15 &&
        std::min(s.from.y(), s.to.y()) <= serie.top() + 0.15 && std::max(s.from.y(), s.to.y()) >= serie.bottom() - 0.15)
      width = s.widthMm;
  ASSERT_GT(width, 0) << "the complete front has no line before \"Serie\"";

  ReportGrid onSheet;
  LayoutFisaFata(onSheet, boxes);
  ASSERT_TRUE(SetPrintFisaFata(onSheet, false));
  EXPECT_EQ(onSheet.SheetLines(), report_grid::LinesOnPaper(complete));
  const QString pdf = dir.filePath(QStringLiteral("data-only.pdf"));
  PrintGridToPdf(onSheet, pdf);
  const testsupport::PdfPage page = testsupport::ReadPdfPages(pdf).value(0);
  const QRectF area = testsupport::AreaOnPage(onSheet, 17, 4);
  ASSERT_GT(area.right(), serieX) << "the engine type's area no longer reaches over the line";
  QString read;
  for (const testsupport::PdfWord& w : page.words) {
    if (!area.contains(QPointF((w.xMin + w.xMax) / 2, (w.yMin + w.yMax) / 2))) continue;
    read += w.text;
    const QRectF ink = testsupport::InkOf(w, QFontOf(onSheet.FontOf(17, 4)));
    EXPECT_LT(ink.right(), serieX - width / 2 - 0.2) << w.text.toStdString() << " lies on the sheet's line";
  }
  EXPECT_EQ(read, QStringLiteral("OM651DE22LA")) << "the value is shown whole";
  // Printed whole onto blank paper, the grid has no sheet under it.
  ASSERT_TRUE(SetPrintFisaFata(onSheet, true));
  EXPECT_TRUE(onSheet.SheetLines().empty());
}
