// The front printed onto pre-printed paper (data cells only), read back from the PDF: the
// strokes on the page are the lines its 45 data cells hold, and none that only a label
// or another cell holds; the front laid for pre-printed paper puts out no line at all.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "report_grid/Printing.h"
#include "sheet_front/modFisaFata.h"
#include "support/PdfLines.h"
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
      if (layout == LayoutFisaFata) {
        // For pre-printed paper the data cells hold no line: not even the one set on
        // (17, 9) inside the engine-type value area comes out.
        EXPECT_TRUE(held.isEmpty());
        EXPECT_TRUE(pages[0].isEmpty()) << pages[0].size() << " strokes";
        continue;
      }
      EXPECT_FALSE(held.isEmpty());  // the complete front's data cells hold lines of their own
      for (const testsupport::HeldLine& line : held) {
        const bool dataCell = std::any_of(kFisaFataDataCells.begin(), kFisaFataDataCells.end(),
                                          [&](const DataCell& d) { return d.row == line.row && d.col == line.col; });
        EXPECT_TRUE(dataCell) << "a line of (" << line.row << ", " << line.col << ")";
      }
    }
}
