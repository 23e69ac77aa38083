// The table interpreter: what one row of a cells table does to the grid.

#include <gtest/gtest.h>

#include <cmath>

#include "sheet_front/LayoutTable.h"

using namespace sheet_front;
using report_grid::CellRect;
using report_grid::kEdgeBottom;
using report_grid::kEdgeLeft;
using report_grid::kEdgeRight;
using report_grid::kEdgeTop;
using report_grid::kLineThick;
using report_grid::kLineThin;
using report_grid::ReportGrid;

TEST(LayoutTable, CoordinatesCountedFromTheLastRowAndColumn) {
  ReportGrid g;
  g.SetRows(10);
  g.SetCols(29);
  const Area areas[] = {
      {Merged(1, 9, 2, FromLast(2)), "entry"},  // to column Cols - 3
      {Span(1, FromLast(1), 2, kLast), kNoText, kLocked},
      {Merged(3, 1, 3, kLast)},
  };
  LayAreas(g, areas);
  EXPECT_EQ(g.AreaOf(1, 9), (CellRect{1, 9, 2, 26}));
  EXPECT_EQ(g.AreaOf(3, 5), (CellRect{3, 1, 3, 28}));
  for (int c = 1; c < 29; ++c) EXPECT_EQ(g.State(1, c).locked, c >= 27) << c;
}

TEST(LayoutTable, LocksUnlocksAndLeavesTheLockAlone) {
  ReportGrid g;
  g.SetRows(6);
  g.SetCols(6);
  const Area areas[] = {
      {Span(1, 1, 5, 5), kNoText, kLocked},
      {At(2, 2), kNoText, kUnlocked},
      {At(3, 3), "label", kOpen, 10},  // kOpen sets nothing: the range lock stays
  };
  LayAreas(g, areas);
  EXPECT_FALSE(g.State(2, 2).locked);
  EXPECT_TRUE(g.State(3, 3).locked);
  EXPECT_TRUE(g.State(1, 1).locked);
}

TEST(LayoutTable, FontSizeAboveTheDefaultKeepsItsFraction) {
  for (double size : {7.0, 8.25, 7.123456}) {
    ReportGrid g;
    g.SetRows(3);
    g.SetCols(3);
    g.DefaultFont().SetSize(size);
    const Area areas[] = {{At(1, 1), "1", kOpen, 10, kNoWrap, kDefaultPlus1},
                          {At(1, 2), "B", kOpen, 10, kNoWrap, kDefaultPlus1Bold},
                          {Span(2, 1, 2, 2), kNoText, kOpen, 0, kNoWrap, kDefaultPlus1}};
    LayAreas(g, areas);
    const double want = std::round(size * 10000.0) / 10000.0 + 1;
    EXPECT_DOUBLE_EQ(g.FontOf(1, 1).size, want) << size;
    EXPECT_FALSE(g.State(1, 1).hasFont && g.FontOf(1, 1).bold);
    EXPECT_DOUBLE_EQ(g.FontOf(1, 2).size, want);
    EXPECT_TRUE(g.FontOf(1, 2).bold);
    EXPECT_DOUBLE_EQ(g.FontOf(2, 2).size, want);
  }
}

TEST(LayoutTable, LinesOfARowOnItsCellOrItsRange) {
  ReportGrid g;
  g.SetRows(6);
  g.SetCols(6);
  const Area areas[] = {
      {At(1, 1), "1", kOpen, 0, kNoWrap, {}, Lines2(kEdgeRight, kEdgeBottom, kLineThin)},
      {At(2, 2), kNoText, kOpen, 0, kNoWrap, {}, Line(kEdgeBottom, report_grid::kLineDotted)},
      {Merged(2, 2, 2, 4)},  // a line set before the merge runs under the whole area
      {Span(4, 1, 4, 5), kNoText, kOpen, 0, kNoWrap, {}, Line(kEdgeTop, kLineThick)},
  };
  LayAreas(g, areas);
  EXPECT_EQ(g.EffectiveEdge(1, 1, kEdgeRight).style, kLineThin);
  EXPECT_EQ(g.EffectiveEdge(1, 1, kEdgeBottom).style, kLineThin);
  EXPECT_EQ(g.EffectiveEdge(1, 1, kEdgeLeft).style, 0);
  EXPECT_EQ(g.EffectiveEdge(2, 2, kEdgeBottom).style, report_grid::kLineDotted);
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(g.EffectiveEdge(4, c, kEdgeTop).style, kLineThick) << c;
}
