// The frame every grid document follows: clearing the previous document, setting the grid
// up, whole-grid formats, sizes, the last setting before the fill, and the one repaint.

#include <gtest/gtest.h>

#include "platform/RuntimeError.h"
#include "sheet_front/LayoutSkeleton.h"

using namespace sheet_front;
using report_grid::ReportGrid;

namespace {

// A previous document: every cell with a text, a merge, a line and no printing.
void LayAnything(ReportGrid& g, int rows, int cols) {
  g.SetRows(rows);
  g.SetCols(cols);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      g.Cell(r, c).SetText(QStringLiteral("%1/%2").arg(r).arg(c));
      g.Cell(r, c).SetPrintable(false);
    }
  g.Range(1, 1, 2, 2).Merge();
  g.Cell(1, 1).SetBorder(report_grid::kEdgeTop, report_grid::kLineThick);
  for (int r = 1; r < rows; ++r) g.SetRowHeight(r, 40);
}

}  // namespace

TEST(LayoutSkeleton, ParametersOfTheEightDocuments) {
  struct Row {
    const char* name;
    const LayoutParameters& p;
    int rows, cols;
    double size;
    bool bold;
    Clearing clearing;
    bool copiesValueB;
    int row0;
    BeforeFill last;
  };
  const Row table[] = {
      {"FisaFataComplet", kLayoutFisaFataComplet, 37, 29, 6, false, Clearing::kTextThenAll, false, kKeepRow0,
       BeforeFill::kGridValueC255},
      {"FisaFata", kLayoutFisaFata, 37, 29, 6, false, Clearing::kTextThenAll, false, kKeepRow0,
       BeforeFill::kGridValueC255},
      {"FisaVersoComplet", kLayoutFisaVersoComplet, 50, 29, 7, true, Clearing::kTextThenAll, false, kKeepRow0,
       BeforeFill::kNothing},
      {"FisaVerso", kLayoutFisaVerso, 50, 29, 7, true, Clearing::kTextThenAll, false, kKeepRow0, BeforeFill::kNothing},
      {"Evidenta", kLayoutEvidenta, 20, 22, 11, false, Clearing::kAllOnly, true, kKeepRow0,
       BeforeFill::kColumnFlagOfColumn1},
      {"CV", kLayoutCV, 32, 22, 8, false, Clearing::kAllOnly, true, 2, BeforeFill::kNothing},
      {"CertifRadiere", kLayoutCertifRadiere, 20, 22, 8, false, Clearing::kAllOnly, true, kKeepRow0,
       BeforeFill::kNothing},
      {"CVCertifRadiere", kLayoutCVCertifRadiere, 54, 22, 8, false, Clearing::kAllOnly, true, 2, BeforeFill::kNothing},
  };
  for (const Row& t : table) {
    SCOPED_TRACE(t.name);
    EXPECT_EQ(t.p.rows, t.rows);
    EXPECT_EQ(t.p.cols, t.cols);
    EXPECT_EQ(t.p.fontSize, t.size);
    EXPECT_EQ(t.p.fontBold, t.bold);
    EXPECT_EQ(t.p.clearing, t.clearing);
    EXPECT_EQ(t.p.copyGridValueB, t.copiesValueB);
    EXPECT_EQ(t.p.row0Height, t.row0);
    EXPECT_EQ(t.p.beforeFill, t.last);
  }

  // Whole-grid formats, laid on a grid of each document's size.
  struct Format {
    const LayoutParameters& p;
    int row, col;
    bool bold;
    int alignment;
    double size;
  };
  const Format formats[] = {
      {kLayoutFisaFata, 3, 1, true, 10, 7},    {kLayoutFisaFata, 31, 1, true, 10, 7},
      {kLayoutFisaFata, 3, 15, true, 10, 7},   {kLayoutFisaFata, 28, 15, true, 10, 7},
      {kLayoutFisaFata, 29, 15, false, 6, 6},  {kLayoutFisaFata, 2, 1, false, 6, 6},
      {kLayoutCV, 1, 1, false, 10, 8},         {kLayoutCV, 31, 21, false, 10, 8},
      {kLayoutCertifRadiere, 17, 21, false, 10, 8}, {kLayoutCertifRadiere, 18, 1, false, 6, 8},
      {kLayoutCVCertifRadiere, 53, 21, false, 10, 8}, {kLayoutEvidenta, 5, 5, false, 6, 11},
      {kLayoutFisaVerso, 10, 10, true, 6, 7},
  };
  for (const Format& f : formats) {
    SCOPED_TRACE(testing::Message() << f.p.rows << " rows, cell " << f.row << ", " << f.col);
    ReportGrid g;
    SetupGrid(g, f.p);
    FormatWholeGrid(g, f.p);
    EXPECT_EQ(g.Cell(f.row, f.col).Font().Bold(), f.bold);
    EXPECT_EQ(g.Cell(f.row, f.col).Alignment(), f.alignment);
    EXPECT_EQ(g.Cell(f.row, f.col).Font().Size(), f.size);
  }
}

TEST(LayoutSkeleton, ClearingWipesThePreviousDocumentAtItsOwnSize) {
  {  // the grid as first shown: two rows, nothing is cleared
    ReportGrid g;
    g.Cell(1, 1).SetText("ramane");
    ClearGrid(g, Clearing::kTextThenAll);
    ClearGrid(g, Clearing::kAllOnly);
    EXPECT_EQ(g.Cell(1, 1).Text(), "ramane");
  }
  for (Clearing clearing : {Clearing::kTextThenAll, Clearing::kAllOnly}) {
    ReportGrid g;
    LayAnything(g, 3, 4);  // three rows: the smallest grid that is cleared
    ClearGrid(g, clearing);
    EXPECT_EQ(g.Cell(2, 3).Text(), "");
    EXPECT_TRUE(g.Cell(2, 3).Printable());
    EXPECT_EQ(g.AreaOf(1, 1), (report_grid::CellRect{1, 1, 1, 1}));
    EXPECT_EQ(g.EffectiveEdge(1, 1, report_grid::kEdgeTop).style, report_grid::kLineNone);
    EXPECT_EQ(g.RowHeight(2), report_grid::kDefaultRowHeight);
    EXPECT_EQ(g.Cell(0, 2).Text(), "0/2");  // the fixed row and column are not touched
    EXPECT_EQ(g.Cell(2, 0).Text(), "2/0");
  }
}

TEST(LayoutSkeleton, SetupGivesTheNewSizeAndDefaultsWithRedrawOff) {
  ReportGrid g;
  LayAnything(g, 60, 40);
  for (int c = 0; c < 40; ++c) g.Column(c).SetColumnFlag(true);
  g.SetGridValueB(77);
  SetupGrid(g, kLayoutCV);
  EXPECT_EQ(g.Rows(), 32);
  EXPECT_EQ(g.Cols(), 22);
  EXPECT_FALSE(g.Redraw());
  EXPECT_TRUE(g.Column(0).ColumnFlag());  // the loop starts at column 1
  for (int c = 1; c < 22; ++c) EXPECT_FALSE(g.Column(c).ColumnFlag()) << c;
  EXPECT_EQ(g.DefaultFont().Name(), "times new roman");
  EXPECT_EQ(g.DefaultFont().Size(), 8);
  EXPECT_FALSE(g.DefaultFont().Bold());
  EXPECT_FALSE(g.GridOptionA());
  EXPECT_TRUE(g.GridOptionB());
  EXPECT_EQ(g.GridValueA(), 77);  // the letters copy B into A

  ReportGrid sheet;
  sheet.SetGridValueB(5);
  SetupGrid(sheet, kLayoutFisaVerso);
  EXPECT_EQ(sheet.GridValueA(), 0);  // the sheets do not
  EXPECT_TRUE(sheet.DefaultFont().Bold());
}

TEST(LayoutSkeleton, SizesColumnZeroFirstAndRowZeroOnlyWhereTheDocumentSaysSo) {
  ReportGrid g;
  SetupGrid(g, kLayoutCV);
  std::vector<int> widths(22, 30);
  widths[0] = 0;
  SetColumnWidths(g, widths);
  EXPECT_EQ(g.ColumnWidth(0), 0);
  EXPECT_EQ(g.ColumnWidth(21), 30);
  std::vector<int> heights(31, 20);
  heights[5] = kSizedLater;  // row 6 is sized among the cells
  g.SetRowHeight(6, 44);
  SetRowHeights(g, kLayoutCV, heights);
  EXPECT_EQ(g.RowHeight(0), 2);
  EXPECT_EQ(g.RowHeight(6), 44);
  EXPECT_EQ(g.RowHeight(31), 20);

  ReportGrid front;
  SetupGrid(front, kLayoutFisaFata);
  front.SetRowHeight(0, 9);
  SetRowHeights(front, kLayoutFisaFata, std::vector<int>(36, 16));
  EXPECT_EQ(front.RowHeight(0), 9);  // row 0 keeps the grid's own height

  // A table of the wrong length is a layout's mistake, not a silent partial sizing.
  EXPECT_THROW(SetColumnWidths(g, std::vector<int>(21, 10)), platform::RuntimeError);
  EXPECT_THROW(SetRowHeights(g, kLayoutCV, std::vector<int>(30, 10)), platform::RuntimeError);
}

TEST(LayoutSkeleton, LayDocumentRunsTheStepsInOrderAndRepaintsOnceAtTheEnd) {
  ReportGrid g;
  LayAnything(g, 50, 29);
  int refreshes = 0, changes = 0;
  QObject::connect(&g, &ReportGrid::refreshRequested, [&] { ++refreshes; });
  QObject::connect(&g, &ReportGrid::changed, [&] { ++changes; });
  std::vector<int> widths(22, 30), heights(19, 20);
  QStringList steps;
  int changesWhileLaying = -1;
  LayDocument(g, DocumentLayout{kLayoutEvidenta, widths, heights,
                                [&](ReportGrid& grid) {
                                  steps << "cells";
                                  EXPECT_FALSE(grid.Redraw());
                                  EXPECT_EQ(grid.RowHeight(19), 20);  // sizes come first
                                  EXPECT_FALSE(grid.Column(1).ColumnFlag());
                                  changesWhileLaying = changes;
                                  grid.Cell(1, 1).SetText("x");
                                },
                                [&](ReportGrid& grid) {
                                  steps << "fill";
                                  EXPECT_FALSE(grid.Redraw());
                                  EXPECT_TRUE(grid.Column(1).ColumnFlag());  // the last setting before it
                                }});
  EXPECT_EQ(steps, (QStringList{"cells", "fill"}));
  EXPECT_TRUE(g.Redraw());
  EXPECT_EQ(refreshes, 1);
  EXPECT_EQ(changes, changesWhileLaying + 1);  // no repaint is asked for until the end
  EXPECT_EQ(g.Cell(2, 2).Text(), "");  // the previous document is gone

  // A failing step leaves Redraw off for the caller to deal with.
  EXPECT_THROW(LayDocument(g, DocumentLayout{kLayoutFisaFata, widths, heights, {}, {}}), platform::RuntimeError);
  EXPECT_FALSE(g.Redraw());
}
