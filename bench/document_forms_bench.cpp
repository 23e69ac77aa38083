// The document forms as the clerk waits for them: each of the fifteen opened as its
// launcher opens it (laid out from its table, filled from a case with every box typed
// long), shown and painted once, then closed.

#include <QApplication>
#include <QMdiSubWindow>
#include <benchmark/benchmark.h>
#include <functional>

#include "core/CaseBoxes.h"
#include "core/CaseWindow.h"
#include "core/FontSubstitutions.h"
#include "core/MDIVelorast.h"
#include "document_forms/frmCVRad.h"
#include "document_forms/frmCerRadiere.h"
#include "document_forms/frmCertifVelorast.h"
#include "document_forms/frmDeclScoatEvid.h"
#include "document_forms/frmDeclTranscriere.h"
#include "document_forms/frmDeclVelorast.h"
#include "document_forms/frmFisa2.h"
#include "document_forms/frmFisaPermis.h"
#include "document_forms/frmFisaPermisV.h"
#include "document_forms/frmFiscalPF.h"
#include "document_forms/frmFiscalPJ.h"
#include "document_forms/frmImpuneF.h"
#include "document_forms/frmImpuneV.h"
#include "document_forms/frmPierdere.h"
#include "document_forms/frmProvizorie.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"

namespace {

using document_forms::DocumentForm;

// Every box of the main window holds a value longer than most boxes.
class LongValues : public core::CaseBoxes {
 public:
  QString txtCamp(int index) const override { return QStringLiteral("WVWZZZ1JZ3W386752 VALOARE %1").arg(index); }
  QString txtVerso(int index) const override { return QStringLiteral("STR. MIHAI VITEAZUL NR. %1 BL. A2").arg(index); }
  QString txtSpecificatii() const override { return QStringLiteral("FARA MODIFICARI"); }
};

void BM_OpenAndPaintForm(benchmark::State& state, const std::function<DocumentForm*()>& open) {
  core::RegisterFontSubstitutions();
  platform::MessageBoxScript messages;  // frmCVRad tells of its missing scan; nothing waits on it
  const LongValues boxes;
  QWidget mainWindow;
  core::RegisterCaseWindow(&mainWindow, &boxes);
  core::MDIVelorast* mdi = platform::Forms::Get<core::MDIVelorast>();
  mdi->resize(1200, 800);
  mdi->show();
  QApplication::processEvents();
  for (auto _ : state) {
    DocumentForm* form = open();
    form->Frame()->repaint();
    state.PauseTiming();
    form->close();
    QApplication::processEvents();
    for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  core::RegisterCaseWindow(nullptr, nullptr);
}

template <class F>
DocumentForm* OpenForm() {
  return document_forms::Open<F>();
}

DocumentForm* OpenPierdere() { return document_forms::OpenPierdere(document_forms::frmPierdere::Opener::kMainWindow); }

using namespace document_forms;
BENCHMARK_CAPTURE(BM_OpenAndPaintForm, frmImpuneV, OpenForm<frmImpuneV>)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndPaintForm, frmFisaPermisV, OpenForm<frmFisaPermisV>)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndPaintForm, frmFisaPermis, OpenForm<frmFisaPermis>)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndPaintForm, frmCVRad, OpenForm<frmCVRad>)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndPaintForm, frmCerRadiere, OpenForm<frmCerRadiere>)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndPaintForm, frmImpuneF, OpenForm<frmImpuneF>)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndPaintForm, frmPierdere, OpenPierdere)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndPaintForm, frmProvizorie, OpenForm<frmProvizorie>)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndPaintForm, frmDeclTranscriere, OpenForm<frmDeclTranscriere>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndPaintForm, frmFisa2, OpenForm<frmFisa2>)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndPaintForm, frmFiscalPJ, OpenForm<frmFiscalPJ>)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndPaintForm, frmDeclScoatEvid, OpenForm<frmDeclScoatEvid>)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndPaintForm, frmCertifVelorast, OpenForm<frmCertifVelorast>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndPaintForm, frmFiscalPF, OpenForm<frmFiscalPF>)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OpenAndPaintForm, frmDeclVelorast, OpenForm<frmDeclVelorast>)->Unit(benchmark::kMillisecond);

}  // namespace
