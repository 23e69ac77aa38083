// Each letter laid after a larger or a smaller document leaves nothing of it behind,
// and a failing call inside a letter passes to the caller with the grid part-laid.

#include <gtest/gtest.h>

#include "LetterFixtures.h"
#include "grid_documents/modCV.h"
#include "grid_documents/modCVCertifRadiere.h"
#include "grid_documents/modCertifRadiere.h"
#include "grid_documents/modEvidenta.h"
#include "platform/RuntimeError.h"
#include "sheet_front/modFisaFata.h"

using namespace grid_documents;
using lettertest::Boxes;
using report_grid::ReportGrid;

namespace {

using Layout = void (*)(ReportGrid&, const core::CaseBoxes&);

struct Document {
  const char* name;
  Layout layout;
};
const Document kLetters[] = {
    {"contract", LayoutCV},
    {"certificate", LayoutCertifRadiere},
    {"request letter", LayoutEvidenta},
    {"contract and certificate", LayoutCVCertifRadiere},
};

// A sheet of 50 rows and 29 columns with something of everything in every cell: text,
// own font, lines, lock, tick box, no printing, wrap, alignment, merged areas and row
// heights, as a registration sheet printed data-only leaves the grid.
void LaySheet(ReportGrid& g) {
  g.SetRows(50);
  g.SetCols(29);
  for (int r = 1; r < 50; ++r) {
    g.SetRowHeight(r, 5 + r);
    for (int c = 1; c < 29; ++c) {
      report_grid::GridCell cell = g.Cell(r, c);
      cell.SetText(QStringLiteral("%1/%2").arg(r).arg(c));
      cell.Font().SetSize(17);
      cell.SetBorder(report_grid::kEdgeLeft, report_grid::kLineThick);
      cell.SetLocked(true);
      cell.SetPrintable(false);
      cell.SetWrapText(true);
      cell.SetAlignment(15);
      if ((r + c) % 5 == 0) cell.SetCellType(report_grid::kCellTickBox);
    }
    if (r % 3 == 0) g.Range(r, 2, r + (r < 48 ? 1 : 0), 27).Merge();
  }
  g.Range(1, 1, 49, 28).SetBorder(report_grid::kEdgeInner, report_grid::kLineDotted);
}

class Clearing : public lettertest::LetterTest {};

// A cell as new as a grown or cleared one.
bool IsNew(const report_grid::CellState& s) {
  for (const report_grid::EdgeState& e : s.edges)
    if (e.style != report_grid::kLineNone) return false;
  return s.text.isEmpty() && !s.hasFont && s.anchorRow < 0 && s.lastRow < 0 &&
         s.alignment == report_grid::kDefaultAlignment && s.cellType == report_grid::kCellText && !s.locked &&
         !s.wrap && s.printable;
}

TEST_F(Clearing, EachLetterAfterALargerAndASmallerDocumentIsAsOnANewGrid) {
  const Boxes boxes = Boxes::Named();
  for (const Document& d : kLetters) {
    SCOPED_TRACE(d.name);
    ReportGrid fresh;
    d.layout(fresh, boxes);
    const QStringList expected = sheettest::Describe(fresh);

    LaySheet(grid);
    d.layout(grid, boxes);
    EXPECT_EQ(sheettest::FirstDifference(sheettest::Describe(grid), expected), "") << "after the sheet";
    for (const Document& before : kLetters) {
      before.layout(grid, boxes);
      d.layout(grid, boxes);
      EXPECT_EQ(sheettest::FirstDifference(sheettest::Describe(grid), expected), "") << "after " << before.name;
    }
  }
}

TEST_F(Clearing, TheSheetFrontAfterEachLetterIsAsOnANewGrid) {
  const Boxes boxes = Boxes::Named();
  ReportGrid fresh;
  sheet_front::LayoutFisaFataComplet(fresh, boxes);
  const QStringList expected = sheettest::Describe(fresh);
  for (const Document& d : kLetters) {
    d.layout(grid, boxes);
    sheet_front::LayoutFisaFataComplet(grid, boxes);
    EXPECT_EQ(sheettest::FirstDifference(sheettest::Describe(grid), expected), "") << "after the " << d.name;
  }
}

TEST_F(Clearing, TheSheetAfterACertificateIsAsAfterTheSheet) {
  // 50 x 29, then the 20 x 22 certificate, then 50 x 29 again: the rows and columns that
  // the certificate gave up come back new.
  LaySheet(grid);
  LayoutCertifRadiere(grid, Boxes::Named());
  grid.SetRows(50);
  grid.SetCols(29);
  for (int r = 20; r < 50; ++r)
    for (int c = 1; c < 29; ++c) ASSERT_TRUE(IsNew(grid.State(r, c))) << r << ", " << c;
  for (int c = 22; c < 29; ++c) ASSERT_TRUE(IsNew(grid.State(5, c))) << c;
}

// Boxes whose reading fails at one box, as a failing grid or box call would.
class FailingBoxes : public Boxes {
 public:
  QString txtVerso(int index) const override {
    if (index == core::Box("CumparatorNume").index)
      throw platform::RuntimeError(platform::kErrObjectMissing, QStringLiteral("Obiect inexistent"),
                                   QStringLiteral("test"));
    return Boxes::txtVerso(index);
  }
};

TEST_F(Clearing, AFailureInsideALetterPassesToTheCallerWithTheGridPartLaid) {
  for (const Document& d : kLetters) {
    SCOPED_TRACE(d.name);
    ReportGrid g;
    try {
      d.layout(g, FailingBoxes());
      ADD_FAILURE() << "no error";
    } catch (const platform::RuntimeError& e) {
      EXPECT_EQ(e.Number(), platform::kErrObjectMissing);
    }
    EXPECT_FALSE(g.Redraw());  // the caller repaints
    EXPECT_FALSE(g.Cell(1, 1).Text().isEmpty() && g.Cell(2, 1).Text().isEmpty()) << "nothing laid";
  }
}

}  // namespace
