// Contract and certificate on one page: the contract section is the contract laid alone,
// cell for cell; the certificate section is the certificate alone moved down 34 rows
// but for the differences of this page.

#include <gtest/gtest.h>

#include "LetterFixtures.h"
#include "grid_documents/modCV.h"
#include "grid_documents/modCVCertifRadiere.h"
#include "grid_documents/modCertifRadiere.h"

using namespace grid_documents;
using lettertest::Boxes;
using lettertest::Edge;
using report_grid::CellRect;
using report_grid::CellState;
using report_grid::kLineDotted;
using report_grid::kLineNone;
using report_grid::kLineThick;
using report_grid::kLineThin;
using report_grid::ReportGrid;

namespace {

class CombinedPage : public lettertest::LetterTest {
 protected:
  Boxes boxes = [] {
    Boxes b = Boxes::Named();
    b.Set(u"CumparatorRegCom", "J40/1/2000");  // seller a person, buyer a firm
    return b;
  }();
};

// One cell as a document shows it, with its area given relative to the cell's row.
QString CellLine(const ReportGrid& g, int row, int col, int rowShift) {
  const CellState& s = g.State(row, col);
  const report_grid::FontState& f = g.FontOf(row, col);
  const CellRect a = g.AreaOf(row, col);
  QString line = QStringLiteral("(%1, %2) '%3' %4/%5/%6 own %7 area %8,%9-%10,%11 align %12 type %13 locked %14 "
                                "wrap %15")
                     .arg(row - rowShift).arg(col).arg(s.text).arg(f.name).arg(f.size).arg(f.bold).arg(s.hasFont)
                     .arg(a.row1 - rowShift).arg(a.col1).arg(a.row2 - rowShift).arg(a.col2).arg(s.alignment)
                     .arg(s.cellType).arg(s.locked).arg(s.wrap);
  return line;
}

QString Lines(const ReportGrid& g, int row, int col) {
  return QStringLiteral("(%1, %2) lines %3 %4 %5 %6")
      .arg(row).arg(col).arg(Edge(g, row, col, 0)).arg(Edge(g, row, col, 1)).arg(Edge(g, row, col, 2))
      .arg(Edge(g, row, col, 3));
}

TEST_F(CombinedPage, ContractSectionIsTheContractLaidAlone) {
  ReportGrid alone;
  LayoutCV(alone, boxes);
  LayoutCVCertifRadiere(grid, boxes);
  for (int c = 0; c < 22; ++c) EXPECT_EQ(grid.ColumnWidth(c), alone.ColumnWidth(c)) << c;
  for (int r = 0; r <= 31; ++r) EXPECT_EQ(grid.RowHeight(r), alone.RowHeight(r)) << r;
  for (int r = 1; r <= 31; ++r)
    for (int c = 1; c <= 21; ++c) {
      EXPECT_EQ(CellLine(grid, r, c, 0), CellLine(alone, r, c, 0));
      EXPECT_EQ(Lines(grid, r, c), Lines(alone, r, c));
    }
}

// The certificate's cells that this page has otherwise than the certificate alone.
bool DiffersOnThePage(int row, int col) {
  const bool clerkEntry = (row == 12 && (col == 9 || col == 15)) ||
                          (row == 13 && (col == 6 || col == 8 || col == 10 || col == 12 || col == 15));
  return (row == 5 && col == 11) ||                // "numar de identificare"
         (row == 11 && col == 5) ||                // ",str."
         (row >= 10 && row <= 15 && col <= 3) ||   // "Motivul radierii" takes row 15 too
         row == 14 ||                              // the locked strip
         row >= 16 ||                              // the second frame: spacers, "DA", "NU", alignment
         clerkEntry;                               // the change of address in the document font
}

TEST_F(CombinedPage, CertificateSectionIsTheCertificateAloneMovedDown) {
  ReportGrid alone;
  LayoutCertifRadiere(alone, boxes);
  LayoutCVCertifRadiere(grid, boxes);
  for (int r = 1; r <= 19; ++r)
    for (int c = 1; c <= 21; ++c)
      if (!DiffersOnThePage(r, c)) {
        EXPECT_EQ(CellLine(grid, r + 34, c, 34), CellLine(alone, r, c, 0));
      }

  // What differs, as this page has it.
  EXPECT_EQ(grid.Cell(39, 11).Text(), "numar de identificare");
  EXPECT_EQ(grid.Cell(45, 5).Text(), ",str.");
  EXPECT_EQ(grid.Cell(52, 9).Text(), "DA");
  EXPECT_EQ(grid.Cell(52, 11).Text(), "NU");
  EXPECT_EQ(grid.AreaOf(44, 1), (CellRect{44, 1, 49, 3}));
  EXPECT_EQ(grid.AreaOf(48, 10), (CellRect{48, 4, 48, 21}));
  EXPECT_TRUE(grid.Cell(48, 4).Locked());
  EXPECT_EQ(grid.AreaOf(51, 5), (CellRect{51, 5, 51, 5}));  // the gap is no area
  EXPECT_EQ(grid.AreaOf(53, 5), (CellRect{53, 5, 53, 5}));
  EXPECT_FALSE(grid.Cell(53, 5).Locked());
  for (auto [row, col] : {std::pair{46, 9}, {46, 15}, {47, 6}, {47, 8}, {47, 10}, {47, 12}, {47, 15}}) {
    EXPECT_EQ(grid.FontOf(row, col).name, lettertest::kDravName) << row << ", " << col;
    EXPECT_EQ(grid.Cell(row, col).Text(), "") << row << ", " << col;
  }
  // The certificate's tick boxes are left for the clerk.
  for (auto [row, col] : {std::pair{44, 4}, {46, 4}, {49, 4}, {49, 11}, {49, 18}, {52, 8}, {52, 10}}) {
    EXPECT_EQ(grid.Cell(row, col).CellType(), report_grid::kCellTickBox) << row << ", " << col;
    EXPECT_EQ(grid.Cell(row, col).Text(), "") << row << ", " << col;
  }
}

TEST_F(CombinedPage, SeparatorAndTheTwoFramesOfTheCertificate) {
  LayoutCVCertifRadiere(grid, boxes);
  EXPECT_EQ(grid.Rows(), 54);
  EXPECT_EQ(lettertest::SumOfHeights(grid), 994);
  EXPECT_EQ(grid.AreaOf(32, 7), (CellRect{32, 1, 32, 21}));
  EXPECT_TRUE(grid.Cell(32, 1).Locked());
  EXPECT_EQ(Edge(grid, 32, 1, report_grid::kEdgeBottom), kLineDotted);
  EXPECT_EQ(grid.AreaOf(34, 7), (CellRect{34, 1, 34, 21}));
  EXPECT_EQ(Edge(grid, 33, 1, report_grid::kEdgeLeft), kLineNone);  // the gap between the documents

  EXPECT_EQ(Edge(grid, 34, 1, report_grid::kEdgeTop), kLineThick);
  EXPECT_EQ(Edge(grid, 43, 9, report_grid::kEdgeBottom), kLineThin);
  EXPECT_EQ(Edge(grid, 50, 9, report_grid::kEdgeBottom), kLineThick);
  for (int row = 34; row <= 50; ++row) {
    EXPECT_EQ(Edge(grid, row, 1, report_grid::kEdgeLeft), kLineThick) << row;
    EXPECT_EQ(Edge(grid, row, 21, report_grid::kEdgeRight), kLineThick) << row;
  }
  for (int row = 44; row <= 50; ++row) EXPECT_EQ(Edge(grid, row, 4, report_grid::kEdgeLeft), kLineThin) << row;
  EXPECT_EQ(Edge(grid, 51, 1, report_grid::kEdgeLeft), kLineNone);
  EXPECT_EQ(Edge(grid, 52, 8, report_grid::kEdgeTop), kLineThick);  // a tick box on the frame's top
  EXPECT_EQ(Edge(grid, 52, 8, report_grid::kEdgeBottom), kLineThin);
  EXPECT_EQ(Edge(grid, 53, 9, report_grid::kEdgeBottom), kLineThick);
  EXPECT_EQ(Edge(grid, 53, 21, report_grid::kEdgeRight), kLineThick);
  // On this page every cell is centred, the keep-the-number row too.
  EXPECT_EQ(grid.Cell(52, 1).Alignment(), 10);
}

TEST_F(CombinedPage, FillWritesTheSameValuesIntoBothSections) {
  LayoutCVCertifRadiere(grid, boxes);
  EXPECT_EQ(grid.Cell(3, 1).Text(), "1");  // seller a person
  EXPECT_EQ(grid.Cell(3, 5).Text(), "VanzatorNume");
  EXPECT_EQ(grid.Cell(11, 1).Text(), "1");  // buyer a firm
  EXPECT_EQ(grid.Cell(11, 6).Text(), "CumparatorNume");
  EXPECT_EQ(grid.Cell(12, 7).Text(), "J40/1/2000CUI: CumparatorCodFiscal");
  EXPECT_EQ(grid.Cell(29, 5).Text(), "Rovi-Dedevi");
  EXPECT_EQ(grid.Cell(30, 2).Text(), lettertest::kLayDayText);
  EXPECT_EQ(grid.Cell(41, 2).Text(), "VanzatorNume");  // the holder, whatever the kind
  EXPECT_EQ(grid.Cell(44, 8).Text(), "CumparatorNume");
  EXPECT_EQ(grid.Cell(45, 20).Text(), "CumparatorJudet");
  EXPECT_EQ(grid.Cell(39, 14).Text(), "NrIdentificare");
}

}  // namespace
