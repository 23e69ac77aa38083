// The sheet back from the "Listari" pane: "Fisa Verso" lays the variant that the box
// asks for, Print and Preview mark its printable cells as the box says at that moment,
// a failed marking stops them, and the data-only back lands where the offsets put it.

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ListariFixture.h"
#include "platform/MessageBox.h"
#include "platform/Printers.h"
#include "report_grid/PageRenderer.h"
#include "report_grid/Printing.h"
#include "sheet_back/modFisaVerso.h"
#include "support/PdfText.h"

using report_grid::PreviewScript;
using testsupport::PdfPage;

namespace {

constexpr double kToleranceMm = 0.3;

// 1: only the fifteen value cells print, without lines; 2: every cell, with its lines;
// 0: anything else.
int Marking(const report_grid::ReportGrid& g) {
  bool all = true, valuesOnly = true;
  for (int r = 1; r < g.Rows(); ++r)
    for (int c = 1; c < g.Cols(); ++c) {
      bool value = false;
      for (const sheet_back::ValueCell& v : sheet_back::kFisaVersoValueCells) value |= v.row == r && v.col == c;
      all &= g.State(r, c).printable && g.State(r, c).linesPrintable;
      valuesOnly &= g.State(r, c).printable == value && !g.State(r, c).linesPrintable;
    }
  return valuesOnly ? 1 : all ? 2 : 0;
}

// A word of its own in each value cell.
struct ValueWord {
  int box;
  const char* text;
  int row, col;  // the anchor of the cell it lands in
};
const ValueWord kValueWords[] = {
    {1, "NUMEB", 4, 5},     {5, "TATAB", 6, 7},       {6, "MAMAB", 7, 7},     {10, "FISCALB", 8, 7},
    {8, "NASTEREB", 9, 7},  {9, "REGCOMB", 10, 7},    {12, "STRADAB", 12, 3}, {19, "PROFESIEB", 14, 7},
    {20, "MUNCAB", 15, 7},  {21, "TELEFONB", 16, 6},  {22, "PLACUTA", 32, 7}, {23, "NUMED", 34, 4},
    {27, "NASTERED", 37, 6}, {26, "CNPD", 38, 7},     {31, "STRADAD", 40, 3},
};

}  // namespace

TEST_F(ListariPane, FisaVersoLaysTheCompleteBackOnlyWhenTheBoxIsTicked) {
  w->txtVerso[1]->setText("POPESCU ION");
  w->txtVerso[23]->setText("SC ALFA SRL");
  struct Case {
    Qt::CheckState state;
    bool complete;
  };
  for (const Case& c : {Case{Qt::Checked, true}, Case{Qt::Unchecked, false}, Case{Qt::PartiallyChecked, false},
                        Case{Qt::Checked, true}}) {
    SCOPED_TRACE(c.state);
    SetComplete(c.state);
    w->cmdFisaVerso->click();
    EXPECT_EQ(FlagsNow(), (Flags{true, true, false}));
    EXPECT_EQ(Grid().Rows(), 50);
    EXPECT_EQ(Grid().RowHeight(5), c.complete ? 23 : 27);
    EXPECT_EQ(Grid().EffectiveEdge(4, 1, report_grid::kEdgeTop).style, c.complete ? 2 : 0);  // box B's frame
    EXPECT_EQ(Grid().Cell(4, 5).Text(), "POPESCU ION");
    EXPECT_EQ(Grid().Cell(34, 4).Text(), "SC ALFA SRL");
    EXPECT_TRUE(Grid().Redraw());
  }
}

TEST_F(ListariPane, SheetBackMarkingFollowsTheBoxAtPrintTime) {
  platform::PrintersScript printers({"Velorast_Fisa"}, "Velorast_Fisa");
  PreviewScript preview;
  platform::MessageBoxScript messages;
  core::settings::TopV = 7;
  core::settings::LeftV = -3;
  struct Step {
    const char* name;
    Qt::CheckState laid, printed;
    int marking;
    float left, top;
  };
  const Step steps[] = {
      {"complete laid, printed complete", Qt::Checked, Qt::Checked, 2, 0.6f, 0.5f},
      {"complete laid, printed data-only", Qt::Checked, Qt::Unchecked, 1, -0.3f, 0.7f},
      {"data-only laid, printed complete", Qt::Unchecked, Qt::Checked, 2, 0.6f, 0.5f},
      {"data-only laid, printed data-only", Qt::Unchecked, Qt::Unchecked, 1, -0.3f, 0.7f},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.name);
    SetComplete(s.laid);
    w->cmdFisaVerso->click();
    SetComplete(s.printed);
    w->cmdPrintPreview->click();
    EXPECT_EQ(Marking(Grid()), s.marking);
    EXPECT_EQ(Grid().Page().paperSize, report_grid::kPaperA5);
    EXPECT_EQ(Grid().Page().leftMargin, s.left);
    EXPECT_EQ(Grid().Page().topMargin, s.top);
    // Ticking or clearing the box between preview and print changes what is printed,
    // without a new layout.
    SetComplete(s.printed == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    ASSERT_TRUE(w->PreparePrint());
    EXPECT_EQ(Marking(Grid()), 3 - s.marking);
  }
  EXPECT_EQ(preview.Shown().size(), 4);
  EXPECT_TRUE(messages.Shown().isEmpty());
}

TEST_F(ListariPane, AFailedSheetBackMarkingStopsPrintAndPreview) {
  platform::PrintersScript printers({"Velorast_Fisa"}, "Velorast_Fisa");
  SetComplete(Qt::Unchecked);
  w->cmdFisaVerso->click();
  Grid().SetRows(20);  // box D's value cells are gone: the marking cannot finish
  const report_grid::PageSettings page = Grid().Page();
  PreviewScript preview;
  platform::MessageBoxScript messages;

  w->cmdPrintPreview->click();
  w->cmdPrint->click();
  // One message each, the marking's own; no preview, no print (which would report that
  // there is nothing to print on), no page set-up.
  ASSERT_EQ(messages.Shown().size(), 2);
  for (const platform::ShownMessage& m : messages.Shown()) {
    EXPECT_TRUE(m.prompt.startsWith("9 ")) << m.prompt.toStdString();
    EXPECT_TRUE(m.prompt.endsWith(" Velorast.Grila")) << m.prompt.toStdString();
    EXPECT_EQ(m.style, platform::vbOKOnly);
  }
  EXPECT_TRUE(preview.Shown().isEmpty());
  EXPECT_EQ(Grid().Page().paperSize, page.paperSize);
  EXPECT_EQ(Grid().Page().leftMargin, page.leftMargin);
  EXPECT_EQ(Grid().Page().topMargin, page.topMargin);

  // Laid again, the sheet prints again.
  w->cmdFisaVerso->click();
  w->cmdPrintPreview->click();
  EXPECT_EQ(preview.Shown().size(), 1);
  EXPECT_EQ(messages.Shown().size(), 2);
}

TEST_F(ListariPane, DataOnlyBackLandsInItsCellsWhereTheOffsetsPutIt) {
  for (const ValueWord& v : kValueWords) w->txtVerso[v.box]->setText(QString::fromLatin1(v.text));
  SetComplete(Qt::Unchecked);
  QTemporaryDir dir;
  auto printWith = [&](qint16 top, qint16 left) {
    core::settings::TopV = top;
    core::settings::LeftV = left;
    w->cmdFisaVerso->click();
    return PrintedPage(dir.filePath(QStringLiteral("back-%1-%2.pdf").arg(top).arg(left)));
  };
  const PdfPage origin = printWith(0, 0);
  EXPECT_NEAR(origin.sizeMm.width(), 148, 0.5);  // A5
  EXPECT_NEAR(origin.sizeMm.height(), 210, 0.5);
  for (const char* label : {"Detinatorul", "Adresa", "ATENTIE!", "Organul", "VAMA", "B"})
    EXPECT_FALSE(origin.Find(label)) << label;  // nothing but the data on pre-printed paper
  EXPECT_TRUE(origin.Find("CUI:"));

  const report_grid::GridGeometry geometry(Grid());
  struct Offset {
    qint16 top, left;
  };
  for (const Offset& o : {Offset{10, 5}, Offset{-6, -4}, Offset{3, 12}}) {
    SCOPED_TRACE(testing::Message() << "TopV " << o.top << ", LeftV " << o.left);
    const PdfPage moved = printWith(o.top, o.left);
    for (const ValueWord& v : kValueWords) {
      SCOPED_TRACE(v.text);
      const testsupport::PdfWord *a = origin.Find(v.text), *b = moved.Find(v.text);
      ASSERT_TRUE(a && b);
      EXPECT_NEAR(b->xMin - a->xMin, o.left, kToleranceMm);
      EXPECT_NEAR(b->yMin - a->yMin, o.top, kToleranceMm);
      // Inside its own cell, moved by the offsets.
      const QRectF cell = geometry.AreaRect(Grid().AreaOf(v.row, v.col));
      const double left = o.left + cell.left() * report_grid::kMmPerUnit;
      const double right = o.left + cell.right() * report_grid::kMmPerUnit;
      const double top = o.top + cell.top() * report_grid::kMmPerUnit;
      const double bottom = o.top + cell.bottom() * report_grid::kMmPerUnit;
      EXPECT_GE(b->xMin, left - kToleranceMm);
      EXPECT_LE(b->xMax, right + kToleranceMm);
      EXPECT_GE(b->yMin, top - kToleranceMm);
      EXPECT_LE(b->yMax, bottom + kToleranceMm);
    }
  }
}
