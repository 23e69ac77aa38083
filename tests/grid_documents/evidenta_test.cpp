// The request letter to the records service as laid and filled.

#include <gtest/gtest.h>

#include "LetterFixtures.h"
#include "grid_documents/modEvidenta.h"

using namespace grid_documents;
using lettertest::Boxes;
using lettertest::Edge;
using report_grid::CellRect;
using report_grid::kDefaultAlignment;
using report_grid::kDefaultRowHeight;

namespace {

class Evidenta : public lettertest::LetterTest {};

TEST_F(Evidenta, SizesFlagsAndTheFirmsName) {
  LayoutEvidenta(grid, Boxes());
  EXPECT_EQ(grid.Rows(), 20);
  EXPECT_EQ(lettertest::SumOfWidths(grid), 666);
  EXPECT_EQ(grid.DefaultFontState().size, 11);
  EXPECT_EQ(grid.RowHeight(6), 50);
  EXPECT_EQ(grid.RowHeight(7), 30);
  EXPECT_EQ(grid.RowHeight(8), 55);
  EXPECT_EQ(grid.RowHeight(16), 80);
  EXPECT_EQ(grid.RowHeight(19), kDefaultRowHeight);
  EXPECT_TRUE(grid.Column(1).ColumnFlag());
  for (int c = 2; c <= 21; ++c) EXPECT_FALSE(grid.Column(c).ColumnFlag()) << c;

  // Merged twice from (2, 2): the wider area wins, and the lock on (2, 11) inside it
  // has no effect; the anchor stays open.
  EXPECT_EQ(grid.AreaOf(2, 2), (CellRect{2, 2, 2, 16}));
  EXPECT_EQ(grid.AreaOf(2, 11), (CellRect{2, 2, 2, 16}));
  EXPECT_FALSE(grid.Cell(2, 2).Locked());
  EXPECT_FALSE(grid.ShownState(2, 11).locked);
  EXPECT_EQ(Edge(grid, 2, 2, report_grid::kEdgeBottom), report_grid::kLineThin);
  for (int c = 17; c <= 21; ++c) {
    EXPECT_EQ(grid.AreaOf(2, c), (CellRect{2, c, 2, c}));
    EXPECT_FALSE(grid.Cell(2, c).Locked());
  }
}

TEST_F(Evidenta, LabelsFontsAndDate) {
  LayoutEvidenta(grid, Boxes());
  struct Label {
    int row, col;
    QString text;
    bool locked;
    int alignment;
    double size;
  };
  const Label labels[] = {
      {2, 1, "S.C.", true, kDefaultAlignment, 11},
      {6, 4, "Catre,", true, 11, 13},
      {7, 3, "Serviciul de Evidenta Informatizata a Persoanei - Vuda", true, 11, 13},  // by the row's lock
      {8, 2, "Prin prezenta, va rugam sa ne inscrieti in circulatie autovehiculul, marca", true, 7, 11},
      {11, 1, "nevelorastulat.", true, kDefaultAlignment, 11},
      {17, 2, "Rovi-Dedevi", false, kDefaultAlignment, 11},
      {17, 19, "Administrator", true, kDefaultAlignment, 11},
      {18, 4, lettertest::kLayDayText, false, kDefaultAlignment, 11},
  };
  for (const Label& l : labels) {
    SCOPED_TRACE(l.text.toStdString());
    EXPECT_EQ(grid.Cell(l.row, l.col).Text(), l.text);
    EXPECT_EQ(grid.Cell(l.row, l.col).Locked(), l.locked);
    EXPECT_EQ(grid.Cell(l.row, l.col).Alignment(), l.alignment);
    EXPECT_EQ(grid.FontOf(l.row, l.col).size, l.size);
    EXPECT_EQ(grid.FontOf(l.row, l.col).bold, l.size == 13);
    EXPECT_EQ(grid.FontOf(l.row, l.col).name, lettertest::kLayoutFont);
  }
  EXPECT_EQ(grid.AreaOf(18, 4), (CellRect{18, 4, 18, 6}));
}

TEST_F(Evidenta, FillTakesTheBuyerAsTheFirmAndLeavesTheDelegateToTheClerk) {
  Boxes boxes = Boxes::Named();
  boxes.Set(u"CumparatorRegCom", " J40/9 ");
  LayoutEvidenta(grid, boxes);
  const std::tuple<int, int, const char*> values[] = {
      {2, 2, "CumparatorNume"},   {3, 4, " J40/9 "},     {4, 4, "CumparatorCodFiscal"}, {8, 18, "Marca"},
      {9, 2, "Tipul"},            {9, 11, "AnFabricatie"}, {9, 17, "NrIdentificare,"},   {10, 4, "MotorSerie"},
      {10, 14, "Cilindree"},      {10, 19, "Culoarea"},  {12, 17, "CumparatorLocalitate"}, {13, 2, "CumparatorStrada"},
      {13, 9, "CumparatorNumar"}, {13, 12, "CumparatorApartament"}, {13, 16, "CumparatorJudet"},
      {14, 13, ""},               {15, 7, ""},           {15, 9, ""},                   {15, 18, ""},
  };
  for (auto [row, col, text] : values) {
    EXPECT_EQ(grid.Cell(row, col).Text(), text) << row << ", " << col;
    EXPECT_EQ(grid.FontOf(row, col).name, lettertest::kDravName) << row << ", " << col;
    EXPECT_EQ(grid.FontOf(row, col).size, 11) << row << ", " << col;
    EXPECT_FALSE(grid.FontOf(row, col).bold) << row << ", " << col;
  }
  EXPECT_EQ(grid.FontOf(17, 2).name, lettertest::kLayoutFont);  // the place and the date keep the layout's font
  EXPECT_EQ(grid.FontOf(18, 4).name, lettertest::kLayoutFont);

  LayoutEvidenta(grid, Boxes());
  EXPECT_EQ(grid.Cell(9, 17).Text(), ",");  // an empty identification number leaves the comma alone
}

}  // namespace
