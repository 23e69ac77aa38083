// Every grid document printed into a PDF file as the print path prints it, against a bare
// QPdfWriter drawing the very items the page drew (recorded once, as the tests record
// them): on a case whose boxes hold their fields' names and on the case of long values.

#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <array>

#include "core/CaseBoxTable.h"
#include "core/CaseBoxes.h"
#include "grid_documents/modCV.h"
#include "grid_documents/modCVCertifRadiere.h"
#include "grid_documents/modCertifRadiere.h"
#include "grid_documents/modEvidenta.h"
#include "report_grid/PageRenderer.h"
#include "report_grid/Printing.h"
#include "sheet_back/modFisaVerso.h"
#include "sheet_front/modFisaFata.h"
#include "snapshot/CaseFile.h"
#include "support/PageRecording.h"

namespace {

class CaseBoxes : public core::CaseBoxes {
 public:
  QString txtCamp(int index) const override { return camp_.at(index); }
  QString txtVerso(int index) const override { return verso_.at(index); }
  QString txtSpecificatii() const override { return specificatii_; }
  void Set(const QString& field, const QString& text) {
    const std::optional<core::BoxRef> box = core::FindBox(field);
    if (!box) return;
    if (box->array == core::BoxArray::txtCamp) camp_[box->index] = text;
    else if (box->array == core::BoxArray::txtVerso) verso_[box->index] = text;
    else specificatii_ = text;
  }

 private:
  std::array<QString, 45> camp_;
  std::array<QString, 40> verso_;
  QString specificatii_;
};

// The long case as typed (`named` false), or its fields each holding its own name.
CaseBoxes Case(bool named) {
  CaseBoxes boxes;
  const snapshot::CaseFile file = snapshot::ReadCaseFile(QStringLiteral(VELORAST_SOURCE_DIR "/tests/support/long-values.case"));
  for (const auto& [field, value] : file.boxes) boxes.Set(field, named ? field : value);
  return boxes;
}

using Layout = void (*)(report_grid::ReportGrid&, const core::CaseBoxes&);
using Marking = bool (*)(report_grid::ReportGrid&, bool);
bool NoMarking(report_grid::ReportGrid&, bool) { return true; }

struct Document {
  Layout layout;
  Marking marking;
  bool complete;
};

void Lay(report_grid::ReportGrid& grid, const Document& d, bool longValues) {
  d.layout(grid, Case(!longValues));
  d.marking(grid, d.complete);
}

void BM_PrintToPdf(benchmark::State& state, Document d) {
  report_grid::ReportGrid grid;
  Lay(grid, d, state.range(0) != 0);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("page.pdf"));
  for (auto _ : state) report_grid::PrintGridToPdf(grid, path);
}

void BM_BareWriterToPdf(benchmark::State& state, Document d) {
  report_grid::ReportGrid grid;
  Lay(grid, d, state.range(0) != 0);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  report_grid::SetUpPrinter(printer, grid.Page());
  const testsupport::RecordedPage page = testsupport::RecordedPage::Record(
      printer.pageLayout(), printer.resolution(), [&](QPainter& painter) { report_grid::PaintPage(painter, grid); });
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("page.pdf"));
  for (auto _ : state) page.ReplayToPdf(path);
  state.counters["texts"] = page.TextItems();
}

#define PAPER_BENCHMARKS(name, layout, marking, complete)                                           \
  BENCHMARK_CAPTURE(BM_PrintToPdf, name, Document{layout, marking, complete})                       \
      ->ArgName("longValues")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);                       \
  BENCHMARK_CAPTURE(BM_BareWriterToPdf, name, Document{layout, marking, complete})                  \
      ->ArgName("longValues")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)

PAPER_BENCHMARKS(FisaFataComplet, sheet_front::LayoutFisaFataComplet, sheet_front::SetPrintFisaFata, true);
PAPER_BENCHMARKS(FisaFata, sheet_front::LayoutFisaFata, sheet_front::SetPrintFisaFata, false);
PAPER_BENCHMARKS(FisaVersoComplet, sheet_back::LayoutFisaVersoComplet, sheet_back::SetPrintFisaVerso, true);
PAPER_BENCHMARKS(FisaVerso, sheet_back::LayoutFisaVerso, sheet_back::SetPrintFisaVerso, false);
PAPER_BENCHMARKS(CV, grid_documents::LayoutCV, NoMarking, true);
PAPER_BENCHMARKS(CertifRadiere, grid_documents::LayoutCertifRadiere, NoMarking, true);
PAPER_BENCHMARKS(Evidenta, grid_documents::LayoutEvidenta, NoMarking, true);
PAPER_BENCHMARKS(CVCertifRadiere, grid_documents::LayoutCVCertifRadiere, NoMarking, true);

}  // namespace
