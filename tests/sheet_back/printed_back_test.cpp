// The sheet back on paper, read back from the PDF: what data-only printing puts on the
// pre-printed sheet, and long values that show their start.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "report_grid/Printing.h"
#include "sheet_back/modFisaVerso.h"
#include "support/PdfLines.h"
#include "support/PdfText.h"
#include "support/PrintedCells.h"
#include "support/SheetFixtures.h"

using namespace sheet_back;
using report_grid::ReportGrid;
using sheettest::Boxes;

namespace {

using Layout = void (*)(ReportGrid&, const core::CaseBoxes&);
const std::pair<const char*, Layout> kLayouts[] = {{"complete", LayoutFisaVersoComplet},
                                                   {"data-only", LayoutFisaVerso}};

Boxes EveryBoxFilled() {
  Boxes boxes;
  for (int i = 0; i < 40; ++i) boxes.verso[i] = QStringLiteral("V%1").arg(i);
  return boxes;
}

}  // namespace

// Printed complete, the back puts out every line it holds; printed data-only, its texts
// only, whichever layout laid it: no frame, ruled line or fill-in line comes out beside a
// value, though on the complete back the frames and ruled lines run along the value areas.
TEST(PrintedBack, TheStrokesOnThePageAreTheLinesThePrintableAreasHold) {
  QTemporaryDir dir;
  for (auto [name, layout] : kLayouts)
    for (bool complete : {true, false}) {
      SCOPED_TRACE(testing::Message() << name << (complete ? " printed complete" : " printed data-only"));
      ReportGrid g;
      layout(g, EveryBoxFilled());
      ASSERT_TRUE(SetPrintFisaVerso(g, complete));
      const QString pdf = dir.filePath(QStringLiteral("%1-%2.pdf").arg(name).arg(complete));
      report_grid::PrintGridToPdf(g, pdf);
      const QList<QList<testsupport::PdfStroke>> pages = testsupport::ReadPdfStrokes(pdf);
      ASSERT_EQ(pages.size(), 1);
      const QList<testsupport::HeldLine> held = testsupport::LinesHeldByPrintableCells(g);
      testsupport::ExpectStrokesAreHeldLines(pages[0], held);
      if (complete) {
        EXPECT_GT(pages[0].size(), 50);  // frames, ruled lines and fill-in lines
        continue;
      }
      EXPECT_TRUE(held.isEmpty());
      EXPECT_TRUE(pages[0].isEmpty()) << pages[0].size() << " strokes";
      EXPECT_EQ(testsupport::AnyHoldsALine(g, kFisaVersoValueCells), layout == LayoutFisaVersoComplet);
      EXPECT_TRUE(testsupport::ReadPdfPages(pdf).value(0).Find(QStringLiteral("V5")));  // the father's name
    }
}

// A long value prints from its first letter: a wrapped text taller than its area is laid
// from the area's top, not centred on it with its first line cut off.
TEST(PrintedBack, LongValuesPrintFromTheirStart) {
  const QString longName = QStringLiteral("Xenofon") + QStringLiteral(" Popescu-Dumitrescu").repeated(11);
  ASSERT_GE(longName.size(), 200);
  struct Case {
    const char* what;
    int box;  // the buyer's or the seller's box
    QString value;
    int row, col;
  } cases[] = {
      {"the holder's name of 200 letters", 1, longName, 4, 5},
      {"the former holder's name of 200 letters", 23, longName, 34, 4},
      {"a six-line address", 12, QStringLiteral("Calea Bucurestilor ").repeated(12), 12, 3},
      {"the former holder's six-line address", 31, QStringLiteral("Calea Bucurestilor ").repeated(14), 40, 3},
  };
  QTemporaryDir dir;
  for (auto [name, layout] : kLayouts) {
    Boxes boxes;
    for (const Case& c : cases) boxes.verso[c.box] = c.value;
    ReportGrid g;
    layout(g, boxes);
    ASSERT_TRUE(SetPrintFisaVerso(g, false));
    const QString pdf = dir.filePath(QStringLiteral("%1.pdf").arg(name));
    report_grid::PrintGridToPdf(g, pdf);
    const QList<testsupport::PdfPage> pages = testsupport::ReadPdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << name << ": " << c.what);
      testsupport::ExpectTextStartsInsideItsArea(pages[0], g, c.row, c.col);
    }
  }
}
