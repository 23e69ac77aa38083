// The 45 data cells of the sheet front: what the fill writes, the sheet font they take,
// and which cells print.

#include <gtest/gtest.h>

#include <set>

#include "support/SheetFixtures.h"
#include "core/Fonts.h"
#include "platform/RuntimeError.h"
#include "sheet_front/modFisaFata.h"

using namespace sheet_front;
using report_grid::ReportGrid;
using sheettest::Boxes;
using sheettest::Font;
using sheettest::SheetFont;

namespace {

using Layout = void (*)(ReportGrid&, const core::CaseBoxes&);
const std::pair<const char*, Layout> kLayouts[] = {{"complete", LayoutFisaFataComplet},
                                                   {"data-only", LayoutFisaFata}};

bool IsDataCell(int row, int col) {
  for (const DataCell& d : kFisaFataDataCells)
    if (d.row == row && d.col == col) return true;
  return false;
}

}  // namespace

TEST(FisaFataData, EachBoxGoesToItsCellOnceInSheetOrder) {
  const int order[] = {0,  1,  2,  3,  4,  5,  6,  42, 7,  43, 8,  10, 9,  11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                       21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41};
  std::set<int> boxes;
  int i = 0;
  for (const DataCell& d : kFisaFataDataCells) {
    if (d.camp == kSpecificatii) continue;
    EXPECT_EQ(d.camp, order[i++]) << d.row << ", " << d.col;
    boxes.insert(d.camp);
    if (d.joinedCamp >= 0) boxes.insert(d.joinedCamp);
  }
  EXPECT_EQ(boxes.size(), 45u);  // every txtCamp box, 44 joined to 4
  EXPECT_EQ(kFisaFataDataCells.back().row, 34);
  EXPECT_EQ(kFisaFataDataCells.back().camp, kSpecificatii);
  for (size_t k = 1; k < kFisaFataDataCells.size(); ++k) {  // down the sheet, left to right
    const DataCell &a = kFisaFataDataCells[k - 1], &b = kFisaFataDataCells[k];
    EXPECT_TRUE(a.row < b.row || (a.row == b.row && a.col < b.col)) << b.row << ", " << b.col;
  }
}

TEST(FisaFataData, BothLayoutsWriteTheBoxesAsTyped) {
  Boxes boxes = Boxes::Numbered();
  boxes.camp[2] = "  Dacia ";  // blanks stay, numbers are not reformatted
  boxes.camp[23] = "01390";
  boxes.specificatii = "Carlig remorcare\r\nJante aliaj";
  for (auto [name, layout] : kLayouts) {
    SCOPED_TRACE(name);
    ReportGrid g;
    layout(g, boxes);
    for (const DataCell& d : kFisaFataDataCells) {
      QString expected = d.camp == kSpecificatii ? boxes.specificatii : boxes.camp[d.camp];
      if (d.joinedCamp >= 0) expected += "   " + boxes.camp[d.joinedCamp];
      EXPECT_EQ(g.Cell(d.row, d.col).Text(), expected) << d.row << ", " << d.col;
    }
    EXPECT_EQ(g.Cell(6, 4).Text(), "  Dacia ");
    EXPECT_EQ(g.Cell(18, 5).Text(), "01390");
    EXPECT_EQ(g.Cell(34, 2).Text(), "Carlig remorcare\r\nJante aliaj");
    EXPECT_TRUE(g.Cell(34, 2).WrapText());
    // Nothing else takes a box: the right half, the station and the right changes box.
    EXPECT_EQ(g.Cell(30, 24).Text(), "");
    EXPECT_EQ(g.Cell(34, 15).Text(), "");
    EXPECT_EQ(g.Cell(4, 16).Text(), "");
  }
}

TEST(FisaFataData, TypeApprovalAndYearJoinedByThreeBlanks) {
  struct Case {
    QString number, year, cell;
  };
  const Case cases[] = {
      {"", "", "   "},
      {"AB12", "", "AB12   "},
      {"", "2004", "   2004"},
      {"AB12", "2004", "AB12   2004"},
  };
  for (const Case& c : cases) {
    Boxes boxes;
    boxes.camp[4] = c.number;
    boxes.camp[44] = c.year;
    ReportGrid g;
    LayoutFisaFata(g, boxes);
    EXPECT_EQ(g.Cell(8, 7).Text(), c.cell) << c.number.toStdString() << "/" << c.year.toStdString();
  }
}

TEST(FisaFataData, DataCellsTakeNameSizeAndBoldOfTheSheetFontAndKeepTheirOwnStyle) {
  const SheetFont sheet(Font("Arial", 9.5, true, true, true));
  for (auto [name, layout] : kLayouts) {
    SCOPED_TRACE(name);
    ReportGrid g;
    layout(g, Boxes::Numbered());
    for (const DataCell& d : kFisaFataDataCells) {
      SCOPED_TRACE(testing::Message() << d.row << ", " << d.col);
      const report_grid::GridFont f = g.Cell(d.row, d.col).Font();
      EXPECT_EQ(f.Name(), "Arial");
      EXPECT_EQ(f.Size(), 9.5);
      EXPECT_TRUE(f.Bold());
      EXPECT_FALSE(f.Italic());  // the sheet font's italic and underline are not taken
      EXPECT_FALSE(f.Underline());
    }
    // Cells that are not data cells keep the layout's fonts.
    EXPECT_EQ(g.Cell(1, 1).Font().Size(), 18);
    EXPECT_EQ(g.Cell(4, 2).Font().Name(), "times new roman");
    EXPECT_FALSE(g.State(4, 2).hasFont);
    EXPECT_EQ(g.Cell(4, 1).Font().Size(), 7);
  }

  // A cell's own italic and underline survive; a size is kept to four decimals.
  const SheetFont fine(Font("Liberation Serif", 8.123456, false));
  ReportGrid g;
  LayoutFisaFata(g, Boxes());
  g.Cell(5, 4).Font().SetItalic(true);
  g.Cell(5, 4).Font().SetUnderline(true);
  g.Cell(5, 4).Font().SetBold(true);
  SetFontFisaFata(g, 5, 4);
  EXPECT_EQ(g.Cell(5, 4).Font().Name(), "Liberation Serif");
  EXPECT_DOUBLE_EQ(g.Cell(5, 4).Font().Size(), 8.1235);
  EXPECT_FALSE(g.Cell(5, 4).Font().Bold());
  EXPECT_TRUE(g.Cell(5, 4).Font().Italic());
  EXPECT_TRUE(g.Cell(5, 4).Font().Underline());
}

TEST(FisaFataData, AFailingFontCallStopsTheFillAndKeepsWhatWasWritten) {
  QFont pixels("Arial");
  pixels.setPixelSize(12);  // no size in points: the grid refuses it
  const SheetFont sheet(pixels);
  ReportGrid g;
  try {
    LayoutFisaFataComplet(g, Boxes::Numbered());
    FAIL() << "the layout went through";
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.Number(), platform::kErrInvalidArgument);
  }
  EXPECT_EQ(g.Cell(4, 1).Text(), "1");         // the cells were laid
  EXPECT_EQ(g.Cell(4, 4).Font().Name(), "Arial");  // the first data cell has its name
  EXPECT_EQ(g.Cell(4, 4).Text(), "");           // and no text yet
  EXPECT_FALSE(g.Redraw());                     // left to the caller
}

TEST(FisaFataData, PrintableMarkingFollowsTheFlagNotTheVariantLaid) {
  for (auto [name, layout] : kLayouts) {
    SCOPED_TRACE(name);
    ReportGrid g;
    layout(g, Boxes());
    for (int pass = 0; pass < 2; ++pass) {  // the same marking every time
      SetPrintFisaFata(g, false);
      int printable = 0;
      for (int r = 1; r < 37; ++r)
        for (int c = 1; c < 29; ++c) {
          EXPECT_EQ(g.Cell(r, c).Printable(), IsDataCell(r, c)) << r << ", " << c;
          printable += g.Cell(r, c).Printable();
        }
      EXPECT_EQ(printable, 45);
      EXPECT_TRUE(g.Cell(0, 5).Printable());  // the fixed row and column are never touched
      EXPECT_TRUE(g.Cell(5, 0).Printable());

      g.Cell(0, 5).SetPrintable(false);
      SetPrintFisaFata(g, true);
      for (int r = 1; r < 37; ++r)
        for (int c = 1; c < 29; ++c) EXPECT_TRUE(g.Cell(r, c).Printable()) << r << ", " << c;
      EXPECT_FALSE(g.Cell(0, 5).Printable());
      g.Cell(0, 5).SetPrintable(true);
    }
  }
}
