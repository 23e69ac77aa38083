// The deregistration certificate as laid and filled: size, labels, the reasons block,
// tick boxes left for the clerk, the two frames and the line set on a covered cell.

#include <gtest/gtest.h>

#include "LetterFixtures.h"
#include "grid_documents/modCertifRadiere.h"

using namespace grid_documents;
using lettertest::Boxes;
using lettertest::Edge;
using lettertest::Edges;
using report_grid::CellRect;
using report_grid::kDefaultAlignment;
using report_grid::kLineNone;
using report_grid::kLineThick;
using report_grid::kLineThin;

namespace {

class Certificate : public lettertest::LetterTest {};

TEST_F(Certificate, SizesAndLabels) {
  grid.SetRows(3);
  grid.SetRowHeight(0, 7);
  LayoutCertifRadiere(grid, Boxes());
  EXPECT_EQ(grid.Rows(), 20);
  EXPECT_EQ(grid.Cols(), 22);
  EXPECT_EQ(lettertest::SumOfWidths(grid), 689);
  EXPECT_EQ(lettertest::SumOfHeights(grid) - grid.RowHeight(0), 330);
  EXPECT_EQ(grid.RowHeight(0), 7);  // row 0 keeps its height
  EXPECT_EQ(grid.DefaultFontState().size, 8);

  struct Label {
    int row, col;
    const char* text;
    int lastRow, lastCol, alignment;
  };
  const Label labels[] = {
      {1, 1, "Inspectoratul de Politie al Judetului", 1, 6, 10},
      {2, 17, "Semnatura si stampila", 2, 21, 10},
      {4, 1, "CERTIFICAT DE RADIERE", 4, 21, 10},
      {5, 11, "Numar de identificare", 5, 13, 10},
      {5, 21, "serie", 5, 21, 10},
      {6, 1, "motor", 6, 1, 10},
      {6, 5, "cilindree", 6, 6, 10},
      {6, 10, "numar de velorastulare", 6, 13, 14},
      {8, 15, "a fost radiat din evidentele noastre", 8, 21, 10},
      {10, 1, "Motivul radierii", 14, 3, 10},
      {11, 5, "str.", 11, 5, 10},
      {15, 19, "Furat", 15, 19, 10},
      {18, 1, "Doresc sa pastrez numarul de velorastulare", 18, 7, kDefaultAlignment},
      {18, 9, " DA", 18, 9, kDefaultAlignment},
      {18, 11, " NU", 18, 11, kDefaultAlignment},
      {18, 14, "Semnatura vanzatorului", 18, 17, kDefaultAlignment},
  };
  for (const Label& l : labels) {
    SCOPED_TRACE(l.text);
    EXPECT_EQ(grid.Cell(l.row, l.col).Text(), l.text);
    EXPECT_EQ(grid.AreaOf(l.row, l.col), (CellRect{l.row, l.col, l.lastRow, l.lastCol}));
    EXPECT_TRUE(grid.Cell(l.row, l.col).Locked());
    EXPECT_EQ(grid.Cell(l.row, l.col).Alignment(), l.alignment);
  }
  EXPECT_EQ(grid.FontOf(4, 1).size, 14);
  EXPECT_TRUE(grid.FontOf(4, 1).bold);
  EXPECT_EQ(grid.Cell(18, 18).Alignment(), 10);
  EXPECT_EQ(grid.AreaOf(19, 5), (CellRect{19, 1, 19, 21}));
  EXPECT_TRUE(grid.Cell(19, 1).Locked());
  EXPECT_EQ(grid.AreaOf(13, 19), (CellRect{13, 19, 13, 19}));  // row 13's last entry ends at column 18
  EXPECT_FALSE(grid.Cell(13, 19).Locked());
}

TEST_F(Certificate, TickBoxesFramesAndLines) {
  LayoutCertifRadiere(grid, Boxes::Named());
  using E = std::array<int, 4>;  // left, right, top, bottom
  const std::pair<int, int> ticks[] = {{10, 4}, {12, 4}, {15, 4}, {15, 11}, {15, 18}, {18, 8}, {18, 10}};
  for (auto [row, col] : ticks) {
    EXPECT_EQ(grid.Cell(row, col).CellType(), report_grid::kCellTickBox) << row << ", " << col;
    EXPECT_EQ(grid.Cell(row, col).Text(), "") << row << ", " << col;  // none ticked
    EXPECT_FALSE(grid.Cell(row, col).Locked());
  }
  EXPECT_EQ(Edges(grid, 10, 4), (E{kLineThin, kLineThin, kLineThin, kLineThin}));
  EXPECT_EQ(Edges(grid, 15, 4), (E{kLineThin, kLineThin, kLineThin, kLineThick}));  // on the frame's bottom
  EXPECT_EQ(Edges(grid, 18, 8), (E{kLineThin, kLineThin, kLineThin, kLineThin}));

  // The first frame: rows 1 to 15, with a thin line under the holder and left of the reasons.
  for (int col = 1; col <= 21; ++col) {
    EXPECT_EQ(Edge(grid, 1, col, report_grid::kEdgeTop), kLineThick) << col;
    EXPECT_EQ(Edge(grid, 9, col, report_grid::kEdgeBottom), kLineThin) << col;
    EXPECT_EQ(Edge(grid, 15, col, report_grid::kEdgeBottom), kLineThick) << col;
    EXPECT_EQ(Edge(grid, 17, col, report_grid::kEdgeTop), kLineThick) << col;
    EXPECT_EQ(Edge(grid, 19, col, report_grid::kEdgeBottom), kLineThick) << col;
  }
  for (int row = 1; row <= 15; ++row) {
    EXPECT_EQ(Edge(grid, row, 1, report_grid::kEdgeLeft), kLineThick) << row;
    EXPECT_EQ(Edge(grid, row, 21, report_grid::kEdgeRight), kLineThick) << row;
  }
  for (int row = 10; row <= 14; ++row) EXPECT_EQ(Edge(grid, row, 4, report_grid::kEdgeLeft), kLineThin) << row;
  EXPECT_EQ(Edge(grid, 16, 1, report_grid::kEdgeLeft), kLineNone);  // the gap between the frames
  for (int row = 17; row <= 19; ++row) EXPECT_EQ(Edge(grid, row, 21, report_grid::kEdgeRight), kLineThick) << row;

  // The thin line set on (17, 18), covered by row 17's area, runs under the whole area.
  EXPECT_EQ(grid.AreaOf(17, 18), (CellRect{17, 1, 17, 21}));
  EXPECT_EQ(Edge(grid, 17, 1, report_grid::kEdgeBottom), kLineThin);

  // Entries that no box feeds keep their lines and stay empty, in the layout's font.
  for (auto [row, col] : {std::pair{1, 7}, {3, 2}, {3, 7}, {12, 9}, {12, 15}, {13, 15}, {18, 18}}) {
    EXPECT_EQ(Edge(grid, row, col, report_grid::kEdgeBottom), kLineThin) << row << ", " << col;
    EXPECT_EQ(grid.Cell(row, col).Text(), "") << row << ", " << col;
    EXPECT_EQ(grid.FontOf(row, col).name, lettertest::kLayoutFont) << row << ", " << col;
  }
}

TEST_F(Certificate, FillWritesVehicleHolderAndNewOwner) {
  Boxes boxes = Boxes::Named();
  boxes.Set(u"VanzatorRegCom", "J40/1/2000").Set(u"CumparatorNume", "  Ion  ");
  LayoutCertifRadiere(grid, boxes);
  const std::tuple<int, int, const char*> values[] = {
      {5, 4, "Marca"},           {5, 8, "Tipul"},              {5, 14, "NrIdentificare"},
      {6, 2, "MotorSerie"},      {6, 7, "Cilindree"},          {6, 14, "NrVelorastulare"},
      {7, 2, "VanzatorNume"},    {7, 13, "VanzatorLocalitate"}, {7, 17, "VanzatorStrada"},
      {8, 2, "VanzatorNumar"},   {8, 4, "VanzatorBloc"},       {8, 6, "VanzatorScara"},
      {8, 8, "VanzatorApartament"}, {8, 11, "VanzatorJudet"},  {10, 8, "  Ion  "},
      {10, 16, "CumparatorLocalitate"}, {11, 6, "CumparatorStrada"}, {11, 11, "CumparatorNumar"},
      {11, 13, "CumparatorBloc"}, {11, 15, "CumparatorScara"}, {11, 17, "CumparatorApartament"},
      {11, 20, "CumparatorJudet"},
  };
  for (auto [row, col, text] : values) {
    EXPECT_EQ(grid.Cell(row, col).Text(), text) << row << ", " << col;
    EXPECT_EQ(grid.FontOf(row, col).name, lettertest::kDravName) << row << ", " << col;
    EXPECT_EQ(grid.FontOf(row, col).size, 8) << row << ", " << col;
    EXPECT_FALSE(grid.FontOf(row, col).bold) << row << ", " << col;
  }
  EXPECT_EQ(grid.Cell(10, 4).Text(), "");  // sold: left for the clerk
}

}  // namespace
