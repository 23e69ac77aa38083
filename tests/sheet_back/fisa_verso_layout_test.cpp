// The registration sheet back as laid in the grid, checked against the sheet's own
// description: sizes, merged areas, labels, locks, fonts, lines and frames, for the sheet
// for pre-printed paper and the sheet for blank paper, and what an earlier document
// leaves of itself (nothing).

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <set>
#include <tuple>

#include "core/SheetPersonText.h"
#include "sheet_back/modFisaVerso.h"
#include "sheet_front/modFisaFata.h"
#include "support/SheetFixtures.h"

using namespace sheet_back;
using report_grid::CellRect;
using report_grid::kEdgeBottom;
using report_grid::kEdgeLeft;
using report_grid::kEdgeRight;
using report_grid::kEdgeTop;
using report_grid::ReportGrid;
using sheettest::Boxes;
using sheettest::MergedAreas;
using sheettest::RectSet;

namespace {

enum Variant { kComplete, kDataOnly };
const Variant kBoth[] = {kComplete, kDataOnly};
const char* Name(Variant v) { return v == kComplete ? "complete" : "data-only"; }

void Lay(ReportGrid& g, Variant v, const Boxes& boxes = Boxes()) {
  if (v == kComplete)
    LayoutFisaVersoComplet(g, boxes);
  else
    LayoutFisaVerso(g, boxes);
}

// Every merged area of the sheet, the same in both variants.
const RectSet kAreas = {
    {1, 4, 1, 8},     {1, 9, 2, 26},    {2, 3, 2, 8},     {3, 1, 3, 28},
    {4, 2, 4, 4},     {4, 5, 5, 13},    {4, 16, 4, 22},   {4, 23, 4, 27},   {5, 1, 5, 4},   {5, 16, 5, 28},
    {6, 2, 6, 6},     {6, 7, 6, 14},    {6, 16, 6, 21},   {6, 22, 6, 28},
    {7, 1, 7, 6},     {7, 7, 7, 14},    {7, 16, 7, 17},   {7, 18, 7, 28},
    {8, 2, 8, 6},     {8, 7, 8, 14},    {8, 16, 10, 28},  {9, 1, 9, 6},     {9, 7, 9, 14},
    {10, 2, 10, 6},   {10, 7, 11, 14},  {11, 1, 11, 6},   {11, 16, 11, 20}, {11, 21, 11, 28},
    {12, 3, 13, 14},  {12, 16, 12, 25}, {12, 26, 12, 27}, {13, 16, 13, 28},
    {14, 2, 14, 6},   {14, 7, 14, 14},  {14, 16, 14, 28}, {15, 1, 15, 6},   {15, 7, 15, 14}, {15, 16, 15, 28},
    {16, 2, 16, 5},   {16, 6, 16, 14},  {16, 16, 16, 28},
    {18, 1, 18, 11},  {18, 12, 19, 19}, {18, 20, 18, 28}, {19, 1, 19, 11},  {19, 20, 19, 28}, {20, 1, 20, 28},
    {21, 2, 21, 12},  {21, 14, 21, 20}, {21, 21, 22, 28},
    {22, 2, 22, 3},   {22, 4, 22, 12},  {22, 14, 22, 20}, {23, 2, 23, 3},   {23, 4, 23, 12},
    {24, 2, 24, 3},   {24, 4, 24, 12},  {25, 2, 25, 3},   {25, 4, 25, 12},  {26, 2, 26, 3},  {26, 4, 26, 12},
    {27, 2, 27, 3},   {27, 4, 27, 12},  {27, 14, 27, 20}, {28, 2, 28, 5},   {28, 6, 28, 12}, {28, 14, 28, 20},
    {29, 2, 29, 5},   {29, 6, 29, 12},  {31, 1, 31, 28},
    {32, 2, 32, 6},   {32, 7, 33, 13},  {32, 16, 32, 22}, {32, 23, 32, 27},  {33, 1, 33, 6}, {33, 16, 33, 28},
    {34, 2, 34, 3},   {34, 4, 36, 14},  {34, 16, 34, 17}, {34, 18, 34, 28},  {35, 1, 36, 3}, {35, 16, 37, 28},
    {37, 2, 37, 5},   {37, 6, 37, 14},  {38, 2, 38, 6},   {38, 7, 39, 14},   {38, 16, 38, 28},
    {39, 1, 39, 6},   {39, 16, 39, 28}, {40, 3, 42, 14},  {40, 16, 40, 28},  {41, 1, 42, 2}, {41, 16, 42, 28},
    {43, 1, 43, 28},  {44, 1, 44, 7},   {44, 8, 45, 19},  {44, 20, 44, 23},  {44, 24, 44, 28},
    {45, 1, 45, 7},   {45, 20, 45, 28}, {46, 1, 46, 28},  {47, 1, 47, 2},    {47, 3, 48, 28}, {49, 3, 49, 28},
};

// Every text of the layout, at the anchor of its area.
const std::map<std::pair<int, int>, QString> kLabels = {
    {{1, 3}, "1"},   {{1, 4}, "Numarul"},  {{2, 3}, "        de velorastulare"},
    {{4, 1}, "2"},   {{4, 2}, "Detinatorul"}, {{4, 14}, "B"}, {{4, 16}, "Organul financiar"}, {{4, 28}, "C"},
    {{6, 1}, "3"},   {{6, 2}, "Parintii: tata"}, {{6, 16}, "Nr. proces verbal"},
    {{7, 1}, "                  mama"}, {{7, 16}, "Data"},
    {{8, 1}, "4"},   {{8, 2}, "Nascut: la data de"},
    {{8, 16}, "Vehiculul al carei detinator este mentionat la punctul 2 si avand caracteristicile tehnice "
              "prevazute pe verso a fost luat in evidenta:"},
    {{9, 1}, "        in localitatea"},
    {{10, 1}, "5"},  {{10, 2}, "Nr. de velorastulare"}, {{11, 1}, "   la Registrul Comertului"},
    {{11, 16}, "DEFINITIV"},
    {{12, 1}, "6"},  {{12, 2}, "Adresa"}, {{12, 16}, "TEMPORAR pana la data de"}, {{12, 26}, "20"},
    {{14, 1}, "7"},  {{14, 2}, "Profesia de baza"}, {{14, 16}, "Semnatura"},
    {{15, 1}, "       Locul de munca"}, {{15, 16}, "si stampila"},
    {{16, 1}, "8"},  {{16, 2}, "Telefoane: ac."},
    {{18, 1}, "Gradul, numele si semnatura"}, {{18, 20}, "Data velorastularii"},
    {{19, 1}, "lucratorului care a efectuat velorastularea"},
    {{21, 1}, "9"},  {{21, 2}, "Observatii"}, {{21, 14}, "S. CUMPARATOR"}, {{21, 21}, "ASIG."},
    {{22, 2}, "VAMA"}, {{23, 2}, "T.O."}, {{24, 2}, "T.A."}, {{25, 2}, "T.C."}, {{26, 2}, "T.P."},
    {{27, 2}, "V.T.C."}, {{27, 14}, "S. VANZATOR"}, {{28, 2}, "ACT. PROPR."},
    {{29, 2}, QString::fromLatin1(core::kRegistrationTypeCaption)},
    {{32, 1}, "10"}, {{32, 2}, "Numarul de velo-"}, {{32, 14}, "D"}, {{32, 16}, "Organul financiar"},
    {{32, 28}, "E"}, {{33, 1}, "rastulare al vehiculului"},
    {{34, 1}, "11"}, {{34, 2}, "Detinatorul"}, {{34, 16}, "Data"},
    {{35, 16}, "Vehiculul al carei detinator este mentionat la punctul 11 si avand caracteristicile tehnice "
               "prevazute pe verso poate fi instrainat."},
    {{37, 1}, "12"}, {{37, 2}, "Data nasterii"},
    {{38, 1}, "13"}, {{38, 2}, "Numarul de velorastulare"}, {{39, 1}, "la Registrul Comertului"},
    {{39, 16}, "Semnatura"},
    {{40, 1}, "14"}, {{40, 2}, "Adresa"}, {{40, 16}, "si stampila"},
    {{44, 1}, "Gradul, numele si semnatura"}, {{44, 20}, "Data radierii"},
    {{45, 1}, "lucratorului care a efectuat radierea"},
    {{47, 1}, "ATENTIE!"},
    {{47, 3}, "Rubricile din caseta B se completeaza de catre detinator. Rubricile din caseta D se completeaza "
              "de catre fostul detinator. Rubrica 1 si casetele C si E se completeaza numai de catre autoritati"},
    {{49, 3}, "Completarea se face cu masina de scris"},
};

bool IsEntryCell(int row, int col) {
  for (const EntryCell& e : kFisaVersoEntryCells)
    if (e.row == row && e.col == col) return true;
  return false;
}

int Style(const ReportGrid& g, int row, int col, int edge) { return g.EffectiveEdge(row, col, edge).style; }

// A previous document that leaves something in every cell: a text, a font, a merge, a
// line, a lock, no printing.
void LayAContractSizedGrid(ReportGrid& g) {
  g.SetRows(54);
  g.SetCols(22);
  for (int r = 1; r < 54; ++r) {
    g.SetRowHeight(r, 40);
    for (int c = 1; c < 22; ++c) {
      g.Cell(r, c).SetText(QStringLiteral("old %1/%2").arg(r).arg(c));
      g.Cell(r, c).Font().SetSize(14);
      g.Cell(r, c).SetLocked(true);
      g.Cell(r, c).SetPrintable(false);
      g.Cell(r, c).SetBorder(kEdgeBottom, report_grid::kLineThick);
      g.Cell(r, c).SetAlignment(15);
      g.Cell(r, c).SetWrapText(true);
    }
  }
  g.Range(2, 2, 6, 9).Merge();
  g.Range(30, 1, 50, 21).Merge();
}

}  // namespace

TEST(FisaVersoLayout, SizesAndDefaultFont) {
  const int dataOnly[48] = {13, 13, 5,  23, 27, 17, 17, 17, 17, 17, 17, 23, 23, 16, 16, 12,
                            3,  15, 15, 3,  34, 15, 15, 15, 15, 15, 15, 15, 15, 6,  3,  16,
                            15, 17, 17, 19, 15, 17, 17, 21, 22, 22, 3,  15, 15, 3,  20, 0};
  const int complete[48] = {13, 13, 5,  23, 23, 16, 15, 16, 15, 17, 17, 23, 23, 19, 19, 14,
                            3,  15, 15, 3,  34, 15, 15, 15, 15, 15, 15, 15, 15, 6,  3,  16,
                            15, 16, 17, 17, 15, 17, 17, 21, 22, 22, 3,  15, 15, 3,  20, 0};
  EXPECT_EQ(std::accumulate(std::begin(dataOnly), std::end(dataOnly), 0), 726);
  EXPECT_EQ(std::accumulate(std::begin(complete), std::end(complete), 0), 721);
  const int widths[29] = {0, 21, 47, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 19, 20,
                          3, 13, 13, 13, 13, 13, 14, 14, 13, 14, 14, 14, 40, 18};
  for (Variant v : kBoth) {
    SCOPED_TRACE(Name(v));
    ReportGrid g;
    g.SetRowHeight(0, 31);
    Lay(g, v);
    EXPECT_EQ(g.Rows(), 50);
    EXPECT_EQ(g.Cols(), 29);
    EXPECT_EQ(g.DefaultFontState().name, "times new roman");
    EXPECT_EQ(g.DefaultFontState().size, 7);
    EXPECT_TRUE(g.DefaultFontState().bold);
    int sum = 0;
    for (int c = 0; c < 29; ++c) {
      EXPECT_EQ(g.ColumnWidth(c), widths[c]) << c;
      sum += g.ColumnWidth(c);
    }
    EXPECT_EQ(sum, 506);
    for (int r = 1; r <= 48; ++r) EXPECT_EQ(g.RowHeight(r), (v == kComplete ? complete : dataOnly)[r - 1]) << r;
    EXPECT_EQ(g.RowHeight(0), 31);  // rows 0 and 49 get no height of their own
    EXPECT_EQ(g.RowHeight(49), report_grid::kDefaultRowHeight);
    EXPECT_TRUE(g.Redraw());
  }
}

TEST(FisaVersoLayout, MergedAreasAndLabelsOfBothVariants) {
  for (Variant v : kBoth) {
    SCOPED_TRACE(Name(v));
    ReportGrid g;
    Lay(g, v);
    const RectSet areas = MergedAreas(g);
    for (const CellRect& a : kAreas)
      EXPECT_TRUE(areas.count(a)) << "missing " << a.row1 << "," << a.col1 << "-" << a.row2 << "," << a.col2;
    for (const CellRect& a : areas)
      EXPECT_TRUE(kAreas.count(a)) << "extra " << a.row1 << "," << a.col1 << "-" << a.row2 << "," << a.col2;
    // Texts: the labels where the table puts them, the empty fill (rubric 1 never written)
    // nowhere else.
    for (int r = 1; r < 50; ++r)
      for (int c = 1; c < 29; ++c) {
        const auto it = kLabels.find({r, c});
        EXPECT_EQ(g.State(r, c).text, it == kLabels.end() ? QString() : it->second) << r << ", " << c;
      }
    EXPECT_EQ(g.RowHeight(48), 0);  // hidden inside the note
    EXPECT_EQ(g.AreaOf(48, 10), (CellRect{47, 3, 48, 28}));
  }
}

TEST(FisaVersoLayout, AlignmentsFontsAndWraps) {
  for (Variant v : kBoth) {
    SCOPED_TRACE(Name(v));
    ReportGrid g;
    Lay(g, v);
    // The rubric numbers and box letters one point above the default, the letters bold.
    const std::pair<int, int> rubrics[] = {{1, 3},  {4, 1},  {6, 1},  {8, 1},  {10, 1}, {12, 1}, {14, 1},
                                           {16, 1}, {21, 1}, {32, 1}, {34, 1}, {37, 1}, {38, 1}, {40, 1}};
    for (auto [r, c] : rubrics) {
      EXPECT_EQ(g.FontOf(r, c).size, 8) << r << ", " << c;
      EXPECT_TRUE(g.FontOf(r, c).bold);  // the default's
      EXPECT_EQ(g.State(r, c).alignment, 10);
      EXPECT_EQ(Style(g, r, c, kEdgeRight), 1) << r << ", " << c;
      EXPECT_GE(Style(g, r, c, kEdgeBottom), 1) << r << ", " << c;
    }
    for (auto [r, c] : {std::pair{4, 14}, {4, 28}, {32, 14}, {32, 28}}) {
      EXPECT_EQ(g.FontOf(r, c).size, 8);
      EXPECT_TRUE(g.State(r, c).hasFont && g.FontOf(r, c).bold);
      EXPECT_EQ(g.State(r, c).alignment, 10);
      EXPECT_EQ(Style(g, r, c, kEdgeLeft), 1);
      EXPECT_EQ(Style(g, r, c, kEdgeBottom), 1);
    }
    for (auto [r, c] : {std::pair{47, 1}, {47, 3}, {49, 3}}) {
      EXPECT_EQ(g.FontOf(r, c).size, 6);
      EXPECT_EQ(g.State(r, c).alignment, 5);
    }
    const struct { int row, col, alignment; } aligned[] = {
        {1, 5, 10},  {12, 16, 7}, {12, 26, 15}, {18, 20, 5}, {21, 14, 11}, {21, 21, 10},
        {1, 4, report_grid::kDefaultAlignment},    // the alignment went to the covered (1, 5)
        {27, 14, report_grid::kDefaultAlignment},  // "S. VANZATOR"
        {44, 20, report_grid::kDefaultAlignment},  // "Data radierii"
    };
    for (const auto& a : aligned) EXPECT_EQ(g.State(a.row, a.col).alignment, a.alignment) << a.row << ", " << a.col;
    for (auto [r, c] : {std::pair{4, 5}, {8, 16}, {12, 3}, {34, 4}, {35, 16}, {40, 3}, {47, 3}})
      EXPECT_TRUE(g.State(r, c).wrap) << r << ", " << c;
    EXPECT_TRUE(g.State(13, 14).wrap);  // the wrap of rubric 6 went on its whole range
    EXPECT_FALSE(g.State(49, 3).wrap);
  }
}

TEST(FisaVersoLayout, OnlyTheEntryCellsStayOpen) {
  for (Variant v : kBoth) {
    SCOPED_TRACE(Name(v));
    ReportGrid g;
    Lay(g, v);
    int open = 0;
    for (int r = 1; r < 50; ++r)
      for (int c = 1; c < 29; ++c) {
        const CellRect area = g.AreaOf(r, c);
        const bool locked = g.ShownState(r, c).locked;
        if (r <= 3) {
          // Rubric 1's entry area is the authority's: the layout leaves it as the clearing did.
          EXPECT_EQ(locked, area != (CellRect{1, 9, 2, 26})) << r << ", " << c;
          continue;
        }
        EXPECT_EQ(locked, !IsEntryCell(area.row1, area.col1)) << r << ", " << c;
        if (area.row1 == r && area.col1 == c) open += !locked;
      }
    EXPECT_EQ(open, 27);
    // The 27 entry cells: the fifteen value cells and twelve for the clerk.
    for (const ValueCell& cell : kFisaVersoValueCells) EXPECT_TRUE(IsEntryCell(cell.row, cell.col));
  }
}

TEST(FisaVersoLayout, FillInAndAuthorityLines) {
  for (Variant v : kBoth) {
    SCOPED_TRACE(Name(v));
    ReportGrid g;
    Lay(g, v);
    for (int r = 22; r <= 27; ++r) EXPECT_EQ(Style(g, r, 4, kEdgeBottom), 1) << r;
    for (auto [r, c] : {std::pair{28, 6}, {29, 6}, {22, 14}, {28, 14}}) EXPECT_EQ(Style(g, r, c, kEdgeBottom), 1);
    for (auto [r, c] : {std::pair{6, 22}, {7, 18}, {12, 26}, {12, 28}, {34, 18}})
      EXPECT_EQ(Style(g, r, c, kEdgeBottom), report_grid::kLineDotted) << r << ", " << c;
    for (auto [r, c] : {std::pair{18, 20}, {19, 20}, {44, 20}, {45, 20}}) EXPECT_EQ(Style(g, r, c, kEdgeLeft), 1);
    // The empty place after "Data radierii" has no line of its own.
    EXPECT_EQ(Style(g, 44, 24, kEdgeLeft), 0);
  }
}

TEST(FisaVersoLayout, FramesCloseAroundTheMergedAreasTheyMeet) {
  struct Frame {
    CellRect rect;   // as drawn on paper
    bool complete;   // the sheet for blank paper only
  };
  const Frame frames[] = {
      {{1, 3, 2, 26}, false},   {{4, 1, 16, 14}, true},   {{4, 16, 16, 28}, false}, {{18, 1, 19, 28}, false},
      {{21, 1, 30, 28}, false}, {{32, 1, 42, 14}, true},  {{32, 16, 42, 28}, false}, {{44, 1, 45, 28}, false},
  };
  for (Variant v : kBoth) {
    SCOPED_TRACE(Name(v));
    ReportGrid g;
    Lay(g, v);
    for (const Frame& f : frames) {
      // Without its frame an edge may still carry a thin line of its own, never a thick one.
      auto frameLine = [](int style) { return style == 2 ? 2 : 0; };
      const int want = v == kComplete || !f.complete ? 2 : 0;
      SCOPED_TRACE(testing::Message() << f.rect.row1 << "," << f.rect.col1 << "-" << f.rect.row2 << "," << f.rect.col2);
      for (int c = f.rect.col1; c <= f.rect.col2; ++c) {
        const CellRect top = g.AreaOf(f.rect.row1, c), bottom = g.AreaOf(f.rect.row2, c);
        if (top.row1 == f.rect.row1) {
          EXPECT_EQ(frameLine(Style(g, top.row1, top.col1, kEdgeTop)), want) << c;
        }
        if (bottom.row2 == f.rect.row2) {
          EXPECT_EQ(frameLine(Style(g, bottom.row1, bottom.col1, kEdgeBottom)), want) << c;
        }
        // An area that reaches past the frame's bottom would leave it open.
        EXPECT_LE(bottom.row2, f.rect.row2) << c;
      }
      for (int r = f.rect.row1; r <= f.rect.row2; ++r) {
        const CellRect left = g.AreaOf(r, f.rect.col1), right = g.AreaOf(r, f.rect.col2);
        EXPECT_EQ(frameLine(Style(g, left.row1, left.col1, kEdgeLeft)), want) << r;
        EXPECT_EQ(right.col2, f.rect.col2) << r;
        EXPECT_EQ(frameLine(Style(g, right.row1, right.col1, kEdgeRight)), want) << r;
      }
    }
    // Rubric 1's frame ends at column 26, past which nothing is framed.
    EXPECT_EQ(Style(g, 1, 27, kEdgeTop), 0);
    // Boxes B and D: the rubric number's own thin lines, or the frame over them.
    EXPECT_EQ(Style(g, 16, 1, kEdgeBottom), v == kComplete ? 2 : 1);
    EXPECT_EQ(Style(g, 37, 1, kEdgeBottom), 1);
  }
}

TEST(FisaVersoLayout, RuledLinesOfTheSheetForBlankPaper) {
  // Under the last row of each rubric of box B but the last, and of box D but the last.
  const int ruledRows[] = {5, 7, 9, 11, 13, 15, 33, 36, 37, 39};
  for (Variant v : kBoth) {
    SCOPED_TRACE(Name(v));
    ReportGrid g;
    Lay(g, v);
    for (int row : ruledRows)
      for (int c = 1; c <= 14; ++c) {
        const CellRect a = g.AreaOf(row, c);
        ASSERT_EQ(a.row2, row) << row << ", " << c;  // each area crossed ends on the line's row
        const int own = (a.row1 == 37 && a.col1 == 1) ? 1 : 0;  // rubric 12's number has its own
        EXPECT_EQ(Style(g, a.row1, a.col1, kEdgeBottom), v == kComplete ? 1 : own) << row << ", " << c;
      }
  }
}

TEST(FisaVersoLayout, TheVariantsDifferInHeightsRuledLinesAndTwoFramesOnly) {
  ReportGrid complete, dataOnly;
  Lay(complete, kComplete);
  Lay(dataOnly, kDataOnly);
  const QStringList a = sheettest::Describe(complete), b = sheettest::Describe(dataOnly);
  ASSERT_EQ(a.size(), b.size());
  const std::set<int> heightRows = {5, 6, 7, 8, 9, 14, 15, 16, 34, 36};
  for (qsizetype i = 0; i < a.size(); ++i) {
    if (a[i] == b[i]) continue;
    if (a[i].startsWith("height ")) {
      EXPECT_TRUE(heightRows.count(a[i].section(' ', 1, 1).chopped(1).toInt())) << a[i].toStdString();
      continue;
    }
    // A cell line: only its lines differ, and only in boxes B and D.
    ASSERT_TRUE(a[i].startsWith("(")) << a[i].toStdString();
    EXPECT_EQ(a[i].section(" lines", 0, 0), b[i].section(" lines", 0, 0)) << a[i].toStdString();
    const int row = a[i].mid(1).section(',', 0, 0).toInt();
    const int col = a[i].section(", ", 1, 1).section(')', 0, 0).toInt();
    EXPECT_TRUE(col <= 14 && ((row >= 4 && row <= 16) || (row >= 32 && row <= 42))) << a[i].toStdString();
  }
}

TEST(FisaVersoLayout, AnEarlierDocumentLeavesNothingBehind) {
  Boxes boxes;
  boxes.verso[1] = "POPESCU ION";
  boxes.verso[23] = "SC ALFA SRL";
  for (Variant v : kBoth) {
    SCOPED_TRACE(Name(v));
    ReportGrid fresh;
    Lay(fresh, v, boxes);
    const QStringList want = sheettest::Describe(fresh);

    struct Before {
      const char* name;
      void (*lay)(ReportGrid&);
    };
    const Before befores[] = {
        {"the other variant", v == kComplete ? +[](ReportGrid& g) { LayoutFisaVerso(g, Boxes()); }
                                             : +[](ReportGrid& g) { LayoutFisaVersoComplet(g, Boxes()); }},
        {"the same variant, printed data-only",
         v == kComplete ? +[](ReportGrid& g) { LayoutFisaVersoComplet(g, Boxes()); SetPrintFisaVerso(g, false); }
                        : +[](ReportGrid& g) { LayoutFisaVerso(g, Boxes()); SetPrintFisaVerso(g, false); }},
        {"a contract-sized grid", LayAContractSizedGrid},
        {"the front, complete", [](ReportGrid& g) { sheet_front::LayoutFisaFataComplet(g, Boxes::Numbered()); }},
        {"the front, printed data-only",
         [](ReportGrid& g) { sheet_front::LayoutFisaFata(g, Boxes::Numbered()); sheet_front::SetPrintFisaFata(g, false); }},
    };
    for (const Before& before : befores) {
      SCOPED_TRACE(before.name);
      ReportGrid g;
      before.lay(g);
      Lay(g, v, boxes);
      EXPECT_EQ(sheettest::FirstDifference(sheettest::Describe(g), want), QString());
    }
  }
}
