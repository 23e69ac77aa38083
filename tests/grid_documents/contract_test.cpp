// The sale contract as laid and filled: its size, labels and locks, value areas with
// their fill-in lines, tick boxes and frame, the date, and the fill's decisions on each
// party.

#include <gtest/gtest.h>

#include "LetterFixtures.h"
#include "grid_documents/modCV.h"

using namespace grid_documents;
using lettertest::Boxes;
using lettertest::Edge;
using lettertest::Edges;
using report_grid::CellRect;
using report_grid::kLineThick;
using report_grid::kLineThin;

namespace {

class Contract : public lettertest::LetterTest {};

TEST_F(Contract, SizesFontAndDate) {
  LayoutCV(grid, Boxes());
  EXPECT_EQ(grid.Rows(), 32);
  EXPECT_EQ(grid.Cols(), 22);
  EXPECT_EQ(lettertest::SumOfWidths(grid), 699);
  EXPECT_EQ(lettertest::SumOfHeights(grid), 652);
  EXPECT_EQ(grid.RowHeight(0), 2);
  EXPECT_EQ(grid.ColumnWidth(0), 0);
  EXPECT_EQ(grid.RowHeight(3), 22);  // the seller's rows are higher than the buyer's
  EXPECT_EQ(grid.RowHeight(10), 19);
  EXPECT_EQ(grid.DefaultFontState().name, "times new roman");
  EXPECT_EQ(grid.DefaultFontState().size, 8);
  EXPECT_FALSE(grid.DefaultFontState().bold);
  EXPECT_TRUE(grid.Redraw());

  // The date of the day of the layout, in its merged area, open to the clerk.
  EXPECT_EQ(grid.Cell(30, 2).Text(), lettertest::kLayDayText);
  EXPECT_EQ(grid.AreaOf(30, 2), (CellRect{30, 2, 30, 3}));
  EXPECT_FALSE(grid.Cell(30, 2).Locked());
  platform::SetToday(QDate(2027, 11, 9));
  LayoutCV(grid, Boxes());
  EXPECT_EQ(grid.Cell(30, 2).Text(), "09-11-2027");
}

// What a cell shows: text, its area's corner, lock, alignment, size and bold.
struct Shown {
  int row, col;
  const char* text;
  int lastRow, lastCol;
  bool locked;
  int alignment;
  double size = 8;
  bool bold = false;
};

TEST_F(Contract, LabelsLocksAndAlignments) {
  LayoutCV(grid, Boxes());
  const Shown cells[] = {
      {1, 1, "CONTRACT DE VANZARE-CUMPARARE\r\nPENTRU UN VEHICUL FOLOSIT", 1, 21, true, 10, 14, true},
      {2, 1, "1", 2, 1, true, 10},
      {2, 2, "VANZATOR", 2, 21, true, 6, 12, true},
      {3, 2, "PERSOANA FIZICA", 3, 4, true, 10},    // centred
      {4, 2, "PERSOANA JURIDICA", 4, 5, true, 6},   // left
      {7, 3, ",sector/judet", 7, 4, true, 10},
      {8, 2, "(Stampila in cazul persoanelor juridice)", 8, 21, true, 14},
      {9, 1, "2", 9, 1, true, 10},
      {9, 2, "CUMPARATOR", 9, 21, true, 6, 12, true},
      {11, 2, "PERSOANA JURIDICA", 11, 5, true, 6},
      {14, 3, "sector/judet", 14, 4, true, 10},     // the buyer's has no comma
      {16, 1, "3", 16, 1, true, 10},
      {16, 2, "OBIECTUL CONTRACTULUI", 16, 21, true, 6, 12, true},
      {17, 20, "serie motor", 17, 21, true, 10},
      {18, 1, "", 18, 1, true, 10},                  // empty and locked
      {18, 6, "cilindree", 18, 7, false, 10},        // a label open to the clerk
      {19, 6, ",numarul cartii de identitate a autovehiculului", 19, 12, true, 10},
      {21, 2, "PRETUL", 21, 3, true, 10, 12, true},  // the one heading centred
      {21, 4, "in cifre", 21, 5, false, 10},
      {21, 21, "Lei.", 21, 21, true, 10},
      {23, 2,
       "Vanzatorul mentionat la punctul (1) declara ca vehiculul este proprietatea sa, libera de orice sarcini. De "
       "asemenea, declara ca a predat",
       23, 21, true, 6},
      {26, 1,
       "Cumparatorul mentionat la punctul (2) declara ca a primit de la vanzatorul mentionat la punctul (1) "
       "vehiculul, cheile, fisa de velorastulare si",
       26, 21, true, 6},
      {27, 1, "cartea de identitate a vehiculului, achitand vanzatorului pretul mentionat la punctul (4).", 27, 21,
       true, 10},
      {28, 5, "DA", 28, 5, true, 10},
      {28, 7, "NU", 28, 7, true, 10},
      {29, 1, "Locul incheierii contractului", 29, 4, true, 10},
      {30, 1, "Data", 30, 1, true, 10},
  };
  for (const Shown& s : cells) {
    SCOPED_TRACE(testing::Message() << "(" << s.row << ", " << s.col << ")");
    EXPECT_EQ(grid.Cell(s.row, s.col).Text(), QString::fromUtf8(s.text));
    EXPECT_EQ(grid.AreaOf(s.row, s.col), (CellRect{s.row, s.col, s.lastRow, s.lastCol}));
    EXPECT_EQ(grid.Cell(s.row, s.col).Locked(), s.locked);
    EXPECT_EQ(grid.Cell(s.row, s.col).Alignment(), s.alignment);
    EXPECT_EQ(grid.FontOf(s.row, s.col).size, s.size);
    EXPECT_EQ(grid.FontOf(s.row, s.col).bold, s.bold);
    EXPECT_EQ(grid.FontOf(s.row, s.col).name, "times new roman");
  }
  EXPECT_TRUE(grid.Cell(1, 1).WrapText());  // only the title wraps
  EXPECT_FALSE(grid.Cell(23, 2).WrapText());
}

TEST_F(Contract, ValueAreasHaveFillInLinesAcrossTheirWidth) {
  LayoutCV(grid, Boxes());
  const CellRect areas[] = {
      {3, 5, 3, 13},   {3, 18, 3, 18},  {3, 20, 3, 21},  {4, 6, 4, 21},   {5, 7, 5, 11},   {5, 15, 5, 21},
      {6, 4, 6, 7},    {6, 9, 6, 15},   {6, 17, 6, 17},  {6, 19, 6, 19},  {6, 21, 6, 21},  {7, 2, 7, 2},
      {7, 5, 7, 9},    {7, 11, 7, 16},  {10, 5, 10, 13}, {11, 6, 11, 21}, {12, 7, 12, 11}, {14, 11, 14, 16},
      {17, 4, 17, 6},  {17, 8, 17, 11}, {17, 16, 17, 19}, {18, 2, 18, 5}, {18, 8, 18, 8},  {18, 13, 18, 16},
      {19, 3, 19, 5},  {19, 13, 19, 16}, {21, 6, 21, 10}, {21, 14, 21, 20}, {28, 18, 28, 21}, {29, 5, 29, 7},
      {29, 18, 29, 21}, {30, 2, 30, 3},
  };
  for (const CellRect& a : areas) {
    SCOPED_TRACE(testing::Message() << "(" << a.row1 << ", " << a.col1 << ")");
    EXPECT_EQ(grid.AreaOf(a.row1, a.col1), a);
    EXPECT_EQ(Edge(grid, a.row1, a.col1, report_grid::kEdgeBottom), kLineThin);
    EXPECT_FALSE(grid.Cell(a.row1, a.col1).Locked());
    const QString text = a.row1 == 30 ? lettertest::kLayDayText : a.row1 == 29 && a.col1 == 5 ? kContractPlace : "";
    EXPECT_EQ(grid.Cell(a.row1, a.col1).Text(), text);
  }
}

TEST_F(Contract, TickBoxesAndFrame) {
  LayoutCV(grid, Boxes());
  using E = std::array<int, 4>;  // left, right, top, bottom
  // The parties' boxes stand on the frame's thick left edge; the annex's are all thin.
  for (auto [row, col] : {std::pair{3, 1}, {4, 1}, {10, 1}, {11, 1}}) {
    EXPECT_EQ(grid.Cell(row, col).CellType(), report_grid::kCellTickBox);
    EXPECT_EQ(Edges(grid, row, col), (E{kLineThick, kLineThin, kLineThin, kLineThin})) << row;
    EXPECT_FALSE(grid.Cell(row, col).Locked());
    EXPECT_EQ(grid.Cell(row, col).Text(), row == 3 || row == 10 ? "1" : "");  // empty boxes: two persons
  }
  for (int col : {4, 6}) {
    EXPECT_EQ(grid.Cell(28, col).CellType(), report_grid::kCellTickBox);
    EXPECT_EQ(Edges(grid, 28, col), (E{kLineThin, kLineThin, kLineThin, kLineThin}));
  }

  // The frame's right edge runs along the merged areas that reach column 21, its top and
  // box bottoms along the areas that the rows pass through; the title has no frame.
  for (auto [row, col] : {std::pair{2, 2}, {3, 20}, {4, 6}, {5, 15}, {8, 2}, {9, 2}, {17, 20}, {18, 17}, {23, 2},
                          {24, 1}, {27, 1}, {28, 18}, {29, 18}})
    EXPECT_EQ(Edge(grid, row, col, report_grid::kEdgeRight), kLineThick) << row << ", " << col;
  EXPECT_EQ(Edge(grid, 2, 2, report_grid::kEdgeTop), kLineThick);
  EXPECT_EQ(Edge(grid, 2, 1, report_grid::kEdgeTop), kLineThick);
  for (int row : {8, 15, 20, 22, 31}) {
    EXPECT_EQ(Edge(grid, row, 1, report_grid::kEdgeBottom), kLineThick) << row;
    EXPECT_EQ(Edge(grid, row, 21, report_grid::kEdgeBottom), kLineThick) << row;
  }
  EXPECT_EQ(Edge(grid, 8, 2, report_grid::kEdgeBottom), kLineThick);  // along the stamp note's area
  EXPECT_EQ(Edge(grid, 1, 1, report_grid::kEdgeTop), report_grid::kLineNone);
  EXPECT_EQ(Edge(grid, 1, 1, report_grid::kEdgeLeft), report_grid::kLineNone);
  EXPECT_EQ(Edge(grid, 9, 1, report_grid::kEdgeBottom), report_grid::kLineNone);
  for (int row = 2; row <= 31; ++row) {
    EXPECT_EQ(Edge(grid, row, 1, report_grid::kEdgeLeft), kLineThick) << row;
    EXPECT_EQ(Edge(grid, row, 21, report_grid::kEdgeRight), kLineThick) << row;
  }
}

// ---- The fill

struct PartyCase {
  const char* name;
  const char* regCom;     // the register box as typed
  const char* codFiscal;
  bool firm;
  const char* registerCell;  // what the register cell shows
};

const PartyCase kPartyCases[] = {
    {"register empty: natural person", "", "R 99", false, ""},
    {"register blank only: a firm", " ", "R 99", true, " CUI: R 99"},
    {"register filled", "J12/345/2005", "RO123", true, "J12/345/2005CUI: RO123"},
    {"register filled, fiscal code empty", "J12/345/2005", "", true, "J12/345/2005CUI: "},
};

// The seller's cells (rows 3 to 7) and the buyer's, seven rows lower.
struct PartyCells {
  const char* prefix;
  int offset;
};
const PartyCells kParties[] = {{"Vanzator", 0}, {"Cumparator", 7}};

TEST_F(Contract, EachPartyIsAPersonOrAFirmByItsRegisterBox) {
  for (const PartyCase& seller : kPartyCases)
    for (const PartyCase& buyer : kPartyCases) {
      SCOPED_TRACE(testing::Message() << "seller " << seller.name << ", buyer " << buyer.name);
      Boxes boxes = Boxes::Named();
      boxes.Set(u"VanzatorRegCom", seller.regCom).Set(u"VanzatorCodFiscal", seller.codFiscal);
      boxes.Set(u"CumparatorRegCom", buyer.regCom).Set(u"CumparatorCodFiscal", buyer.codFiscal);
      LayoutCV(grid, boxes);
      for (const PartyCells& p : kParties) {
        const PartyCase& c = p.offset == 0 ? seller : buyer;
        const QString prefix = QString::fromLatin1(p.prefix);
        auto text = [&](int row, int col) { return grid.Cell(row + p.offset, col).Text(); };
        SCOPED_TRACE(p.prefix);
        EXPECT_EQ(text(3, 1), c.firm ? "" : "1");
        EXPECT_EQ(text(4, 1), c.firm ? "1" : "");
        EXPECT_EQ(text(3, 5), c.firm ? "" : prefix + "Nume");
        EXPECT_EQ(text(3, 18), c.firm ? "" : prefix + "SerieBI");
        EXPECT_EQ(text(3, 20), c.firm ? "" : prefix + "NrBI");
        EXPECT_EQ(text(4, 6), c.firm ? prefix + "Nume" : "");
        EXPECT_EQ(text(5, 7), QString::fromLatin1(c.registerCell));
        EXPECT_EQ(text(5, 15), "");  // the representative is written by hand
        // The address whatever the kind.
        EXPECT_EQ(text(6, 4), prefix + "Localitate");
        EXPECT_EQ(text(6, 9), prefix + "Strada");
        EXPECT_EQ(text(6, 17), prefix + "Numar");
        EXPECT_EQ(text(6, 19), prefix + "Bloc");
        EXPECT_EQ(text(6, 21), prefix + "Scara");
        EXPECT_EQ(text(7, 2), prefix + "Apartament");
        EXPECT_EQ(text(7, 5), prefix + "Judet");
        EXPECT_EQ(text(7, 11), prefix + "CodPostal");
      }
    }
}

TEST_F(Contract, VehiclePriceAndPlace) {
  Boxes boxes = Boxes::Named();
  boxes.Set(u"PretCifre", "  12 500 ").Set(u"PretLitere", "douasprezecemii");
  LayoutCV(grid, boxes);
  const std::tuple<int, int, const char*> values[] = {
      {17, 4, "Marca"},          {17, 8, "Tipul"},      {17, 16, "NrIdentificare"},
      {18, 2, "MotorSerie"},     {18, 8, "Cilindree"},  {18, 13, "NrVelorastulare"},
      {19, 3, "ExpirareInspectie"}, {19, 13, "NrCarteIdentitate"},
      {21, 6, "  12 500 "},      {21, 14, "douasprezecemii"}, {29, 5, "Rovi-Dedevi"},
  };
  for (auto [row, col, text] : values) EXPECT_EQ(grid.Cell(row, col).Text(), text) << row << ", " << col;
  // The annex boxes and the signatures are left to the clerk.
  EXPECT_EQ(grid.Cell(28, 4).Text(), "");
  EXPECT_EQ(grid.Cell(28, 6).Text(), "");
  EXPECT_EQ(grid.Cell(28, 18).Text(), "");
}

TEST_F(Contract, ValueCellsTakeOnlyTheNameOfTheDocumentFont) {
  LayoutCV(grid, Boxes::Named());
  const std::pair<int, int> valueCells[] = {{3, 5},  {3, 18}, {3, 20}, {4, 6},   {5, 7},   {5, 15},  {6, 4},
                                            {7, 11}, {10, 5}, {11, 6}, {12, 15}, {14, 11}, {17, 4},  {19, 13},
                                            {21, 6}, {21, 14}, {29, 5}};
  for (auto [row, col] : valueCells) {
    const report_grid::FontState& f = grid.FontOf(row, col);
    EXPECT_EQ(f.name, lettertest::kDravName) << row << ", " << col;
    EXPECT_EQ(f.size, 8) << row << ", " << col;
    EXPECT_FALSE(f.bold || f.italic || f.underline) << row << ", " << col;
  }
  // Labels, tick boxes and the date keep the layout's font.
  for (auto [row, col] : {std::pair{3, 1}, {3, 2}, {21, 2}, {28, 4}, {29, 1}, {30, 2}})
    EXPECT_EQ(grid.FontOf(row, col).name, lettertest::kLayoutFont) << row << ", " << col;
}

TEST_F(Contract, EveryBoxEmptyLeavesTheFormTickedAsTwoPersons) {
  LayoutCV(grid, Boxes());
  for (int r = 1; r < grid.Rows(); ++r)
    for (int c = 1; c < grid.Cols(); ++c) {
      const bool filled = (r == 3 && c == 1) || (r == 10 && c == 1) || (r == 29 && c == 5) || (r == 30 && c == 2) ||
                          (r == 18 && c == 6) || (r == 21 && c == 4);  // the ticks, place, date, two open labels
      if (!filled && grid.State(r, c).locked) continue;  // locked labels
      EXPECT_EQ(grid.Cell(r, c).Text().isEmpty(), !filled) << r << ", " << c;
    }
}

}  // namespace
