// The persons search of the main window, through its real handler into its real list:
// a CNP prefix over 200,000 persons, and the whole table of 20,000 persons.

#include <QRadioButton>
#include <benchmark/benchmark.h>

#include "PersonsDatabase.h"
#include "core/AppState.h"
#include "core/Settings.h"
#include "main_window/frmVelorast.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"

namespace {

// The main window over a database of `persons` persons, with the search frames shown.
class WindowOver {
 public:
  explicit WindowOver(int persons) {
    core::BazaDate = bench::PersonsDatabase(persons);
    core::settings::UsesBD = true;
    platform::Forms::Unload<frmVelorast>();
    w = platform::Forms::Get<frmVelorast>();
    w->resize(1280, 1000);
  }
  ~WindowOver() {
    platform::Forms::Unload<frmVelorast>();
    core::BazaDate.reset();
  }
  frmVelorast* w;
  platform::MessageBoxScript boxes;  // a failure is counted, never waited on
};

void Search(benchmark::State& state, int persons, const QString& criterion) {
  WindowOver window(persons);
  frmVelorast* w = window.w;
  w->optCNP->setChecked(true);
  w->txtCriteriu->setText(criterion);
  for (auto _ : state) w->cmdCauta_Click();
  state.counters["rows"] = w->lvwResult->Count();
  if (!window.boxes.Shown().isEmpty()) state.SkipWithError(window.boxes.Shown()[0].prompt.toStdString().c_str());
}

void BM_WindowSearchByCnpPrefix(benchmark::State& state) { Search(state, 200000, QStringLiteral("1850331*")); }
void BM_WindowListsEveryPerson(benchmark::State& state) { Search(state, 20000, QString()); }

BENCHMARK(BM_WindowSearchByCnpPrefix)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowListsEveryPerson)->Unit(benchmark::kMillisecond);

}  // namespace
