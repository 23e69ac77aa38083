// The letters: each layout with its fill, from a case with every box filled, on the
// model alone; the page with contract and certificate also laid on a shown view.

#include <QApplication>
#include <benchmark/benchmark.h>

#include "core/CaseBoxes.h"
#include "grid_documents/modCV.h"
#include "grid_documents/modCVCertifRadiere.h"
#include "grid_documents/modCertifRadiere.h"
#include "grid_documents/modEvidenta.h"
#include "report_grid/ReportGridView.h"

namespace {

// Every box holds a text; the register boxes too, so that both parties are firms.
class EveryBoxFilled : public core::CaseBoxes {
 public:
  QString txtCamp(int index) const override { return QStringLiteral("VEHICUL %1").arg(index); }
  QString txtVerso(int index) const override { return QStringLiteral("PARTE %1").arg(index); }
  QString txtSpecificatii() const override { return {}; }
};

using Layout = void (*)(report_grid::ReportGrid&, const core::CaseBoxes&);

void BM_Letter(benchmark::State& state, Layout layout) {
  const EveryBoxFilled boxes;
  report_grid::ReportGrid grid;
  for (auto _ : state) {
    layout(grid, boxes);
    benchmark::DoNotOptimize(grid.Revision());
  }
}
BENCHMARK_CAPTURE(BM_Letter, LayoutCV, grid_documents::LayoutCV)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Letter, LayoutCertifRadiere, grid_documents::LayoutCertifRadiere)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Letter, LayoutEvidenta, grid_documents::LayoutEvidenta)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Letter, LayoutCVCertifRadiere, grid_documents::LayoutCVCertifRadiere)
    ->Unit(benchmark::kMicrosecond);

void BM_LayoutCVCertifRadiereOnTheView(benchmark::State& state) {
  const EveryBoxFilled boxes;
  report_grid::ReportGridView view;
  view.resize(800, 1100);
  view.show();
  QApplication::processEvents();
  for (auto _ : state) grid_documents::LayoutCVCertifRadiere(view.Model(), boxes);
}
BENCHMARK(BM_LayoutCVCertifRadiereOnTheView)->Unit(benchmark::kMicrosecond);

}  // namespace
