// The report grid: a layout of 700 grid calls with redraw off and one refresh, and a
// full A4 page rendered to PDF, its texts short or each too long for its cell (fitted:
// condensed and reduced in size).

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "FirstPrint.h"
#include "report_grid/PageRenderer.h"
#include "report_grid/Printing.h"
#include "report_grid/ReportGrid.h"
#include "report_grid/ReportGridView.h"
#include "support/PageRecording.h"

using namespace report_grid;

namespace {

// A sheet-sized layout as the documents lay one: clear, set up, widths, heights, label
// and value areas row by row, frames, the fill's fonts and texts, refresh. 700 calls.
int LaySheet(ReportGrid& g) {
  int calls = 0;
  if (g.Rows() - 1 > 1) {
    g.Range(1, 1, g.Rows() - 1, g.Cols() - 1).ClearText();
    g.Range(1, 1, g.Rows() - 1, g.Cols() - 1).ClearAll();
  }
  calls += 2;
  g.SetRows(37);
  g.SetCols(29);
  g.SetRedraw(false);
  calls += 3;
  for (int c = 1; c < g.Cols(); ++c, ++calls) g.Column(c).SetColumnFlag(false);
  g.DefaultFont().SetName("times new roman");
  g.DefaultFont().SetSize(6);
  g.DefaultFont().SetBold(false);
  g.SetGridOptionA(false);
  g.SetGridOptionB(true);
  calls += 5;
  for (int c = 0; c < g.Cols(); ++c, ++calls) g.Column(c).SetWidth(c == 0 ? 0 : 17 + c % 3);
  for (int r = 1; r < g.Rows(); ++r, ++calls) g.SetRowHeight(r, r == 34 ? 189 : 16 + r % 2);
  // Rows 4 to 31: a number, a label area and a value area, each with text, merge, lock
  // and alignment where it has them.
  for (int r = 4; r <= 31; ++r) {
    g.Cell(r, 1).SetText(QString::number(r - 3));
    g.Cell(r, 1).SetLocked(true);
    g.Cell(r, 1).SetAlignment(10);
    g.Cell(r, 2).SetText(QStringLiteral("Eticheta randului"));
    g.Range(r, 2, r, 6).Merge();
    g.Cell(r, 2).SetLocked(true);
    g.Cell(r, 2).SetAlignment(6);
    g.Cell(r, 2).SetWrapText(true);
    g.Range(r, 7, r, 14).Merge();
    g.Cell(r, 7).SetAlignment(10);
    g.Range(r, 15, r, 28).Merge();
    calls += 11;
  }
  g.Range(3, 1, 31, 28).SetBorder(kEdgeTop, kLineThick);
  g.Range(3, 1, 31, 28).SetBorder(kEdgeBottom, kLineThick);
  g.Range(3, 1, 31, 28).SetBorder(kEdgeLeft, kLineThick);
  g.Range(3, 1, 31, 28).SetBorder(kEdgeRight, kLineThick);
  g.Range(3, 1, 31, 28).SetBorder(kEdgeInner, kLineThin);
  calls += 5;
  for (int r = 4; r <= 31 && calls < 699; ++r) {  // the fill: font name, size, bold, text
    g.Cell(r, 7).Font().SetName("Times New Roman");
    g.Cell(r, 7).Font().SetSize(8.25);
    g.Cell(r, 7).Font().SetBold(true);
    g.Cell(r, 7).SetText(QStringLiteral("VALOARE %1").arg(r));
    calls += 4;
  }
  for (; calls < 698; ++calls) g.Cell(36, 3).SetLocked(true);
  g.SetRedraw(true);
  g.Refresh();
  return calls + 2;
}

void BM_Layout700Calls(benchmark::State& state) {
  ReportGrid grid;
  int calls = 0;
  for (auto _ : state) {
    calls = LaySheet(grid);
    benchmark::DoNotOptimize(grid.Revision());
  }
  state.counters["calls"] = calls;
}
BENCHMARK(BM_Layout700Calls)->Unit(benchmark::kMicrosecond);

// The same layout on the grid of a visible view: the refresh repaints it once.
void BM_Layout700CallsOnTheView(benchmark::State& state) {
  ReportGridView view;
  view.resize(800, 900);
  view.show();
  QApplication::processEvents();
  for (auto _ : state) LaySheet(view.Model());
}
BENCHMARK(BM_Layout700CallsOnTheView)->Unit(benchmark::kMicrosecond);

// A full A4 letter page: 54 rows, 22 columns, a text in most cells, frames and lines;
// with `longTexts` each text a name of 60 letters, three times as wide as its cell.
void LayA4Page(ReportGrid& g, bool longTexts) {
  g.SetRows(54);
  g.SetCols(22);
  g.DefaultFont().SetName("times new roman");
  g.DefaultFont().SetSize(8);
  g.Column(0).SetWidth(0);
  for (int c = 1; c < 22; ++c) g.Column(c).SetWidth(33);
  for (int r = 1; r < 54; ++r) g.SetRowHeight(r, 18);
  g.Range(1, 1, 53, 21).SetAlignment(10);
  for (int r = 1; r < 54; ++r) {
    for (int c = 1; c < 22; c += 3) {
      g.Cell(r, c).SetText(longTexts ? QStringLiteral("POPESCU-DUMITRESCU ALEXANDRU-CONSTANTIN STEFANESCU %1-%2")
                                                 .arg(r)
                                                 .arg(c)
                                     : QStringLiteral("Text %1-%2").arg(r).arg(c));
      g.Range(r, c, r, c + 2).Merge();
      g.Cell(r, c).SetBorder(kEdgeBottom, kLineThin);
    }
  }
  g.Range(1, 1, 53, 21).SetBorder(kEdgeTop, kLineThick);
  g.Range(1, 1, 53, 21).SetBorder(kEdgeBottom, kLineThick);
  g.Range(1, 1, 53, 21).SetBorder(kEdgeLeft, kLineThick);
  g.Range(1, 1, 53, 21).SetBorder(kEdgeRight, kLineThick);
  g.PageSetup().SetPaperSize(kPaperA4);
  g.PageSetup().SetLeftMargin(1.0f);
  g.PageSetup().SetTopMargin(1.5f);
}

void BM_RenderA4PageToPdf(benchmark::State& state) {
  ReportGrid grid;
  LayA4Page(grid, state.range(0) != 0);
  QTemporaryDir dir;
  const QString path = dir.filePath("page.pdf");
  for (auto _ : state) {
    bench::FirstPrint(state);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    SetUpPrinter(printer, grid.Page());
    PrintPageOn(printer, grid);
  }
}
BENCHMARK(BM_RenderA4PageToPdf)->ArgName("longTexts")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The anchor: a bare PDF writer drawing the very items that page drew.
void BM_BareWriterA4PageToPdf(benchmark::State& state) {
  ReportGrid grid;
  LayA4Page(grid, state.range(0) != 0);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  SetUpPrinter(printer, grid.Page());
  const testsupport::RecordedPage page = testsupport::RecordedPage::Record(
      printer.pageLayout(), printer.resolution(), [&](QPainter& painter) { PaintPage(painter, grid); });
  QTemporaryDir dir;
  const QString path = dir.filePath("page.pdf");
  for (auto _ : state) page.ReplayToPdf(path);
  state.counters["texts"] = page.TextItems();
}
BENCHMARK(BM_BareWriterA4PageToPdf)->ArgName("longTexts")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
