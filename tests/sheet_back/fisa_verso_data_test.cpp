// The value cells of the sheet back: what the fill writes from the buyer and seller boxes,
// the sheet font they take, and which cells print.

#include <gtest/gtest.h>

#include <QFont>
#include <optional>

#include "core/Fonts.h"
#include "platform/MessageBox.h"
#include "sheet_back/modFisaVerso.h"
#include "support/SheetFixtures.h"

using namespace sheet_back;
using report_grid::ReportGrid;
using sheettest::Boxes;
using sheettest::Font;
using sheettest::SheetFont;

namespace {

using Layout = void (*)(ReportGrid&, const core::CaseBoxes&);
const std::pair<const char*, Layout> kLayouts[] = {{"complete", LayoutFisaVersoComplet},
                                                   {"data-only", LayoutFisaVerso}};

bool IsValueCell(int row, int col) {
  for (const ValueCell& v : kFisaVersoValueCells)
    if (v.row == row && v.col == col) return true;
  return false;
}

// One party's boxes, by their place in the buyer's and in the seller's boxes.
struct PartyIndexes {
  int name, series, number, cnp, birth, regCom, fiscal;
  int address[8];  // street, number, block, staircase, flat, locality, county, postal code
  int nameCell[2], birthCell[2], registerCell[2], addressCell[2];
};
const PartyIndexes kBuyer{1, 2, 3, 4, 7, 9, 10, {12, 13, 14, 15, 16, 11, 17, 18},
                          {4, 5}, {8, 7}, {10, 7}, {12, 3}};
const PartyIndexes kSeller{23, 24, 25, 26, 27, 28, 29, {31, 32, 33, 34, 35, 30, 36, 37},
                           {34, 4}, {37, 6}, {38, 7}, {40, 3}};

}  // namespace

// The four rules of the holder's and the former holder's texts, one case for both.
TEST(FisaVersoData, FourRulesOfThePersonTexts) {
  struct Case {
    const char* what;
    QString name, series, number, cnp, birth, regCom, fiscal;
    std::array<QString, 8> address;
    QString nameText, birthText;
    std::optional<QString> registerText;  // nullopt: not written, stays empty
    QString addressText;
  };
  const std::array<QString, 8> noAddress{};
  const Case cases[] = {
      {"name alone", "POPESCU ION", "", "", "", "", "", "", noAddress, "POPESCU ION", "", std::nullopt, ""},
      {"with series", "POPESCU ION", "RX", "", "", "", "", "", noAddress, "POPESCU ION\r\nRX", "",
       std::nullopt, ""},
      {"with number", "POPESCU ION", "", "123456", "", "", "", "", noAddress, "POPESCU ION    123456", "",
       std::nullopt, ""},
      {"with both", "POPESCU ION", "RX", "123456", "", "", "", "", noAddress, "POPESCU ION\r\nRX    123456", "",
       std::nullopt, ""},
      {"empty name with a series", "", "RX", "", "", "", "", "", noAddress, "\r\nRX", "", std::nullopt, ""},
      {"birth date and CNP", "A", "", "", "1850331123456", "31.03.85", "", "", noAddress, "A", "31.03.85",
       QString("CNP: 1850331123456"), ""},
      {"a firm: fiscal code and register number hide birth date and CNP", "SC ALFA SRL", "", "",
       "1850331123456", "31.03.85", "J08/1/2001", "RO123", noAddress, "SC ALFA SRL", "CUI: RO123",
       QString("J08/1/2001"), ""},
      {"fiscal code with a CNP and no register number", "B", "", "", "1850331123456", "31.03.85", "", "RO123",
       noAddress, "B", "CUI: RO123", QString("CNP: 1850331123456"), ""},
      {"fiscal code of blanks counts as filled", "C", "", "", "", "31.03.85", "", "  ", noAddress, "C", "CUI:   ",
       std::nullopt, ""},
      {"both register boxes empty", "D", "", "", "", "", "", "", noAddress, "D", "", std::nullopt, ""},
      {"address: only the street", "E", "", "", "", "", "", "", {"Lunga", "", "", "", "", "", "", ""}, "E", "",
       std::nullopt, "str Lunga"},
      {"address: locality and postal code", "F", "", "", "", "", "", "", {"", "", "", "", "", "Brasov", "", "500001"},
       "F", "", std::nullopt, "loc Brasov, cod 500001"},
      {"address: all eight parts", "G", "", "", "", "", "", "",
       {"Lunga", "3", "A1", "2", "14", "Brasov", "Brasov", "500001"}, "G", "", std::nullopt,
       "str Lunga, nr 3, bl A1, sc 2, ap 14, loc Brasov, jud Brasov, cod 500001"},
      {"address: a part of blanks adds its prefix", "H", "", "", "", "", "", "", {"", " ", "", "", "", "", "", ""},
       "H", "", std::nullopt, "nr  "},
      {"diacritics are cut as characters", QStringLiteral("\u0218TEFAN"), "", "", "", "", "", "",
       {QStringLiteral("\u0218colii"), "", "", "", "", "", "", ""}, QStringLiteral("\u0218TEFAN"), "",
       std::nullopt, QStringLiteral("str \u0218colii")},
  };
  for (auto [layoutName, layout] : kLayouts)
    for (const PartyIndexes* party : {&kBuyer, &kSeller})
      for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << layoutName << ", " << (party == &kBuyer ? "buyer" : "seller") << ": "
                                        << c.what);
        Boxes boxes;
        boxes.verso[party->name] = c.name;
        boxes.verso[party->series] = c.series;
        boxes.verso[party->number] = c.number;
        boxes.verso[party->cnp] = c.cnp;
        boxes.verso[party->birth] = c.birth;
        boxes.verso[party->regCom] = c.regCom;
        boxes.verso[party->fiscal] = c.fiscal;
        for (int i = 0; i < 8; ++i) boxes.verso[party->address[i]] = c.address[i];
        ReportGrid g;
        layout(g, boxes);
        auto text = [&](const int (&cell)[2]) { return g.Cell(cell[0], cell[1]).Text(); };
        EXPECT_EQ(text(party->nameCell), c.nameText);
        EXPECT_EQ(text(party->birthCell), c.birthText);
        EXPECT_EQ(text(party->registerCell), c.registerText.value_or(QString()));
        EXPECT_EQ(text(party->addressCell), c.addressText);
        // The other party's cells hold nothing of it.
        const PartyIndexes& other = party == &kBuyer ? kSeller : kBuyer;
        EXPECT_EQ(text(other.nameCell), "");
        EXPECT_EQ(text(other.addressCell), "");
      }
}

TEST(FisaVersoData, EachPlainBoxGoesToItsCell) {
  Boxes boxes;
  for (int i = 0; i < 40; ++i) boxes.verso[i] = QStringLiteral("V%1").arg(i);
  const struct { int row, col, box; } plain[] = {
      {6, 7, 5}, {7, 7, 6}, {9, 7, 8}, {14, 7, 19}, {15, 7, 20}, {16, 6, 21}, {32, 7, 22},
  };
  for (auto [name, layout] : kLayouts) {
    SCOPED_TRACE(name);
    ReportGrid g;
    layout(g, boxes);
    for (const auto& p : plain) EXPECT_EQ(g.Cell(p.row, p.col).Text(), QStringLiteral("V%1").arg(p.box));
    EXPECT_EQ(g.Cell(4, 5).Text(), "V1\r\nV2    V3");
    EXPECT_EQ(g.Cell(34, 4).Text(), "V23\r\nV24    V25");
    EXPECT_EQ(g.Cell(8, 7).Text(), "CUI: V10");
    EXPECT_EQ(g.Cell(37, 6).Text(), "CUI: V29");
    EXPECT_EQ(g.Cell(10, 7).Text(), "V9");
    EXPECT_EQ(g.Cell(38, 7).Text(), "V28");
    EXPECT_EQ(g.Cell(12, 3).Text(), "str V12, nr V13, bl V14, sc V15, ap V16, loc V11, jud V17, cod V18");
    EXPECT_EQ(g.Cell(40, 3).Text(), "str V31, nr V32, bl V33, sc V34, ap V35, loc V30, jud V36, cod V37");
    EXPECT_EQ(g.Cell(1, 9).Text(), "");  // rubric 1 is the authority's
    // The price boxes and the deregistration date go nowhere.
    for (int r = 1; r < 50; ++r)
      for (int c = 1; c < 29; ++c)
        for (int box : {0, 38, 39}) EXPECT_FALSE(g.Cell(r, c).Text().contains(QStringLiteral("V%1").arg(box)));
  }
}

TEST(FisaVersoData, EveryValueCellAndRubric1TakeTheSheetFont) {
  const SheetFont sheet(Font("Arial", 9.5, false));
  for (auto [name, layout] : kLayouts) {
    SCOPED_TRACE(name);
    ReportGrid g;
    layout(g, Boxes());  // every box empty: the font still goes to all sixteen cells
    int withSheetFont = 0;
    for (int r = 1; r < 50; ++r)
      for (int c = 1; c < 29; ++c) {
        const bool sheetCell = IsValueCell(r, c) || (r == 1 && c == 9);
        const report_grid::FontState& f = g.FontOf(r, c);
        if (!sheetCell) {
          EXPECT_NE(f.name, "Arial") << r << ", " << c;
          continue;
        }
        ++withSheetFont;
        EXPECT_EQ(f.name, "Arial") << r << ", " << c;
        EXPECT_EQ(f.size, 9.5);
        EXPECT_FALSE(f.bold);  // not bold, though the sheet's default font is
        EXPECT_EQ(g.Cell(r, c).Text(), "");
      }
    EXPECT_EQ(withSheetFont, 16);
  }

  // Italic and underline stay the cell's own; a size is kept to four decimal places.
  const SheetFont fancy(Font("Courier New", 10.123456, true, true, true));
  ReportGrid g;
  LayoutFisaVerso(g, Boxes());
  const report_grid::FontState& f = g.FontOf(4, 5);
  EXPECT_EQ(f.name, "Courier New");
  EXPECT_NEAR(f.size, 10.1235, 1e-9);
  EXPECT_TRUE(f.bold);
  EXPECT_FALSE(f.italic);
  EXPECT_FALSE(f.underline);
}

TEST(FisaVersoData, BothVariantsGiveTheSameValueCells) {
  Boxes boxes;
  for (int i = 0; i < 40; ++i) boxes.verso[i] = QStringLiteral("V%1").arg(i);
  ReportGrid complete, dataOnly;
  LayoutFisaVersoComplet(complete, boxes);
  LayoutFisaVerso(dataOnly, boxes);
  for (const ValueCell& v : kFisaVersoValueCells) {
    EXPECT_EQ(complete.Cell(v.row, v.col).Text(), dataOnly.Cell(v.row, v.col).Text());
    EXPECT_EQ(complete.FontOf(v.row, v.col), dataOnly.FontOf(v.row, v.col));
    EXPECT_EQ(complete.AreaOf(v.row, v.col), dataOnly.AreaOf(v.row, v.col));
  }
}

TEST(FisaVersoData, PrintableMarkingFollowsTheFlagNotTheVariantLaid) {
  for (auto [name, layout] : kLayouts) {
    SCOPED_TRACE(name);
    ReportGrid g;
    layout(g, Boxes());
    for (int pass = 0; pass < 2; ++pass) {  // the same marking every time
      EXPECT_TRUE(SetPrintFisaVerso(g, false));
      int printable = 0;
      for (int r = 1; r < 50; ++r)
        for (int c = 1; c < 29; ++c) {
          EXPECT_EQ(g.Cell(r, c).Printable(), IsValueCell(r, c)) << r << ", " << c;
          printable += g.Cell(r, c).Printable();
        }
      EXPECT_EQ(printable, 15);  // rubric 1 and the twelve other entry cells do not print
      EXPECT_TRUE(g.Cell(0, 5).Printable());  // the fixed row and column are never touched
      EXPECT_TRUE(g.Cell(5, 0).Printable());

      EXPECT_TRUE(SetPrintFisaVerso(g, true));
      for (int r = 1; r < 50; ++r)
        for (int c = 1; c < 29; ++c) EXPECT_TRUE(g.Cell(r, c).Printable()) << r << ", " << c;
    }
  }
}

TEST(FisaVersoData, AFailedMarkingIsReportedAndToldToTheCaller) {
  ReportGrid g;
  LayoutFisaVerso(g, Boxes());
  g.SetRows(20);  // the sheet's lower half is gone: box D's cells cannot be marked
  platform::MessageBoxScript messages;
  EXPECT_FALSE(SetPrintFisaVerso(g, false));
  ASSERT_EQ(messages.Shown().size(), 1);
  const platform::ShownMessage& m = messages.Shown()[0];
  EXPECT_TRUE(m.prompt.startsWith("9 ")) << m.prompt.toStdString();
  EXPECT_TRUE(m.prompt.endsWith(" Velorast.Grila")) << m.prompt.toStdString();
  EXPECT_EQ(m.style, platform::vbOKOnly);
  EXPECT_EQ(m.title, platform::kAppTitle);
  // What was marked before the failure stays marked.
  EXPECT_FALSE(g.Cell(1, 1).Printable());
  EXPECT_TRUE(g.Cell(16, 6).Printable());

  // The complete marking of the same grid goes through.
  EXPECT_TRUE(SetPrintFisaVerso(g, true));
  EXPECT_EQ(messages.Shown().size(), 1);
}
