// The registration sheet, front and back: each layout, filled from a full set of boxes,
// on the model alone, and the complete front on a shown view (one repaint at the end).

#include <QApplication>
#include <benchmark/benchmark.h>

#include <array>

#include "core/CaseBoxes.h"
#include "report_grid/ReportGridView.h"
#include "sheet_back/modFisaVerso.h"
#include "sheet_front/modFisaFata.h"

namespace {

class FullBoxes : public core::CaseBoxes {
 public:
  FullBoxes() {
    for (int i = 0; i < 45; ++i) camp_[i] = QStringLiteral("VALOARE %1").arg(i);
    for (int i = 0; i < 40; ++i) verso_[i] = QStringLiteral("PERSOANA %1").arg(i);
  }
  QString txtCamp(int index) const override { return camp_.at(index); }
  QString txtVerso(int index) const override { return verso_.at(index); }
  QString txtSpecificatii() const override { return QStringLiteral("Carlig remorcare\r\nJante aliaj"); }

 private:
  std::array<QString, 45> camp_;
  std::array<QString, 40> verso_;
};

template <void (*Layout)(report_grid::ReportGrid&, const core::CaseBoxes&)>
void BM_Sheet(benchmark::State& state) {
  const FullBoxes boxes;
  report_grid::ReportGrid grid;
  for (auto _ : state) {
    Layout(grid, boxes);
    benchmark::DoNotOptimize(grid.Revision());
  }
}
BENCHMARK(BM_Sheet<sheet_front::LayoutFisaFataComplet>)->Name("BM_LayoutFisaFataComplet")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sheet<sheet_front::LayoutFisaFata>)->Name("BM_LayoutFisaFata")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sheet<sheet_back::LayoutFisaVersoComplet>)->Name("BM_LayoutFisaVersoComplet")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Sheet<sheet_back::LayoutFisaVerso>)->Name("BM_LayoutFisaVerso")->Unit(benchmark::kMicrosecond);

void BM_LayoutFisaFataCompletOnTheView(benchmark::State& state) {
  const FullBoxes boxes;
  report_grid::ReportGridView view;
  view.resize(800, 900);
  view.show();
  QApplication::processEvents();
  for (auto _ : state) sheet_front::LayoutFisaFataComplet(view.Model(), boxes);
}
BENCHMARK(BM_LayoutFisaFataCompletOnTheView)->Unit(benchmark::kMicrosecond);

}  // namespace
