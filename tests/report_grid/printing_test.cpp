// Printing: the page that PrintGrid and PrintPreview put out, read back from PDF.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <numeric>
#include <set>

#include "platform/Printers.h"
#include "platform/RuntimeError.h"
#include "report_grid/PageRenderer.h"
#include "report_grid/Printing.h"
#include "support/PdfText.h"
#include "support/PrintCapture.h"
#include "support/QtPrinters.h"
#include "support/ScreenTexts.h"

using namespace report_grid;
using testsupport::PdfPage;
using testsupport::PdfWord;

namespace {

constexpr double kToleranceMm = 0.3;
constexpr double kUnitMm = 25.4 / 96.0;

PdfPage ReadSinglePage(const QString& path) {
  const QList<PdfPage> pages = testsupport::ReadPdfPages(path);
  EXPECT_EQ(pages.size(), 1) << path.toStdString();
  return pages.value(0);
}

PdfPage PrintToPdf(const ReportGrid& grid, const QString& path) {
  PrintGridToPdf(grid, path);
  return ReadSinglePage(path);
}

// A sheet-like grid: uneven widths and heights, three texts placed by three alignments.
struct PlacedPage {
  int paper;
  float left, top;  // centimetres
  QSizeF paperMm;
};

const std::vector<int> kWidths = {0, 19, 33, 19, 19, 20, 18, 15, 40, 17, 25};
const std::vector<int> kHeights = {16, 30, 3, 16, 17, 189, 21, 12, 16};

void LayPlacedGrid(ReportGrid& g, const PlacedPage& p) {
  g.SetRows(static_cast<int>(kHeights.size()));
  g.SetCols(static_cast<int>(kWidths.size()));
  g.DefaultFont().SetName("times new roman");
  g.DefaultFont().SetSize(8);
  for (int c = 0; c < g.Cols(); ++c) g.Column(c).SetWidth(kWidths[c]);
  for (int r = 1; r < g.Rows(); ++r) g.SetRowHeight(r, kHeights[r]);
  g.Cell(3, 4).SetText("StangaSus");
  g.Cell(3, 4).SetAlignment(5);
  g.Cell(5, 3).SetText("Centru");
  g.Range(5, 3, 6, 6).Merge();
  g.Cell(5, 3).SetAlignment(10);
  g.Cell(7, 8).SetText("DrJos");
  g.Cell(7, 8).SetAlignment(15);
  g.PageSetup().SetPaperSize(p.paper);
  g.PageSetup().SetOrientation(1);
  g.PageSetup().SetLeftMargin(p.left);
  g.PageSetup().SetTopMargin(p.top);
  g.PageSetup().SetRightMargin(0.1f);
  g.PageSetup().SetBottomMargin(0.1f);
}

// Sum of the sizes before index `upTo`, leaving out index 0 (row 0 and column 0 take no
// room on paper).
double UnitsBefore(const std::vector<int>& sizes, int upTo) {
  return std::accumulate(sizes.begin() + 1, sizes.begin() + upTo, 0);
}

void ExpectPlaced(const PdfPage& page, const PlacedPage& p) {
  const double left = p.left * 10, top = p.top * 10;
  EXPECT_NEAR(page.sizeMm.width(), p.paperMm.width(), 0.5);
  EXPECT_NEAR(page.sizeMm.height(), p.paperMm.height(), 0.5);

  const PdfWord* w = page.Find("StangaSus");
  ASSERT_TRUE(w);
  EXPECT_NEAR(w->xMin, left + (UnitsBefore(kWidths, 4) + 1) * kUnitMm, kToleranceMm);
  EXPECT_NEAR(w->yMin, top + UnitsBefore(kHeights, 3) * kUnitMm, kToleranceMm);

  w = page.Find("Centru");  // centred in the merged area (5, 3)-(6, 6)
  ASSERT_TRUE(w);
  EXPECT_NEAR((w->xMin + w->xMax) / 2, left + (UnitsBefore(kWidths, 3) + UnitsBefore(kWidths, 7)) / 2 * kUnitMm,
              kToleranceMm);
  EXPECT_NEAR((w->yMin + w->yMax) / 2, top + (UnitsBefore(kHeights, 5) + UnitsBefore(kHeights, 7)) / 2 * kUnitMm,
              kToleranceMm);

  w = page.Find("DrJos");
  ASSERT_TRUE(w);
  EXPECT_NEAR(w->xMax, left + (UnitsBefore(kWidths, 9) - 1) * kUnitMm, kToleranceMm);
  EXPECT_NEAR(w->yMax, top + UnitsBefore(kHeights, 8) * kUnitMm, kToleranceMm);
}

const PlacedPage kPlacedPages[] = {
    {kPaperA5, 0.6f, 0.5f, {148, 210}},    // a sheet printed complete
    {kPaperA5, -0.5f, -0.3f, {148, 210}},  // data-only with negative offsets
    {kPaperA5, 1.5f, 0.0f, {148, 210}},
    {kPaperA4, 1.0f, 1.5f, {210, 297}},    // the letters
};

// The darkest pixel of a horizontal run, 0 black to 255 white.
int DarkestOnRow(const QImage& image, int y, int x1, int x2) {
  int darkest = 255;
  for (int x = x1; x <= x2; ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
  return darkest;
}

// The darkest pixel of an upright run.
int DarkestOnColumn(const QImage& image, int x, int y1, int y2) {
  int darkest = 255;
  for (int y = y1; y <= y2; ++y) darkest = std::min(darkest, qGray(image.pixel(x, y)));
  return darkest;
}

// Three rows of 40 and three columns of 50 units at margins 0: rendered at 96 dpi, one
// grid unit is one pixel of the page image.
void LayLineGrid(ReportGrid& g) {
  g.SetRows(4);
  g.SetCols(4);
  g.Column(0).SetWidth(0);
  for (int c = 1; c < 4; ++c) g.Column(c).SetWidth(50);
  for (int r = 1; r < 4; ++r) g.SetRowHeight(r, 40);
  g.PageSetup().SetLeftMargin(0);
  g.PageSetup().SetTopMargin(0);
}

}  // namespace

TEST(ReportGridPrinting, CellTextsLandWhereWidthsHeightsAndMarginsPutThem) {
  QTemporaryDir dir;
  for (const PlacedPage& p : kPlacedPages) {
    SCOPED_TRACE(testing::Message() << "paper " << p.paper << " margins " << p.left << ", " << p.top);
    ReportGrid g;
    LayPlacedGrid(g, p);
    ExpectPlaced(PrintToPdf(g, dir.filePath(QStringLiteral("placed-%1-%2.pdf").arg(p.paper).arg(p.left))), p);
  }
}

TEST(ReportGridPrinting, OnlyPrintableCellsComeOutAndAnAreaFollowsItsAnchor) {
  ReportGrid g;
  g.SetRows(6);
  g.SetCols(6);
  for (int c = 1; c < 6; ++c) g.Column(c).SetWidth(60);
  for (int r = 1; r < 6; ++r) g.SetRowHeight(r, 30);
  g.Column(0).SetWidth(0);
  g.DefaultFont().SetSize(10);
  g.Cell(0, 1).SetText("RandZero");  // the fixed header never prints
  g.Cell(1, 0).SetText("ColoanaZero");
  g.Cell(1, 1).SetText("Tiparita");
  g.Range(1, 1, 1, 1).SetLinesPrintable(false);  // its text prints all the same
  g.Cell(1, 2).SetText("Ascunsa");
  g.Cell(1, 2).SetPrintable(false);
  g.Cell(2, 1).SetText("ZonaTiparita");
  g.Range(2, 1, 3, 2).Merge();
  g.Cell(3, 2).SetPrintable(false);  // a covered cell's flag does not count
  g.Cell(4, 1).SetText("ZonaAscunsa");
  g.Range(4, 1, 4, 3).Merge();
  g.Cell(4, 1).SetPrintable(false);
  g.Cell(4, 3).SetPrintable(true);
  g.PageSetup().SetLeftMargin(0);
  g.PageSetup().SetTopMargin(0);
  QTemporaryDir dir;
  const PdfPage page = PrintToPdf(g, dir.filePath("printable.pdf"));
  EXPECT_TRUE(page.Find("Tiparita"));
  EXPECT_TRUE(page.Find("ZonaTiparita"));
  EXPECT_FALSE(page.Find("Ascunsa"));
  EXPECT_FALSE(page.Find("ZonaAscunsa"));
  EXPECT_FALSE(page.Find("RandZero"));
  EXPECT_FALSE(page.Find("ColoanaZero"));
}

// On paper a line comes out with a printable cell or area that holds it: the cell it was
// set on, the cells that a range's edge (or for edge 5 its inside, level and upright
// boundaries alike) runs along, a merged area for its cells' lines along its own edges.
// A printable cell beside a line that only its neighbour holds does not bring it out,
// nor does one whose lines do not print. Each case lists the lines the paper shows
// among the four inside boundaries of the cells (1, 1) to (2, 2), as its own calls set
// them.
TEST(ReportGridPrinting, ALineComesOutWithThePrintableCellThatHoldsIt) {
  enum Boundary { kUnder11, kUnder12, kRightOf11, kRightOf21 };
  struct Case {
    const char* name;
    std::function<void(ReportGrid&)> lay;
    std::vector<std::pair<int, int>> printable;
    std::set<Boundary> lines;  // the boundaries inked on paper
  } cases[] = {
      {"the printable cell's own line", [](ReportGrid& g) { g.Cell(1, 1).SetBorder(kEdgeBottom, kLineThick); },
       {{1, 1}}, {kUnder11}},
      {"a line only the cell below holds", [](ReportGrid& g) { g.Cell(2, 1).SetBorder(kEdgeTop, kLineThick); },
       {{1, 1}}, {}},
      {"... printed with the cell below", [](ReportGrid& g) { g.Cell(2, 1).SetBorder(kEdgeTop, kLineThick); },
       {{2, 1}}, {kUnder11}},
      {"a range's bottom edge runs along row 1",
       [](ReportGrid& g) { g.Range(1, 1, 1, 3).SetBorder(kEdgeBottom, kLineThin); }, {{1, 1}}, {kUnder11}},
      {"... not along row 2", [](ReportGrid& g) { g.Range(1, 1, 1, 3).SetBorder(kEdgeBottom, kLineThin); },
       {{2, 1}, {2, 2}}, {}},
      {"a range's inside is held on both sides",
       [](ReportGrid& g) { g.Range(1, 1, 2, 2).SetBorder(kEdgeInner, kLineThin); }, {{2, 2}},
       {kUnder12, kRightOf21}},
      {"a range's upright inside line, its right-hand cell alone printable",
       [](ReportGrid& g) { g.Range(1, 1, 1, 2).SetBorder(kEdgeInner, kLineThin); }, {{1, 2}}, {kRightOf11}},
      {"... its left-hand cell alone printable",
       [](ReportGrid& g) { g.Range(1, 1, 1, 2).SetBorder(kEdgeInner, kLineThick); }, {{1, 1}}, {kRightOf11}},
      {"a right edge only the cell on the right holds",
       [](ReportGrid& g) { g.Cell(2, 2).SetBorder(kEdgeLeft, kLineThin); }, {{2, 1}}, {}},
      {"a printable cell whose lines do not print",
       [](ReportGrid& g) {
         g.Cell(1, 1).SetBorder(kEdgeBottom, kLineThick);
         g.Range(1, 1, 1, 1).SetLinesPrintable(false);
       },
       {{1, 1}}, {}},
      {"... its line comes out with a neighbour that prints its own",
       [](ReportGrid& g) {
         g.Range(1, 1, 2, 2).SetBorder(kEdgeInner, kLineThin);
         g.Range(1, 1, 1, 2).SetLinesPrintable(false);
       },
       {{1, 1}, {1, 2}, {2, 1}}, {kUnder11, kRightOf21}},
      {"a later line on the neighbour restates it",
       [](ReportGrid& g) {
         g.Cell(1, 1).SetBorder(kEdgeBottom, kLineThin);
         g.Cell(2, 1).SetBorder(kEdgeTop, kLineThick);
       },
       {{1, 1}}, {kUnder11}},
      {"a later line of style 0 on the neighbour removes it",
       [](ReportGrid& g) {
         g.Cell(1, 1).SetBorder(kEdgeBottom, kLineThick);
         g.Cell(2, 1).SetBorder(kEdgeTop, kLineNone);
       },
       {{1, 1}}, {}},
      {"a merged area holds a line set on its covered cell",
       [](ReportGrid& g) {
         g.Range(1, 1, 1, 2).Merge();
         g.Cell(1, 2).SetBorder(kEdgeBottom, kLineThin);
       },
       {{1, 1}}, {kUnder11, kUnder12}},
      {"... printed by its anchor alone",
       [](ReportGrid& g) {
         g.Range(1, 1, 1, 2).Merge();
         g.Cell(1, 2).SetBorder(kEdgeBottom, kLineThin);
       },
       {{1, 2}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ReportGrid g;
    LayLineGrid(g);
    c.lay(g);
    g.Range(1, 1, 3, 3).SetPrintable(false);
    for (const auto& [row, col] : c.printable) g.Cell(row, col).SetPrintable(true);
    const QImage paper = RenderPageImage(g, 96);
    EXPECT_EQ(DarkestOnRow(paper, 40, 5, 45) < 100, c.lines.count(kUnder11) == 1) << "under (1, 1)";
    EXPECT_EQ(DarkestOnRow(paper, 40, 55, 95) < 100, c.lines.count(kUnder12) == 1) << "under (1, 2)";
    EXPECT_EQ(DarkestOnColumn(paper, 50, 5, 35) < 100, c.lines.count(kRightOf11) == 1) << "right of (1, 1)";
    EXPECT_EQ(DarkestOnColumn(paper, 50, 45, 75) < 100, c.lines.count(kRightOf21) == 1) << "right of (2, 1)";
  }
}

TEST(ReportGridPrinting, LineBreaksAndWrappingGiveFurtherLines) {
  ReportGrid g;
  g.SetRows(3);
  g.SetCols(3);
  g.Column(0).SetWidth(0);
  g.Column(1).SetWidth(200);
  g.Column(2).SetWidth(60);
  g.SetRowHeight(1, 120);
  g.DefaultFont().SetName("times new roman");
  g.DefaultFont().SetSize(10);
  g.Cell(1, 1).SetText("Unu\r\nDoi");  // breaks with or without wrap
  g.Cell(1, 1).SetAlignment(5);
  g.Cell(1, 2).SetText("alfa beta gama");
  g.Cell(1, 2).SetWrapText(true);
  g.Cell(1, 2).SetAlignment(5);
  QTemporaryDir dir;
  const PdfPage page = PrintToPdf(g, dir.filePath("lines.pdf"));
  const PdfWord *one = page.Find("Unu"), *two = page.Find("Doi");
  ASSERT_TRUE(one && two);
  EXPECT_NEAR(one->xMin, two->xMin, 0.01);
  EXPECT_GT(two->yMin, one->yMax - 0.5);
  const PdfWord *alfa = page.Find("alfa"), *gama = page.Find("gama");
  ASSERT_TRUE(alfa && gama);
  EXPECT_GT(gama->yMin, alfa->yMax - 0.5);  // wrapped onto a further line
}

// A value aligned to a side of its cell keeps its inset from a bare side, and keeps that
// far clear of a line drawn along a ruled side, whichever cell holds the line.
TEST(ReportGridPrinting, AValueAlignedToARuledSideKeepsClearOfTheRule) {
  struct Case {
    const char* what;
    int alignment;
    int style;
    bool heldByNeighbour;
    double gapUnits;  // from the cell's side to the text
  } cases[] = {
      {"right, bare side", 14, kLineNone, false, 1.0},
      {"right, thin line", 14, kLineThin, false, 1.5},
      {"right, thick line", 14, kLineThick, false, 2.0},
      {"left, thin line of the neighbour", 6, kLineThin, true, 1.5},
      {"left, thick line", 6, kLineThick, false, 2.0},
  };
  QTemporaryDir dir;
  int file = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ReportGrid g;
    g.SetRows(3);
    g.SetCols(4);
    g.Column(0).SetWidth(0);
    for (int col = 1; col < 4; ++col) g.Column(col).SetWidth(100);
    g.SetRowHeight(1, 30);
    g.DefaultFont().SetName("times new roman");
    g.DefaultFont().SetSize(10);
    g.Cell(1, 2).SetText("C123456");
    g.Cell(1, 2).SetAlignment(c.alignment);
    const bool right = c.alignment == 14;
    if (c.style != kLineNone) {
      if (c.heldByNeighbour) g.Cell(1, right ? 3 : 1).SetBorder(right ? kEdgeLeft : kEdgeRight, c.style);
      else g.Cell(1, 2).SetBorder(right ? kEdgeRight : kEdgeLeft, c.style);
    }
    const PdfPage page = PrintToPdf(g, dir.filePath(QStringLiteral("side-%1.pdf").arg(++file)));
    const PdfWord* word = page.Find("C123456");
    ASSERT_TRUE(word);
    const double cellLeft = g.Page().leftMargin * 10 + 100 * kUnitMm, cellRight = cellLeft + 100 * kUnitMm;
    EXPECT_NEAR(right ? cellRight - word->xMax : word->xMin - cellLeft, c.gapUnits * kUnitMm, 0.05);
  }
}

// A line of letters keeps clear of a rule above or below it: 1 unit clear of the rule it
// is aligned to, and off a rule on either side where its row is too low for more (it is
// then reduced). Read from the page rendered at 400 dpi: the runs of rows with ink in the
// middle of the cell, a rule being a row dark all along.
TEST(ReportGridPrinting, ALineOfLettersKeepsClearOfTheRulesAboveAndBelowIt) {
  constexpr int kDpi = 400;
  constexpr double kPixelsPerUnit = kDpi / 96.0;
  struct Case {
    const char* what;
    int alignment;
    int top, bottom;  // line styles
    int height;       // units
    double gapUnits;  // the least gap between the letters and a rule
  } cases[] = {
      {"bottom aligned, on a thin fill-in line", 7, kLineNone, kLineThin, 30, 1},
      {"bottom aligned, on a thick line", 7, kLineNone, kLineThick, 30, 1},
      {"top aligned, under a thin rule", 5, kLineThin, kLineNone, 30, 1},
      {"top aligned, under a thick rule", 5, kLineThick, kLineNone, 30, 1},
      {"centred between two rules, lower than its letters", 6, kLineThin, kLineThin, 13, 0.2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ReportGrid g;
    LayLineGrid(g);
    g.SetRowHeight(2, c.height);
    g.Column(2).SetWidth(200);
    g.DefaultFont().SetName("times new roman");
    g.DefaultFont().SetSize(10);
    g.Cell(2, 2).SetText(QStringLiteral("\u0218KODA \u021A\u0102G\u0102RA\u0218 \u00C2\u00CE"));
    g.Cell(2, 2).SetAlignment(c.alignment);
    if (c.top != kLineNone) g.Cell(2, 2).SetBorder(kEdgeTop, c.top);
    if (c.bottom != kLineNone) g.Cell(2, 2).SetBorder(kEdgeBottom, c.bottom);
    const QImage paper = RenderPageImage(g, kDpi);
    // The middle of the cell, clear of the rows' ends.
    const int x1 = static_cast<int>(60 * kPixelsPerUnit), x2 = static_cast<int>(240 * kPixelsPerUnit);
    const int y1 = static_cast<int>(35 * kPixelsPerUnit), y2 = static_cast<int>((45 + c.height) * kPixelsPerUnit);
    int lastRuleAbove = -1, firstRuleBelow = -1, firstInk = -1, lastInk = -1;
    for (int y = y1; y <= y2; ++y) {
      int dark = 0;
      for (int x = x1; x <= x2; ++x) dark += qGray(paper.pixel(x, y)) < 128;
      if (dark == 0) continue;
      if (dark > (x2 - x1) * 9 / 10) {
        if (firstInk < 0) lastRuleAbove = y;
        else if (firstRuleBelow < 0) firstRuleBelow = y;
        continue;
      }
      if (firstRuleBelow >= 0) continue;
      if (firstInk < 0) firstInk = y;
      lastInk = y;
    }
    ASSERT_GE(firstInk, 0) << "no letters";
    const double least = c.gapUnits * kPixelsPerUnit - 1;
    if (c.top != kLineNone) {
      ASSERT_GE(lastRuleAbove, 0);
      EXPECT_GE(firstInk - lastRuleAbove - 1, least);
    }
    if (c.bottom != kLineNone) {
      ASSERT_GE(firstRuleBelow, 0);
      EXPECT_GE(firstRuleBelow - lastInk - 1, least);
    }
  }
}

// A value printed onto a sheet that has lines of its own (a cell whose lines do not
// print): drawn as it is while its letters stay clear of the sheet's lines; moved or
// condensed off one that they would lie on, whole; a cell that prints its lines, or a
// screen, takes no notice of the sheet. Rendered at 96 dpi, a unit is a pixel.
TEST(ReportGridPrinting, AValueOntoASheetKeepsClearOfTheSheetsLines) {
  // The upright sheet line at the left edge of column 3, from row 2 to row 3; the value in
  // the area (2, 1)-(2, 2), left aligned, 100 units wide.
  const std::vector<PaperLine> sheet = {PaperLine{false, kLineThin, 3, 2, 3}};
  const auto lay = [](ReportGrid& g, const QString& text, bool linesPrint) {
    LayLineGrid(g);
    g.DefaultFont().SetName("times new roman");
    g.DefaultFont().SetSize(12);
    g.Range(2, 1, 2, 2).Merge();
    g.Cell(2, 1).SetText(text);
    g.Cell(2, 1).SetAlignment(6);
    g.Range(1, 1, 3, 3).SetLinesPrintable(linesPrint);
  };
  const QString longText = QStringLiteral("DROBETA-TURNU SEVERIN");
  struct Case {
    const char* what;
    QString text;
    bool linesPrint;
    bool asWithout;  // drawn exactly as with no sheet under it
  } cases[] = {
      {"a short value, clear of the line", QStringLiteral("OM 651"), false, true},
      {"a long value over the line", longText, false, false},
      {"a long value in a cell that prints its lines", longText, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ReportGrid plain, onSheet;
    lay(plain, c.text, c.linesPrint);
    lay(onSheet, c.text, c.linesPrint);
    onSheet.SetSheetLines(sheet);
    const QImage without = RenderPageImage(plain, 96), with = RenderPageImage(onSheet, 96);
    if (c.asWithout) {
      EXPECT_EQ(with, without);
      continue;
    }
    EXPECT_NE(with, without);
    // No ink within a unit of the line's half width, over rows 2 and 3.
    for (int y = 40; y < 120; ++y)
      for (int x = 98; x <= 101; ++x)
        ASSERT_GE(qGray(with.pixel(x, y)), 128) << "ink at " << x << ", " << y << " on the sheet's line";
    QTemporaryDir dir;
    const PdfPage page = PrintToPdf(onSheet, dir.filePath(QStringLiteral("sheet.pdf")));
    QString read;
    for (const PdfWord& w : page.words) read += w.text;
    EXPECT_EQ(read, QString(c.text).remove(QLatin1Char(' '))) << "the value is shown whole";
  }
  // The screen shows the cells, never the sheet.
  ReportGrid plain, onSheet;
  lay(plain, longText, false);
  lay(onSheet, longText, false);
  onSheet.SetSheetLines(sheet);
  QImage screenWith(200, 200, QImage::Format_RGB32), screenWithout(200, 200, QImage::Format_RGB32);
  for (auto [image, grid] : {std::pair{&screenWith, &onSheet}, std::pair{&screenWithout, &plain}}) {
    image->fill(Qt::white);
    QPainter painter(image);
    PaintGrid(painter, *grid, 96, 96, RenderTarget::kScreen);
  }
  EXPECT_EQ(screenWith, screenWithout);
}

TEST(ReportGridPrinting, PreviewShowsThePageThePrintGives) {
  platform::PrintersScript noPrinters;
  PreviewScript preview;
  ReportGrid g;
  LayPlacedGrid(g, kPlacedPages[1]);
  PrintPreview(g, 100);
  ASSERT_EQ(preview.Shown().size(), 1);
  EXPECT_EQ(preview.Shown()[0].zoom, 100);
  EXPECT_EQ(preview.Shown()[0].page.paperSize, kPaperA5);
  EXPECT_EQ(preview.Shown()[0].image, RenderPageImage(g, kPreviewScriptDpi));
  EXPECT_THROW(PrintPreview(g, 0), platform::RuntimeError);
}

TEST(ReportGridPrinting, ThePreviewWindowShowsThePageAtTheZoomAskedForAndSaysSo) {
  platform::PrintersScript noPrinters;  // previewed on a PDF page
  ReportGrid g;
  LayPlacedGrid(g, kPlacedPages[0]);
  struct Seen {
    bool dialog = false;
    int zoomMode = -1;
    double zoomFactor = 0;
    QString zoomBox;
    bool fitting = true;
  };
  for (int zoom : {100, 150}) {
    SCOPED_TRACE(zoom);
    // What the open window shows, looked at as soon as it is up; it is then closed.
    auto seen = std::make_shared<Seen>();
    const bool up = testsupport::WhileModal([&] { PrintPreview(g, zoom); }, [seen](QWidget& modal) {
      auto* dialog = qobject_cast<QPrintPreviewDialog*>(&modal);
      if (!dialog) return;
      dialog->resize(dialog->width() + 40, dialog->height() + 40);  // a resize keeps the zoom
      QApplication::processEvents();
      seen->dialog = true;
      if (auto* view = dialog->findChild<QPrintPreviewWidget*>()) {
        seen->zoomMode = view->zoomMode();
        seen->zoomFactor = view->zoomFactor();
      }
      if (auto* box = dialog->findChild<QComboBox*>()) seen->zoomBox = box->currentText();
      seen->fitting = false;
      for (QAction* fit : dialog->findChildren<QAction*>())
        if (fit->objectName().startsWith("fit") && fit->isChecked()) seen->fitting = true;
    });
    ASSERT_TRUE(up);
    ASSERT_TRUE(seen->dialog);
    EXPECT_EQ(seen->zoomMode, QPrintPreviewWidget::CustomZoom);
    EXPECT_DOUBLE_EQ(seen->zoomFactor, zoom / 100.0);
    EXPECT_EQ(seen->zoomBox, QStringLiteral("%1%").arg(zoom));  // the window's zoom box agrees
    EXPECT_FALSE(seen->fitting);
  }
}

// The preview opens wide enough for the page's whole width at 100 percent, with the
// top of the page in view.
TEST(ReportGridPrinting, ThePreviewOpensOnTheTopOfThePageAndItsWholeWidth) {
  platform::PrintersScript noPrinters;
  ReportGrid g;
  LayPlacedGrid(g, kPlacedPages[0]);  // A4
  struct Seen {
    bool dialog = false;
    double pageTop = 0, pageWidth = 0, shownTop = 0, shownWidth = 0;
  };
  auto seen = std::make_shared<Seen>();
  const bool up = testsupport::WhileModal([&] { PrintPreview(g, 100); }, [seen](QWidget& modal) {
    auto* dialog = qobject_cast<QPrintPreviewDialog*>(&modal);
    if (!dialog) return;
    seen->dialog = true;
    if (auto* view = dialog->findChild<QGraphicsView*>()) {
      QRectF pageRect;
      for (QGraphicsItem* item : view->scene()->items())
        if (item->boundingRect().width() > pageRect.width()) pageRect = item->sceneBoundingRect();
      const QRectF shown = view->mapToScene(view->viewport()->rect()).boundingRect();
      seen->pageTop = pageRect.top();
      seen->pageWidth = pageRect.width();
      seen->shownTop = shown.top();
      seen->shownWidth = shown.width();
    }
  });
  ASSERT_TRUE(up);
  ASSERT_TRUE(seen->dialog);
  EXPECT_LE(seen->shownTop, seen->pageTop);           // the page's first row is in view
  EXPECT_GE(seen->shownWidth, seen->pageWidth);       // and its whole width
}

TEST(ReportGridPrinting, APdfFileThatCannotBeWrittenIsAPrintError) {
  ReportGrid g;
  try {
    PrintGridToPdf(g, QStringLiteral("/nonexistent-folder/page.pdf"));
    FAIL() << "printed into a folder that does not exist";
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.Number(), platform::kErrPrinter);
  }
}

TEST(ReportGridPrinting, NoPrinterIsAClearError) {
  platform::PrintersScript noPrinters;
  ReportGrid g;
  try {
    PrintGrid(g);
    FAIL() << "printed without a printer";
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.Number(), platform::kErrPrinter);
    EXPECT_TRUE(e.Description().contains("nicio imprimanta"));
  }
}

TEST(ReportGridPrinting, PrintsThroughCupsOnThePrinterMadeCurrent) {
  const testsupport::PrintQueues queues = testsupport::TestPrintQueues();
  if (!queues.Available()) GTEST_SKIP() << "no test print queues (scripts/test.sh starts them)";
  platform::ResetCurrentPrinter();
  for (const auto& [queue, p] : {std::pair{queues.fisa, kPlacedPages[1]}, std::pair{queues.acte, kPlacedPages[3]}}) {
    SCOPED_TRACE(queue.toStdString());
    ASSERT_TRUE(platform::MakeCurrentPrinter(queue));
    ASSERT_EQ(platform::CurrentPrinter().DeviceName(), queue);
    ReportGrid g;
    LayPlacedGrid(g, p);
    // A word of this test's own: tests that run at the same time print on these queues too.
    g.Cell(8, 8).SetText("PrinCoada");
    const QStringList before = testsupport::CapturedJobs(queues);
    PrintGrid(g);
    const QString job = testsupport::WaitForNewJob(queues, queue, before, "PrinCoada");
    ASSERT_FALSE(job.isEmpty()) << "no job reached the capture folder";
    ExpectPlaced(ReadSinglePage(job), p);
  }
  platform::ResetCurrentPrinter();
}

TEST(ReportGridPrinting, APrintThatFailsIsAClearError) {
  platform::PrintersScript gone({"Imprimanta_Disparuta"});  // listed, but not there to print
  ReportGrid g;
  g.Cell(1, 1).SetText("x");
  try {
    PrintGrid(g);
    FAIL() << "a print on a missing printer reported no failure";
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.Number(), platform::kErrPrinter);
    EXPECT_EQ(e.Description(),
              "Tiparirea pe imprimanta \"Imprimanta_Disparuta\" nu a reusit. Verificati imprimanta si "
              "incercati din nou.");
  }
}

TEST(ReportGridPrinting, AJobThePrintSystemRefusesIsAClearError) {
  const testsupport::PrintQueues queues = testsupport::TestPrintQueues();
  if (!queues.Available() || queues.refusing.isEmpty())
    GTEST_SKIP() << "no test print queues (scripts/test.sh starts them)";
  platform::ResetCurrentPrinter();
  ReportGrid g;
  LayPlacedGrid(g, kPlacedPages[0]);
  ASSERT_TRUE(platform::MakeCurrentPrinter(queues.refusing));
  try {
    PrintGrid(g);
    ADD_FAILURE() << "a refused job was reported as printed";
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.Number(), platform::kErrPrinter);
    EXPECT_EQ(e.Description(), QStringLiteral("Tiparirea pe imprimanta \"%1\" nu a reusit. Verificati imprimanta "
                                              "si incercati din nou.")
                                   .arg(queues.refusing));
  }
  // The next print on a queue that takes it goes through without an error.
  ASSERT_TRUE(platform::MakeCurrentPrinter(queues.acte));
  const QStringList before = testsupport::CapturedJobs(queues);
  g.Cell(8, 8).SetText("DupaRefuz");  // a word of this test's own
  EXPECT_NO_THROW(PrintGrid(g));
  EXPECT_FALSE(testsupport::WaitForNewJob(queues, queues.acte, before, "DupaRefuz").isEmpty());
  platform::ResetCurrentPrinter();
}

TEST(ReportGridPrinting, AnAreasLineRunsAlongItsWholeEdgeOnPaper) {
  ReportGrid g;
  LayLineGrid(g);
  g.Cell(1, 1).SetBorder(kEdgeBottom, kLineThick);  // before the merge
  g.Range(1, 1, 2, 3).Merge();
  const QImage paper = RenderPageImage(g, 96);
  for (int column = 0; column < 3; ++column)          // under the whole area
    EXPECT_LT(DarkestOnRow(paper, 80, column * 50 + 2, column * 50 + 48), 100) << column;
  EXPECT_EQ(DarkestOnRow(paper, 40, 2, 148), 255);   // not inside it
}

TEST(ReportGridPrinting, FrameCornersAreClosedAndLoneLinesEndAtTheirCells) {
  ReportGrid g;
  LayLineGrid(g);  // boundaries at x 0, 50, 100, 150 and y 0, 40, 80, 120 pixels
  for (int edge : {kEdgeTop, kEdgeBottom, kEdgeLeft, kEdgeRight}) g.Range(2, 2, 3, 3).SetBorder(edge, kLineThick);
  g.Cell(1, 1).SetBorder(kEdgeTop, kLineThin);  // a line that meets no other
  const QImage paper = RenderPageImage(g, 96);
  auto dark = [&](int x, int y) { return qGray(paper.pixel(x, y)) < 100; };
  // The outer corner of each thick corner is inked, not notched.
  EXPECT_TRUE(dark(49, 39));
  EXPECT_TRUE(dark(150, 39));
  EXPECT_TRUE(dark(49, 120));
  EXPECT_TRUE(dark(150, 120));
  // Lines stop where nothing meets them.
  EXPECT_FALSE(dark(151, 40));
  EXPECT_FALSE(dark(50, 121));
  EXPECT_TRUE(dark(0, 0));
  EXPECT_TRUE(dark(49, 0));
  EXPECT_FALSE(dark(50, 0));
}

// A grid printed into a PDF file that cannot be written: 482, naming the file (it has no
// printer to name) and what the clerk can check.
TEST(ReportGridPrinting, APdfFileThatCannotBeWrittenIsNamed) {
  ReportGrid grid;
  const QString path = QStringLiteral("/nonexistent-folder/grila.pdf");
  try {
    PrintGridToPdf(grid, path);
    ADD_FAILURE() << "no error";
  } catch (const platform::RuntimeError& error) {
    EXPECT_EQ(error.Number(), platform::kErrPrinter);
    EXPECT_TRUE(error.Description().startsWith("Fisierul \"" + path + "\" nu a putut fi scris. Verificati"))
        << error.Description().toStdString();
  }
}
