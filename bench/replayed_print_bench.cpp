// Every grid document and every document form printed into a PDF file as the print path
// prints it, against a bare QPdfWriter drawing the very items the page drew (recorded
// once, as the tests record them): on a case whose boxes hold their fields' names and on
// the case of long values.

#include <QApplication>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <array>
#include <optional>

#include "FirstPrint.h"
#include "core/CaseBoxTable.h"
#include "core/CaseBoxes.h"
#include "core/CaseWindow.h"
#include "core/FontSubstitutions.h"
#include "core/Fonts.h"
#include "core/MDIVelorast.h"
#include "document_forms/EveryForm.h"
#include "document_forms/RecordingPrinter.h"
#include "grid_documents/modCV.h"
#include "grid_documents/modCVCertifRadiere.h"
#include "grid_documents/modCertifRadiere.h"
#include "grid_documents/modEvidenta.h"
#include "platform/MessageBox.h"
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
  for (auto _ : state) {
    bench::FirstPrint(state);
    report_grid::PrintGridToPdf(grid, path);
  }
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

// The form opened as its launcher opens it over the case, in the documents' font, shown
// in the MDI parent while it lives.
class OpenedForm {
 public:
  OpenedForm(const testsupport::FormEntry& entry, bool longValues) : boxes_(Case(!longValues)) {
    core::RegisterFontSubstitutions();
    saved_ = core::fonts::FontDrav;
    QFont drav(QStringLiteral("Times New Roman"));
    drav.setPointSizeF(10);
    core::fonts::FontDrav = drav;
    core::RegisterCaseWindow(&mainWindow_, &boxes_);
    core::MDIVelorast* mdi = platform::Forms::Get<core::MDIVelorast>();
    mdi->resize(1200, 800);
    mdi->show();
    QApplication::processEvents();
    form_ = entry.open();
    QApplication::processEvents();
  }
  ~OpenedForm() {
    form_->close();
    QApplication::processEvents();
    for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    core::RegisterCaseWindow(nullptr, nullptr);
    core::fonts::FontDrav = saved_;
  }
  document_forms::DocumentForm& Form() { return *form_; }

 private:
  platform::MessageBoxScript messages_;  // a form that tells of a missing scan waits on no one
  CaseBoxes boxes_;
  QWidget mainWindow_;
  QFont saved_;
  document_forms::DocumentForm* form_ = nullptr;
};

void BM_PrintFormToPdf(benchmark::State& state, const testsupport::FormEntry& entry, bool longValues) {
  OpenedForm opened(entry, longValues);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("page.pdf"));
  for (auto _ : state) {
    bench::FirstPrint(state);
    opened.Form().PrintToPdf(path);
  }
}

void BM_BareWriterFormToPdf(benchmark::State& state, const testsupport::FormEntry& entry, bool longValues) {
  OpenedForm opened(entry, longValues);
  testsupport::RecordingPrinter printer;
  {
    const platform::FormPrinterScript script(printer);
    opened.Form().cmdPrint_Click(0);
  }
  if (!printer.page) {
    state.SkipWithError("the form printed no page");
    return;
  }
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("page.pdf"));
  for (auto _ : state) printer.page->ReplayToPdf(path);
  state.counters["texts"] = printer.page->TextItems();
}

// The forms in the order of the list the tests check every form by, each program and
// bare writer side by side, the sample-style case first.
const bool kFormBenchmarks = [] {
  for (const testsupport::FormEntry& entry : testsupport::AllForms()) {
    for (const bool longValues : {false, true}) {
      const std::string suffix = std::string(entry.name) + (longValues ? "/longValues:1" : "/longValues:0");
      benchmark::RegisterBenchmark(("BM_PrintFormToPdf/" + suffix).c_str(), BM_PrintFormToPdf, entry, longValues)
          ->Unit(benchmark::kMillisecond);
      benchmark::RegisterBenchmark(("BM_BareWriterFormToPdf/" + suffix).c_str(), BM_BareWriterFormToPdf, entry,
                                   longValues)
          ->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}();

}  // namespace
