// The front read back from the PDF: printed complete, the strokes on the page are the
// lines its cells hold; printed onto pre-printed paper (data cells only), not one line
// comes out, whichever layout laid it, though the complete front's data cells hold lines.

#include <QTemporaryDir>
#include <gtest/gtest.h>

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
