// The registration sheet front as laid in the grid, checked against the sheet's own
// description: sizes, merged areas, labels and their locks, value areas, fonts, frames
// and lines, for the complete sheet and the sheet for pre-printed paper.

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <set>
#include <tuple>

#include "support/SheetFixtures.h"
#include "core/Fonts.h"
#include "sheet_front/modFisaFata.h"

using namespace sheet_front;
using report_grid::CellRect;
using report_grid::ReportGrid;
using sheettest::Boxes;
using sheettest::MergedAreas;
using sheettest::RectSet;

namespace {

enum Variant { kComplete, kDataOnly };
const Variant kBoth[] = {kComplete, kDataOnly};

void Lay(ReportGrid& g, Variant v, const Boxes& boxes = Boxes()) {
  if (v == kComplete)
    LayoutFisaFataComplet(g, boxes);
  else
    LayoutFisaFata(g, boxes);
}

const char* Name(Variant v) { return v == kComplete ? "complete" : "data-only"; }

// The merged areas of the sheet, written row by row as column spans ("from-to"), both
// halves of box A on one line; areas over several rows are listed apart.
const std::map<int, const char*> kSpansByRow = {
    {1, "1-28"},
    {2, "1-28"},
    {3, "1-27"},
    {4, "2-3 4-14 16-28"},
    {5, "2-3 4-14 16-28"},
    {6, "2-3 4-14 16-28"},
    {7, "2-3 4-14 16-28"},
    {8, "2-6 7-14 16-28"},
    {9, "2-4 5-14 16-28"},
    {10, "3-4 5-6 7-11 12-14 17-20 21-28"},
    {11, "3-5 6-7 8-12 13-14 17-21 22-28"},
    {12, "5-6 7-8 9-10 11-14 17-21 22-28"},
    {13, "5-6 7-8 9-10 11-14 17-21 22-28"},
    {14, "3-6 7-8 9-12 13-14 17-21 22-28"},
    {15, "3-4 6-7 9-10 12-13 16-19 20-22 23-25 26-28"},
    {16, "2-4 6-7 9-10 12-14 16-20 21-25 26-28"},
    {17, "4-8 9-10 11-14 17-23 24-28"},  // the pre-printed sheet: "4-9 11-14 17-23 24-28"
    {18, "3-4 5-6 7-10 11-14 17-22 23-28"},
    {19, "3-6 7-14 17-28"},
    {20, "2-6 8-14 16-20 22-28"},
    {21, "3-4 5-14 17-28"},
    {22, "3-4 5-14 17-28"},
    {23, "3-4 5-14 17-28"},
    {24, "3-4 5-14 17-28"},
    {25, "2-4 5-7 8-9 10-12 13-14 16-21 22-28"},
    {26, "2-5 6-8 9-10 11-12 13-14 16-21 22-28"},
    {27, "2-5 6-7 9-12 13-14 16-20 22-28"},
    {28, "2-4 5-14 16-28"},
    {29, "2-12 13-28"},
    {30, "2-9 10-14 15-23 24-28"},
    {31, "2-6 7-28"},
    {32, "1-28"},
    {33, "1-14 15-28"},
    {34, "2-14 15-28"},
    {35, "1-2 3-28"},  // blank paper only
    {36, "3-28"},      // blank paper only
};
const CellRect kTallAreas[] = {
    {10, 1, 14, 1},  {10, 2, 14, 2},  {12, 3, 13, 4},  {10, 15, 14, 15}, {10, 16, 14, 16},
    {17, 1, 19, 1},  {17, 2, 19, 2},  {17, 15, 19, 15}, {17, 16, 19, 16}, {21, 1, 24, 1},
    {21, 2, 24, 2},  {21, 15, 24, 15}, {21, 16, 24, 16},
};

RectSet ExpectedAreas(Variant v) {
  RectSet areas(std::begin(kTallAreas), std::end(kTallAreas));
  for (auto [row, spans] : kSpansByRow) {
    QString text = QString::fromLatin1(spans);
    if (v == kDataOnly && row == 17) text = "4-9 11-14 17-23 24-28";
    if (v == kDataOnly && row >= 35) continue;
    for (const QString& span : text.split(' ')) {
      const QStringList ends = span.split('-');
      areas.insert(CellRect{row, ends[0].toInt(), row, ends[1].toInt()});
    }
  }
  return areas;
}

// Every label and item number, at the first cell of its area.
const std::map<std::pair<int, int>, QString> kLabels = {
    {{1, 1}, "FISA DE VELORASTULARE"},
    {{3, 1}, "DATE DESPRE VEHICUL"},
    {{3, 28}, "A"},
    {{4, 1}, "1"},   {{4, 2}, "Categoria"},
    {{5, 1}, "2"},   {{5, 2}, "Caroseria"},
    {{6, 1}, "3"},   {{6, 2}, "Marca"},
    {{7, 1}, "4"},   {{7, 2}, "Tipul Varianta"},
    {{8, 1}, "5"},   {{8, 2}, "Numarul de omologare/ Anul fabricatiei"},
    {{9, 1}, "6"},   {{9, 2}, "Numarul de identificare"},
    {{10, 1}, "7"},  {{10, 2}, "M\r\na\r\ns\r\ne\r\nl\r\ne\r\n(Kg)"},
    {{10, 3}, "Proprie"},
    {{10, 7}, "Totala max. autorizata"},
    {{11, 3}, "Sarcina utila max. autoriz."},
    {{11, 8}, "Sarcina pe carligul de remorcare"},
    {{12, 3}, "Maxima autorizata pe axe"},
    {{12, 5}, "Fata"},  {{12, 9}, "Mijloc"},
    {{13, 5}, "Spate"}, {{13, 9}, "Pe rola senila"},
    {{14, 3}, "Remorcabila cu disp. de franare"},
    {{14, 9}, "Remorcabila fara disp. de franare"},
    {{15, 1}, "8"},  {{15, 2}, "Nr. locuri"}, {{15, 3}, "total"}, {{15, 6}, "in fata"},
    {{15, 9}, "pe scaune"}, {{15, 12}, "in picioare"},
    {{16, 1}, "9"},  {{16, 2}, "Dimensiunile de gabarit (mm)"}, {{16, 5}, "L"}, {{16, 8}, "I"},
    {{16, 11}, "H"},
    {{17, 1}, "10"}, {{17, 2}, "Motorul"}, {{17, 3}, "Tipul"},  // "Serie": see below
    {{18, 3}, "Cilindree (cm3)"}, {{18, 7}, "Putere max. (Kw) /Turatie (min -1)"},
    {{19, 3}, "Sursa de energie"},
    {{20, 1}, "11"}, {{20, 7}, "12"},
    {{21, 1}, "13"}, {{21, 2}, "Dimens.\r\nanvelopelor"}, {{21, 3}, "Fata"},
    {{22, 3}, "sau"}, {{23, 3}, "Mijloc- spate"}, {{24, 3}, "sau"},
    {{25, 1}, "14"}, {{25, 2}, "Zgomotul (db(A))"}, {{25, 5}, "in mers"}, {{25, 10}, "in stationare"},
    {{26, 1}, "15"}, {{26, 2}, "Presiunea aerului la (bar) cupla de franare"}, {{26, 6}, "cu o conducta"},
    {{26, 11}, "cu doua conducte"},
    {{27, 1}, "16"}, {{27, 2}, "Viteza max. constructiva"}, {{27, 8}, "17"},
    {{27, 9}, "Capacitatea rezervorului (l)"},
    {{28, 1}, "18"}, {{28, 2}, "Culoarea"},
    {{29, 1}, "19"}, {{29, 2}, "Data primei velorastulari/Numarul de velorastulare"},
    {{30, 1}, "20"}, {{30, 2}, "Data la care expira inspectia tehnica"},
    {{30, 15}, "Statia care a efectuat inspectia tehnica"},
    {{31, 1}, "21"}, {{31, 2}, "Nr. cartii de identitate"},
    {{4, 15}, "1"},  {{5, 15}, "2"},  {{6, 15}, "3"},  {{7, 15}, "4"},  {{8, 15}, "5"},  {{9, 15}, "6"},
    {{10, 15}, "7"}, {{15, 15}, "8"}, {{16, 15}, "9"}, {{17, 15}, "10"}, {{20, 15}, "11"}, {{20, 21}, "12"},
    {{21, 15}, "13"}, {{25, 15}, "14"}, {{26, 15}, "15"}, {{27, 15}, "16"}, {{27, 21}, "17"}, {{28, 15}, "18"},
    {{33, 1}, "Modificari ce nu afecteaza performantele si caracteristicile de folosinta ale vehiculului"},
    {{33, 15}, "Modificari ce nu afecteaza performantele si caracteristicile de  folosinta ale vehiculului"},
};
const std::map<std::pair<int, int>, QString> kNoteLabels = {
    {{35, 1}, "ATENTIE!"},
    {{35, 3},
     "Rubricile din caseta A se completeaza de catre detinator (1-19 si 21 dupa cartea de identitate a "
     "vehiculului, 20 dupa anexa la certificatul de velorastulare)."},
    {{36, 3}, "Completarea se face cu masina de scris."},
};

std::map<std::pair<int, int>, QString> ExpectedLabels(Variant v) {
  auto labels = kLabels;
  labels[v == kComplete ? std::pair{17, 9} : std::pair{17, 10}] = "Serie";
  if (v == kComplete) labels.insert(kNoteLabels.begin(), kNoteLabels.end());
  return labels;
}

// The value areas of the 45 data cells.
const std::map<std::pair<int, int>, CellRect> kValueAreas = {
    {{4, 4}, {4, 4, 4, 14}},      {{5, 4}, {5, 4, 5, 14}},      {{6, 4}, {6, 4, 6, 14}},
    {{7, 4}, {7, 4, 7, 14}},      {{8, 7}, {8, 7, 8, 14}},      {{9, 5}, {9, 5, 9, 14}},
    {{10, 5}, {10, 5, 10, 6}},    {{10, 12}, {10, 12, 10, 14}}, {{11, 6}, {11, 6, 11, 7}},
    {{11, 13}, {11, 13, 11, 14}}, {{12, 7}, {12, 7, 12, 8}},    {{12, 11}, {12, 11, 12, 14}},
    {{13, 7}, {13, 7, 13, 8}},    {{13, 11}, {13, 11, 13, 14}}, {{14, 7}, {14, 7, 14, 8}},
    {{14, 13}, {14, 13, 14, 14}}, {{15, 5}, {15, 5, 15, 5}},    {{15, 8}, {15, 8, 15, 8}},
    {{15, 11}, {15, 11, 15, 11}}, {{15, 14}, {15, 14, 15, 14}}, {{16, 6}, {16, 6, 16, 7}},
    {{16, 9}, {16, 9, 16, 10}},   {{16, 12}, {16, 12, 16, 14}}, {{17, 4}, {17, 4, 17, 8}},
    {{17, 11}, {17, 11, 17, 14}}, {{18, 5}, {18, 5, 18, 6}},    {{18, 11}, {18, 11, 18, 14}},
    {{19, 7}, {19, 7, 19, 14}},   {{20, 2}, {20, 2, 20, 6}},    {{20, 8}, {20, 8, 20, 14}},
    {{21, 5}, {21, 5, 21, 14}},   {{22, 5}, {22, 5, 22, 14}},   {{23, 5}, {23, 5, 23, 14}},
    {{24, 5}, {24, 5, 24, 14}},   {{25, 8}, {25, 8, 25, 9}},    {{25, 13}, {25, 13, 25, 14}},
    {{26, 9}, {26, 9, 26, 10}},   {{26, 13}, {26, 13, 26, 14}}, {{27, 6}, {27, 6, 27, 7}},
    {{27, 13}, {27, 13, 27, 14}}, {{28, 5}, {28, 5, 28, 14}},   {{29, 13}, {29, 13, 29, 28}},
    {{30, 10}, {30, 10, 30, 14}}, {{31, 7}, {31, 7, 31, 28}},   {{34, 2}, {34, 2, 34, 14}},
};

int ExpectedValueAlignment(Variant v, int row, int col) {
  if (row == 17 && col == 11) return v == kComplete ? 14 : 10;  // engine serial
  if ((row >= 21 && row <= 24) || row == 29 || row == 31) return 6;  // tyres, first registration, identity card
  if (row == 34) return 5;
  return 10;
}

int Style(const ReportGrid& g, int row, int col, int edge) { return g.EffectiveEdge(row, col, edge).style; }

}  // namespace

TEST(FisaFataLayout, SizesOfBothVariants) {
  const std::vector<int> widths = {0,  19, 33, 19, 19, 19, 19, 19, 19, 19, 19, 20, 19, 19, 18,
                                   15, 19, 19, 19, 17, 17, 17, 15, 15, 15, 15, 15, 15, 15};
  const std::map<int, int> dataOnlyHeights = {{3, 12},  {8, 16},  {10, 17}, {16, 16}, {18, 16}, {20, 17},
                                              {21, 17}, {23, 16}, {25, 17}, {26, 16}, {30, 17}};
  for (Variant v : kBoth) {
    SCOPED_TRACE(Name(v));
    ReportGrid g;
    g.SetRowHeight(0, 5);
    Lay(g, v);
    EXPECT_EQ(g.Rows(), 37);
    EXPECT_EQ(g.Cols(), 29);
    int widthSum = 0, heightSum = 0, boxAHeight = 0;
    for (int c = 0; c < 29; ++c) {
      EXPECT_EQ(g.ColumnWidth(c), widths[c]) << "column " << c;
      widthSum += g.ColumnWidth(c);
    }
    for (int r = 1; r < 37; ++r) {
      heightSum += g.RowHeight(r);
      if (r <= 31) boxAHeight += g.RowHeight(r);
    }
    EXPECT_EQ(widthSum, 508);
    EXPECT_EQ(heightSum, v == kComplete ? 753 : 749);
    EXPECT_EQ(boxAHeight, v == kComplete ? 508 : 504);
    EXPECT_EQ(g.RowHeight(0), 5);  // row 0 keeps the grid's own height
    for (int r : {2, 32}) EXPECT_EQ(g.RowHeight(r), 3);
    EXPECT_EQ(g.RowHeight(34), 189);
    EXPECT_EQ(g.RowHeight(35), 20);
    EXPECT_EQ(g.RowHeight(36), 12);
    for (auto [row, height] : dataOnlyHeights) {
      if (v == kDataOnly) {
        EXPECT_EQ(g.RowHeight(row), height) << "row " << row;
      } else {
        EXPECT_NE(g.RowHeight(row), height) << "row " << row;
      }
    }
    EXPECT_EQ(g.DefaultFont().Name(), "times new roman");
    EXPECT_EQ(g.DefaultFont().Size(), 6);
    EXPECT_FALSE(g.DefaultFont().Bold());
    EXPECT_EQ(g.GridValueC(), 255);
    EXPECT_TRUE(g.Redraw());
  }
}

TEST(FisaFataLayout, MergedAreasOfBothVariants) {
  for (Variant v : kBoth) {
    SCOPED_TRACE(Name(v));
    ReportGrid g;
    Lay(g, v);
    const RectSet laid = MergedAreas(g), expected = ExpectedAreas(v);
    for (const CellRect& a : expected)
      EXPECT_TRUE(laid.count(a)) << "missing (" << a.row1 << ", " << a.col1 << ")-(" << a.row2 << ", " << a.col2 << ")";
    for (const CellRect& a : laid)
      EXPECT_TRUE(expected.count(a)) << "extra (" << a.row1 << ", " << a.col1 << ")-(" << a.row2 << ", " << a.col2
                                     << ")";
  }
}

TEST(FisaFataLayout, LabelsAreLockedAndValueAreasAreOpen) {
  for (Variant v : kBoth) {
    SCOPED_TRACE(Name(v));
    ReportGrid g;
    Lay(g, v);  // empty boxes: only labels carry text
    const auto labels = ExpectedLabels(v);
    for (const auto& [cell, text] : labels) {
      EXPECT_EQ(g.Cell(cell.first, cell.second).Text(), text) << cell.first << ", " << cell.second;
      EXPECT_TRUE(g.Cell(cell.first, cell.second).Locked()) << cell.first << ", " << cell.second;
    }
    // No other area shows a text (but the data cell (8, 7), which holds its three
    // blanks); every locked area is a label, or one of column 15's
    // areas or (36, 1), (36, 2), which are locked as ranges.
    for (int r = 1; r < 37; ++r)
      for (int c = 1; c < 29; ++c) {
        const CellRect a = g.AreaOf(r, c);
        if (a.row1 != r || a.col1 != c) continue;
        const bool label = labels.count({r, c}) > 0;
        if (!label && !kValueAreas.count({r, c})) {
          EXPECT_EQ(g.Cell(r, c).Text(), "") << r << ", " << c;
        }
        const bool rangeLocked = (c == 15 && r >= 4 && r <= 28) || (v == kComplete && r == 36 && c <= 2);
        EXPECT_EQ(g.Cell(r, c).Locked(), label || rangeLocked) << r << ", " << c;
      }
    for (int r = 4; r <= 28; ++r) EXPECT_TRUE(g.State(r, 15).locked) << r;  // the whole column, covered cells too
    EXPECT_EQ(g.Cell(36, 1).Locked(), v == kComplete);
    EXPECT_EQ(g.Cell(36, 2).Locked(), v == kComplete);
  }
}

TEST(FisaFataLayout, ValueAreasOfTheDataCellsAndTheirAlignment) {
  for (Variant v : kBoth) {
    SCOPED_TRACE(Name(v));
    ReportGrid g;
    Lay(g, v);
    ASSERT_EQ(kValueAreas.size(), kFisaFataDataCells.size());
    for (const DataCell& d : kFisaFataDataCells) {
      SCOPED_TRACE(testing::Message() << "data cell " << d.row << ", " << d.col);
      CellRect expected = kValueAreas.at({d.row, d.col});
      if (v == kDataOnly && d.row == 17 && d.col == 4) expected.col2 = 9;
      EXPECT_EQ(g.AreaOf(d.row, d.col), expected);
      EXPECT_FALSE(g.Cell(d.row, d.col).Locked());
      EXPECT_EQ(g.Cell(d.row, d.col).Alignment(), ExpectedValueAlignment(v, d.row, d.col));
    }
    EXPECT_TRUE(g.Cell(34, 2).WrapText());
    EXPECT_TRUE(g.Cell(34, 15).WrapText());
    EXPECT_EQ(g.Cell(30, 24).Alignment(), 10);  // the station's value area, left empty
    EXPECT_EQ(g.AreaOf(30, 24), (CellRect{30, 24, 30, 28}));
  }
}

TEST(FisaFataLayout, FormatsOfLabelsAndNumbers) {
  ReportGrid g;
  LayoutFisaFataComplet(g, Boxes());
  struct Expect {
    int row, col;
    double size;
    bool bold;
    int alignment;
    bool wrap;
  };
  const Expect table[] = {
      {1, 1, 18, true, 10, false},  // title
      {3, 1, 7, true, 10, false},   // head of box A: bold, 7 points from the number column
      {3, 28, 7, true, 10, false},  // "A"
      {4, 1, 7, true, 10, false},   {31, 1, 7, true, 10, false},  {10, 15, 7, true, 10, false},
      {28, 15, 7, true, 10, false}, {20, 7, 7, true, 10, false},  {27, 8, 7, true, 10, false},
      {20, 21, 7, true, 10, false}, {27, 21, 7, true, 10, false},
      {4, 2, 6, false, 6, false},   {7, 2, 6, false, 6, true},     {10, 2, 6, false, 10, true},
      {10, 7, 6, false, 6, false},  {11, 8, 6, false, 6, true},    {17, 2, 6, false, 10, true},
      {17, 9, 6, false, 6, false},  {21, 2, 6, false, 6, true},    {21, 3, 6, false, 6, false},
      {23, 3, 6, false, 6, true},   {33, 1, 6, false, 5, true},    {33, 15, 6, false, 5, true},
      {35, 1, 6, false, 6, false},  {35, 3, 6, false, 6, true},    {36, 3, 6, false, 6, false},
  };
  for (const Expect& e : table) {
    SCOPED_TRACE(testing::Message() << e.row << ", " << e.col);
    EXPECT_EQ(g.Cell(e.row, e.col).Font().Size(), e.size);
    EXPECT_EQ(g.Cell(e.row, e.col).Font().Bold(), e.bold);
    EXPECT_EQ(g.Cell(e.row, e.col).Font().Name(), "times new roman");
    EXPECT_EQ(g.Cell(e.row, e.col).Alignment(), e.alignment);
    EXPECT_EQ(g.Cell(e.row, e.col).WrapText(), e.wrap);
  }
}

TEST(FisaFataLayout, FramesAndLines) {
  using namespace report_grid;
  ReportGrid complete, dataOnly;
  LayoutFisaFataComplet(complete, Boxes());
  LayoutFisaFata(dataOnly, Boxes());
  struct Edge {
    int row, col, edge, completeStyle, dataOnlyStyle;
  };
  const Edge table[] = {
      // box A: thick frame; the pre-printed sheet keeps only its top and left
      {3, 1, kEdgeTop, kLineThick, kLineThick},
      {3, 28, kEdgeTop, kLineThick, kLineThick},
      {10, 1, kEdgeLeft, kLineThick, kLineThick},
      {31, 7, kEdgeBottom, kLineThick, kLineNone},
      {29, 13, kEdgeRight, kLineThick, kLineNone},
      {4, 16, kEdgeRight, kLineThick, kLineNone},
      // box A's inner lines, blank paper only
      {4, 4, kEdgeBottom, kLineThin, kLineNone},
      {5, 2, kEdgeRight, kLineThin, kLineNone},
      {34, 1, kEdgeRight, kLineNone, kLineNone},  // outside box A
      // left changes box: the pre-printed sheet keeps its top only
      {33, 1, kEdgeTop, kLineThick, kLineThick},
      {34, 2, kEdgeBottom, kLineThick, kLineNone},
      {33, 1, kEdgeLeft, kLineThick, kLineNone},
      {34, 2, kEdgeRight, kLineThick, kLineNone},
      // right changes box: four thick edges on both
      {33, 15, kEdgeTop, kLineThick, kLineThick},
      {34, 15, kEdgeBottom, kLineThick, kLineThick},
      {33, 15, kEdgeLeft, kLineThick, kLineThick},
      {34, 15, kEdgeRight, kLineThick, kLineThick},
      // single thin lines on both
      {4, 1, kEdgeRight, kLineThin, kLineThin},
      {10, 2, kEdgeRight, kLineThin, kLineThin},
      {11, 8, kEdgeLeft, kLineThin, kLineThin},
      {16, 11, kEdgeLeft, kLineThin, kLineThin},
      {30, 15, kEdgeLeft, kLineThin, kLineThin},
      {20, 7, kEdgeRight, kLineThin, kLineThin},
      {27, 21, kEdgeRight, kLineThin, kLineThin},
      {10, 16, kEdgeRight, kLineThin, kLineThin},
      {4, 15, kEdgeLeft, kLineThin, kLineThin},
      {28, 15, kEdgeRight, kLineThin, kLineThin},
      // the right line of (10, 3)-(10, 5): blank paper only
      {10, 5, kEdgeRight, kLineThin, kLineNone},
      // outside every frame
      {1, 1, kEdgeBottom, kLineNone, kLineNone},
      {36, 3, kEdgeTop, kLineNone, kLineNone},
  };
  for (const Edge& e : table) {
    SCOPED_TRACE(testing::Message() << e.row << ", " << e.col << " edge " << e.edge);
    EXPECT_EQ(Style(complete, e.row, e.col, e.edge), e.completeStyle);
    EXPECT_EQ(Style(dataOnly, e.row, e.col, e.edge), e.dataOnlyStyle);
  }
  // The left line set on (17, 9), inside the pre-printed sheet's engine-type area.
  EXPECT_EQ(dataOnly.State(17, 9).edges[kEdgeLeft].style, kLineThin);
  EXPECT_EQ(complete.Cell(17, 9).Border(kEdgeLeft), kLineThin);
}

TEST(FisaFataLayout, NothingOfThePreviousDocumentSurvives) {
  const Boxes boxes = Boxes::Numbered();
  for (Variant v : kBoth) {
    SCOPED_TRACE(Name(v));
    ReportGrid fresh;
    Lay(fresh, v, boxes);
    const QStringList expected = sheettest::Describe(fresh);

    // Larger and smaller documents before it, the other variant, and itself.
    struct Before {
      const char* name;
      int rows, cols;
    };
    for (const Before& b : {Before{"50 x 29", 50, 29}, Before{"20 x 22", 20, 22}, Before{"54 x 22", 54, 22}}) {
      SCOPED_TRACE(b.name);
      ReportGrid g;
      g.SetRows(b.rows);
      g.SetCols(b.cols);
      for (int r = 1; r < b.rows; ++r) {
        g.SetRowHeight(r, 25);
        for (int c = 1; c < b.cols; ++c) {
          g.Cell(r, c).SetText("vechi");
          g.Cell(r, c).SetBorder(report_grid::kEdgeBottom, report_grid::kLineDotted);
          g.Cell(r, c).SetPrintable(false);
          g.Cell(r, c).Font().SetItalic(true);
        }
      }
      g.Range(2, 2, 9, 9).Merge();
      g.Range(b.rows - 3, 1, b.rows - 1, b.cols - 1).Merge();
      g.Cell(12, 3).SetCellType(report_grid::kCellTickBox);
      Lay(g, v, boxes);
      EXPECT_EQ(sheettest::FirstDifference(sheettest::Describe(g), expected), "");
    }
    for (Variant before : kBoth) {
      ReportGrid g;
      Lay(g, before, Boxes());
      SetPrintFisaFata(g, false);
      g.SetRowHeight(36, 0);  // as a print of the pre-printed sheet leaves it
      Lay(g, v, boxes);
      EXPECT_EQ(sheettest::FirstDifference(sheettest::Describe(g), expected), "") << "after " << Name(before);
    }
  }
}
