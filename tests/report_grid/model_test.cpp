// The cell model: new cells, merges, lines on merged areas, fonts, errors.

#include <gtest/gtest.h>

#include <functional>

#include "platform/RuntimeError.h"
#include "report_grid/PageRenderer.h"
#include "report_grid/ReportGrid.h"

using namespace report_grid;

namespace {

// Every property of a new cell, as the model reports it.
void ExpectNewCell(ReportGrid& g, int r, int c) {
  SCOPED_TRACE(testing::Message() << "cell (" << r << ", " << c << ")");
  GridCell cell = g.Cell(r, c);
  EXPECT_EQ(cell.Text(), QString());
  EXPECT_EQ(g.AreaOf(r, c), (CellRect{r, c, r, c}));
  for (int e = 0; e < 4; ++e) EXPECT_EQ(cell.Border(e), kLineNone) << "edge " << e;
  EXPECT_FALSE(g.State(r, c).hasFont);
  EXPECT_EQ(cell.Font().Size(), g.DefaultFont().Size());
  EXPECT_EQ(cell.Alignment(), kDefaultAlignment);
  EXPECT_FALSE(cell.WrapText());
  EXPECT_FALSE(cell.Locked());
  EXPECT_TRUE(cell.Printable());
  EXPECT_TRUE(g.State(r, c).linesPrintable);
  EXPECT_EQ(cell.CellType(), kCellText);
}

// Gives a cell something of every kind that a layout sets.
void Dirty(ReportGrid& g, int r, int c) {
  GridCell cell = g.Cell(r, c);
  cell.SetText("x");
  for (int e = 0; e < 4; ++e) cell.SetBorder(e, kLineThick);
  cell.Font().SetBold(true);
  cell.SetAlignment(15);
  cell.SetWrapText(true);
  cell.SetLocked(true);
  cell.SetPrintable(false);
  g.Range(r, c, r, c).SetLinesPrintable(false);
  cell.SetCellType(kCellTickBox);
}

int ErrorNumber(const std::function<void()>& f) {
  try {
    f();
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.Source(), "Velorast.Grila");
    EXPECT_FALSE(e.Description().isEmpty());
    return e.Number();
  }
  return 0;
}

}  // namespace

TEST(ReportGridModel, StartsAsDesigned) {
  ReportGrid g;
  EXPECT_EQ(g.Rows(), 2);
  EXPECT_EQ(g.Cols(), 2);
  EXPECT_DOUBLE_EQ(g.DefaultFont().Size(), 8.25);
  EXPECT_TRUE(g.Redraw());
  EXPECT_EQ(g.RowHeight(1), kDefaultRowHeight);
  EXPECT_LE(kDefaultRowHeight, 16);
}

TEST(ReportGridModel, GrownAndClearedCellsAreNewCells) {
  ReportGrid g;
  Dirty(g, 1, 1);
  g.SetRows(5);
  g.SetCols(4);
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 4; ++c)
      if (r >= 2 || c >= 2) ExpectNewCell(g, r, c);
  EXPECT_EQ(g.RowHeight(4), kDefaultRowHeight);
  EXPECT_EQ(g.Column(3).Width(), kDefaultColumnWidth);
  EXPECT_EQ(g.Cell(1, 1).Text(), "x");  // kept where the grid already was

  // A shrink and a regrowth do not bring back what the dropped cells held.
  Dirty(g, 4, 3);
  g.SetRows(3);
  g.SetRows(5);
  ExpectNewCell(g, 4, 3);

  for (int r = 1; r < 5; ++r)
    for (int c = 1; c < 4; ++c) Dirty(g, r, c);
  g.Range(1, 1, 2, 3).Merge();
  g.SetRowHeight(1, 40);
  g.SetRowHeight(3, 0);
  g.SetRowHeight(4, 7);
  g.Range(1, 1, 3, 3).ClearAll();
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 3; ++c) ExpectNewCell(g, r, c);
  EXPECT_EQ(g.RowHeight(1), kDefaultRowHeight);
  EXPECT_EQ(g.RowHeight(3), kDefaultRowHeight);
  EXPECT_EQ(g.RowHeight(4), 7);          // outside the cleared rows
  EXPECT_EQ(g.Cell(4, 1).Text(), "x");   // outside the cleared rectangle
}

TEST(ReportGridModel, ClearTextLeavesFormatsAndMerges) {
  ReportGrid g;
  g.SetRows(4);
  g.SetCols(4);
  g.Cell(1, 1).SetText("a");
  g.Cell(1, 1).SetLocked(true);
  g.Cell(2, 2).SetText("b");
  g.Range(1, 1, 1, 3).Merge();
  g.Range(1, 1, 3, 3).ClearText();
  EXPECT_EQ(g.Cell(1, 1).Text(), "");
  EXPECT_EQ(g.Cell(2, 2).Text(), "");
  EXPECT_TRUE(g.Cell(1, 1).Locked());
  EXPECT_EQ(g.AreaOf(1, 3), (CellRect{1, 1, 1, 3}));
}

TEST(ReportGridModel, MergeReplacesTheAreasItContainsOrOverlaps) {
  struct Case {
    const char* name;
    std::vector<CellRect> earlier;
    CellRect merged;
    struct Expect { int row, col; CellRect area; };
    std::vector<Expect> expect;  // a cell and the area it belongs to
  } cases[] = {
      {"two rows joined into one area", {{4, 5, 4, 13}, {5, 5, 5, 13}}, {4, 5, 5, 13},
       {{4, 5, {4, 5, 5, 13}}, {5, 13, {4, 5, 5, 13}}, {5, 4, {5, 4, 5, 4}}}},
      {"an area inside a larger one", {{2, 2, 3, 3}}, {1, 1, 4, 4},
       {{2, 2, {1, 1, 4, 4}}, {4, 4, {1, 1, 4, 4}}}},
      {"a cut-across area is undone whole", {{1, 1, 1, 3}}, {1, 3, 2, 4},
       {{1, 1, {1, 1, 1, 1}}, {1, 2, {1, 2, 1, 2}}, {1, 3, {1, 3, 2, 4}}}},
      {"one cell merges nothing", {{1, 1, 2, 2}}, {2, 2, 2, 2}, {{2, 2, {1, 1, 2, 2}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReportGrid g;
    g.SetRows(8);
    g.SetCols(16);
    for (const CellRect& r : c.earlier) g.Range(r.row1, r.col1, r.row2, r.col2).Merge();
    g.Range(c.merged.row1, c.merged.col1, c.merged.row2, c.merged.col2).Merge();
    for (const auto& e : c.expect) EXPECT_EQ(g.AreaOf(e.row, e.col), e.area) << e.row << ", " << e.col;
  }
}

TEST(ReportGridModel, MergedAreaShowsItsAnchor) {
  ReportGrid g;
  g.SetRows(5);
  g.SetCols(5);
  g.Cell(1, 1).SetText("anchor");
  g.Cell(1, 1).SetAlignment(14);
  g.Cell(1, 1).Font().SetSize(12);
  g.Cell(1, 1).SetWrapText(true);
  g.Cell(2, 2).SetText("covered");
  g.Cell(2, 2).SetAlignment(5);  // kept, but the anchor governs
  g.Cell(2, 2).SetLocked(true);
  g.Range(1, 1, 2, 3).Merge();
  const CellState& shown = g.ShownState(2, 2);
  EXPECT_EQ(shown.text, "anchor");
  EXPECT_EQ(shown.alignment, 14);
  EXPECT_TRUE(shown.wrap);
  EXPECT_FALSE(shown.locked);
  EXPECT_DOUBLE_EQ(g.FontOf(1, 1).size, 12);
  EXPECT_EQ(g.Cell(2, 2).Text(), "covered");  // what the covered cell holds is kept
  EXPECT_EQ(g.Cell(2, 2).Alignment(), 5);
}

TEST(ReportGridModel, FormatsAndLocksSetOnACoveredCellAreKeptWithoutEffect) {
  ReportGrid g;
  g.SetRows(5);
  g.SetCols(5);
  g.Range(1, 1, 2, 3).Merge();
  g.Cell(1, 1).SetText("anchor");
  g.Cell(2, 3).SetAlignment(15);
  g.Cell(2, 3).SetLocked(true);
  g.Cell(2, 3).SetWrapText(true);
  g.Cell(2, 3).SetCellType(kCellTickBox);
  g.Cell(2, 3).Font().SetSize(20);
  g.Cell(2, 3).SetText("1");
  const CellState& shown = g.ShownState(2, 3);
  EXPECT_EQ(&shown, &g.State(1, 1));  // the anchor governs
  EXPECT_EQ(shown.alignment, kDefaultAlignment);
  EXPECT_FALSE(shown.locked);
  EXPECT_FALSE(shown.wrap);
  EXPECT_EQ(shown.cellType, kCellText);
  EXPECT_DOUBLE_EQ(g.FontOf(1, 1).size, g.DefaultFont().Size());
  EXPECT_EQ(g.Cell(2, 3).Alignment(), 15);  // kept
  EXPECT_TRUE(g.Cell(2, 3).Locked());
  EXPECT_DOUBLE_EQ(g.Cell(2, 3).Font().Size(), 20);
}

TEST(ReportGridModel, LinesReachAMergedAreasWholeEdge) {
  // Area (2, 2)-(4, 5) of a 7 x 8 grid; each case sets lines and expects the area's
  // bottom (edge 3) or right (edge 1) line.
  struct Case {
    const char* name;
    std::function<void(ReportGrid&)> before, after;  // before and after the merge
    int edge;
    int style;
  } cases[] = {
      {"anchor's bottom set before the merge", [](ReportGrid& g) { g.Cell(2, 2).SetBorder(3, 1); }, {}, 3, 1},
      {"anchor's bottom set after the merge", {}, [](ReportGrid& g) { g.Cell(2, 2).SetBorder(3, 2); }, 3, 2},
      {"a range's bottom through the middle row", {},
       [](ReportGrid& g) { g.Range(3, 1, 3, 7).SetBorder(3, 2); }, 3, 2},
      {"a range's right edge through a middle column", {},
       [](ReportGrid& g) { g.Range(1, 3, 6, 3).SetBorder(1, 3); }, 1, 3},
      {"a line set on a covered cell runs along the area's edge", {},
       [](ReportGrid& g) { g.Cell(4, 5).SetBorder(3, 2); }, 3, 2},
      {"... and from the last column's covered cells", {},
       [](ReportGrid& g) { g.Cell(3, 5).SetBorder(1, 2); }, 1, 2},
      {"a covered cell's bottom inside the area is not the area's", {},
       [](ReportGrid& g) { g.Cell(3, 4).SetBorder(3, 1); }, 3, 0},
      {"a covered cell's right inside the area is not the area's", {},
       [](ReportGrid& g) { g.Cell(3, 4).SetBorder(1, 1); }, 1, 0},
      {"a cell's own line set before a merge covered it stays its own", [](ReportGrid& g) { g.Cell(4, 5).SetBorder(3, 2); },
       {}, 3, 0},
      {"the later setting wins: range after anchor", {},
       [](ReportGrid& g) { g.Cell(2, 2).SetBorder(3, 1); g.Range(4, 3, 4, 3).SetBorder(3, 2); }, 3, 2},
      {"the later setting wins: anchor after range", {},
       [](ReportGrid& g) { g.Range(4, 3, 4, 3).SetBorder(3, 2); g.Cell(2, 2).SetBorder(3, 1); }, 3, 1},
      {"a later line of style 0 removes it", {},
       [](ReportGrid& g) { g.Cell(2, 2).SetBorder(3, 2); g.Cell(2, 2).SetBorder(3, 0); }, 3, 0},
      {"inner lines stop at the area", {},
       [](ReportGrid& g) { g.Range(1, 1, 6, 7).SetBorder(5, 1); }, 1, 1},
      {"inner lines do not replace a frame on the area's edge", {},
       [](ReportGrid& g) { g.Range(2, 2, 4, 5).SetBorder(1, 2); g.Range(2, 2, 4, 5).SetBorder(5, 1); }, 1, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReportGrid g;
    g.SetRows(7);
    g.SetCols(8);
    if (c.before) c.before(g);
    g.Range(2, 2, 4, 5).Merge();
    if (c.after) c.after(g);
    EXPECT_EQ(g.EffectiveEdge(2, 2, c.edge).style, c.style);
  }
}

TEST(ReportGridModel, InnerLinesDrawEveryBoundaryButThoseInsideAreas) {
  ReportGrid g;
  g.SetRows(5);
  g.SetCols(5);
  g.Range(1, 1, 1, 2).Merge();
  g.Range(1, 1, 3, 3).SetBorder(kEdgeInner, kLineThin);
  EXPECT_EQ(g.EffectiveEdge(1, 1, kEdgeRight).style, kLineThin);   // area's own edge
  EXPECT_EQ(g.EffectiveEdge(1, 1, kEdgeBottom).style, kLineThin);
  EXPECT_EQ(g.EffectiveEdge(2, 2, kEdgeRight).style, kLineThin);
  EXPECT_EQ(g.EffectiveEdge(3, 3, kEdgeRight).style, kLineNone);   // outer edge untouched
  EXPECT_EQ(g.EffectiveEdge(3, 3, kEdgeBottom).style, kLineNone);
  EXPECT_EQ(g.Cell(1, 1).Border(kEdgeRight), kLineThin);  // stored, inside the area: not drawn
  EXPECT_EQ(g.EffectiveEdge(1, 1, kEdgeLeft).style, kLineNone);
}

TEST(ReportGridModel, CellFontStartsAsTheDefaultAndChangesOnePropertyAtATime) {
  ReportGrid g;
  g.SetRows(4);
  g.SetCols(4);
  GridFont def = g.DefaultFont();
  def.SetName("times new roman");
  def.SetSize(7);
  def.SetBold(true);

  g.Cell(1, 1).Font().SetSize(def.Size() + 1);  // copies the default, then the size
  EXPECT_EQ(g.Cell(1, 1).Font().Name(), "times new roman");
  EXPECT_DOUBLE_EQ(g.Cell(1, 1).Font().Size(), 8);
  EXPECT_TRUE(g.Cell(1, 1).Font().Bold());

  def.SetSize(11);
  def.SetName("arial");
  EXPECT_DOUBLE_EQ(g.Cell(1, 1).Font().Size(), 8);            // its own font stays
  EXPECT_EQ(g.Cell(1, 1).Font().Name(), "times new roman");
  EXPECT_DOUBLE_EQ(g.Cell(2, 2).Font().Size(), 11);           // no own font: follows
  EXPECT_EQ(g.Cell(2, 2).Font().Name(), "arial");

  QFont value("Courier New");
  value.setPointSizeF(20);
  value.setBold(false);
  g.Cell(1, 1).SetFont(value);  // a whole font value gives its name only
  EXPECT_EQ(g.Cell(1, 1).Font().Name(), "Courier New");
  EXPECT_DOUBLE_EQ(g.Cell(1, 1).Font().Size(), 8);
  EXPECT_TRUE(g.Cell(1, 1).Font().Bold());

  for (double size : {8.25, 7.1234, 0.5, 72.0}) {
    g.Cell(3, 3).Font().SetSize(size);
    EXPECT_EQ(g.Cell(3, 3).Font().Size(), size);  // exactly what was set
  }
  g.Range(1, 1, 2, 3).SetFontSize(6.5);
  g.Range(1, 1, 2, 3).SetFontBold(false);
  EXPECT_EQ(g.Cell(2, 3).Font().Size(), 6.5);
  EXPECT_FALSE(g.Cell(2, 3).Font().Bold());
  EXPECT_EQ(g.Cell(2, 3).Font().Name(), "arial");  // copied from the default when it was set
}

TEST(ReportGridModel, ItalicAndUnderlineAreTheCellsOwnAndSurviveOtherChanges) {
  ReportGrid g;
  g.SetRows(3);
  g.SetCols(3);
  EXPECT_FALSE(g.Cell(1, 1).Font().Italic());
  EXPECT_FALSE(g.Cell(1, 1).Font().Underline());
  g.Cell(1, 1).Font().SetItalic(true);
  g.Cell(1, 2).Font().SetUnderline(true);
  g.Cell(1, 1).Font().SetName("arial");  // name, size and bold leave them alone
  g.Cell(1, 1).Font().SetSize(9);
  g.Cell(1, 1).Font().SetBold(true);
  g.Range(1, 1, 1, 2).SetFontSize(10);
  EXPECT_TRUE(g.Cell(1, 1).Font().Italic());
  EXPECT_FALSE(g.Cell(1, 1).Font().Underline());
  EXPECT_TRUE(g.Cell(1, 2).Font().Underline());
  EXPECT_FALSE(g.Cell(1, 2).Font().Italic());
  EXPECT_FALSE(g.Cell(2, 2).Font().Italic());  // the default font is untouched

  const QFont drawn = QFontOf(g.FontOf(1, 1));  // what the renderer and the view draw with
  EXPECT_TRUE(drawn.italic());
  EXPECT_TRUE(drawn.bold());
  EXPECT_FALSE(drawn.underline());
  EXPECT_DOUBLE_EQ(drawn.pointSizeF(), 10);
  EXPECT_TRUE(QFontOf(g.FontOf(1, 2)).underline());

  g.Range(1, 1, 1, 2).ClearAll();
  EXPECT_FALSE(g.Cell(1, 1).Font().Italic());
}

TEST(ReportGridModel, TextIsKeptAsGivenLineBreaksIncluded) {
  ReportGrid g;
  const QString text = QStringLiteral("M\r\na\r\n(Kg)  ");
  g.Cell(1, 1).SetText(text);
  EXPECT_EQ(g.Cell(1, 1).Text(), text);
}

TEST(ReportGridModel, RangeSettersReachEveryCellAndAcceptCornersInAnyOrder) {
  ReportGrid g;
  g.SetRows(6);
  g.SetCols(6);
  g.Range(4, 4, 2, 2).SetAlignment(11);
  g.Range(2, 2, 4, 4).SetLocked(true);
  g.Range(2, 2, 4, 4).SetWrapText(true);
  g.Range(2, 2, 4, 4).SetPrintable(false);
  g.Range(4, 4, 2, 2).SetLinesPrintable(false);
  for (int r = 1; r <= 5; ++r)
    for (int c = 1; c <= 5; ++c) {
      const bool inside = r >= 2 && r <= 4 && c >= 2 && c <= 4;
      EXPECT_EQ(g.Cell(r, c).Alignment(), inside ? 11 : kDefaultAlignment);
      EXPECT_EQ(g.Cell(r, c).Locked(), inside);
      EXPECT_EQ(g.Cell(r, c).WrapText(), inside);
      EXPECT_EQ(g.Cell(r, c).Printable(), !inside);
      EXPECT_EQ(g.State(r, c).linesPrintable, !inside);
    }
}

TEST(ReportGridModel, KeptValuesReadBack) {
  ReportGrid g;
  g.SetGridOptionA(false);
  g.SetGridOptionB(true);
  g.SetGridValueB(3);
  g.SetGridValueA(g.GridValueB());
  g.SetGridValueC(255);
  g.Column(1).SetColumnFlag(true);
  GridPageSetup page = g.PageSetup();
  page.SetPaperSize(11);
  page.SetOrientation(1);
  page.SetLeftMargin(-0.5f);
  page.SetTopMargin(1.5f);
  page.SetRightMargin(0.1f);
  page.SetBottomMargin(0.1f);
  page.SetPageOption(12);
  EXPECT_FALSE(g.GridOptionA());
  EXPECT_TRUE(g.GridOptionB());
  EXPECT_EQ(g.GridValueA(), 3);
  EXPECT_EQ(g.GridValueC(), 255);
  EXPECT_TRUE(g.Column(1).ColumnFlag());
  EXPECT_EQ(g.PageSetup().PaperSize(), 11);
  EXPECT_EQ(g.PageSetup().LeftMargin(), -0.5f);
  EXPECT_EQ(g.PageSetup().TopMargin(), 1.5f);
  EXPECT_EQ(g.PageSetup().PageOption(), 12);
}

TEST(ReportGridModel, ArgumentsOutOfRangeRaiseAndChangeNothing) {
  struct Case {
    const char* name;
    std::function<void(ReportGrid&)> call;
    int number;
  } cases[] = {
      {"cell row past the end", [](ReportGrid& g) { g.Cell(5, 1); }, 9},
      {"cell negative column", [](ReportGrid& g) { g.Cell(1, -1); }, 9},
      {"range corner outside", [](ReportGrid& g) { g.Range(1, 1, 5, 5); }, 9},
      {"column outside", [](ReportGrid& g) { g.Column(5); }, 9},
      {"row height of a missing row", [](ReportGrid& g) { g.SetRowHeight(9, 10); }, 9},
      {"negative row height", [](ReportGrid& g) { g.SetRowHeight(1, -1); }, 5},
      {"negative width", [](ReportGrid& g) { g.Column(1).SetWidth(-3); }, 5},
      {"no rows", [](ReportGrid& g) { g.SetRows(0); }, 5},
      {"too many columns", [](ReportGrid& g) { g.SetCols(kMaxCols + 1); }, 5},
      {"alignment 8", [](ReportGrid& g) { g.Cell(1, 1).SetAlignment(8); }, 5},
      {"alignment 16", [](ReportGrid& g) { g.Range(1, 1, 2, 2).SetAlignment(16); }, 5},
      {"cell edge 5", [](ReportGrid& g) { g.Cell(1, 1).SetBorder(5, 1); }, 5},
      {"range edge 4", [](ReportGrid& g) { g.Range(1, 1, 2, 2).SetBorder(4, 1); }, 5},
      {"line style 4", [](ReportGrid& g) { g.Cell(1, 1).SetBorder(0, 4); }, 5},
      {"cell type 1", [](ReportGrid& g) { g.Cell(1, 1).SetCellType(1); }, 5},
      {"font size 0", [](ReportGrid& g) { g.Cell(1, 1).Font().SetSize(0); }, 5},
      {"range font size negative", [](ReportGrid& g) { g.Range(1, 1, 2, 2).SetFontSize(-2); }, 5},
      {"paper 10", [](ReportGrid& g) { g.PageSetup().SetPaperSize(10); }, 5},
      {"orientation 0", [](ReportGrid& g) { g.PageSetup().SetOrientation(0); }, 5},
      {"margin 60 cm", [](ReportGrid& g) { g.PageSetup().SetLeftMargin(60.0f); }, 5},
      {"a cell kept past a shrink", [](ReportGrid& g) {
         GridCell cell = g.Cell(4, 4);
         g.SetRows(3);
         cell.SetText("x");
       }, 9},
      {"a range kept past a shrink", [](ReportGrid& g) {
         GridRange range = g.Range(1, 1, 4, 4);
         g.SetCols(2);
         range.Merge();
       }, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReportGrid g;
    g.SetRows(5);
    g.SetCols(5);
    g.Cell(1, 1).SetAlignment(10);
    const std::uint64_t before = g.Revision();
    EXPECT_EQ(ErrorNumber([&] { c.call(g); }), c.number);
    if (std::string(c.name).find("shrink") == std::string::npos) {
      EXPECT_EQ(g.Revision(), before);
      EXPECT_EQ(g.Cell(1, 1).Alignment(), 10);
      EXPECT_EQ(g.Cell(1, 1).Border(0), 0);
    }
  }
}

TEST(ReportGridModel, ShrinkingCutsMergedAreas) {
  ReportGrid g;
  g.SetRows(6);
  g.SetCols(6);
  g.Range(2, 2, 5, 5).Merge();
  g.Range(1, 4, 1, 5).Merge();
  g.SetRows(4);
  EXPECT_EQ(g.AreaOf(3, 3), (CellRect{2, 2, 3, 5}));
  g.SetCols(5);
  EXPECT_EQ(g.AreaOf(1, 4), (CellRect{1, 4, 1, 4}));  // cut to one cell: no area left
  EXPECT_EQ(g.AreaOf(2, 2), (CellRect{2, 2, 3, 4}));
}
