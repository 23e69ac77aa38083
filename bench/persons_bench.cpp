// The persons search as the clerk waits for it: the main window shown, its real handler
// searching into its real list, and the list laid out and painted; at 20,000, 200,000
// and 1,000,000 persons, for a prefix that matches one row, one that matches about half
// the table, and the full listing.

#include <QApplication>
#include <QRadioButton>
#include <QTabWidget>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <fstream>

#include "PersonsDatabase.h"
#include "core/AppState.h"
#include "core/Settings.h"
#include "main_window/ListedRecords.h"
#include "main_window/frmVelorast.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"

namespace {

// Counts the paints of a widget.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// The main window over a database of `persons` persons, shown on its persons tab.
class WindowOver {
 public:
  explicit WindowOver(int persons) {
    core::BazaDate = bench::PersonsDatabase(persons);
    core::settings::UsesBD = true;
    platform::Forms::Unload<frmVelorast>();
    w = platform::Forms::Get<frmVelorast>();
    w->resize(1280, 1000);
    w->show();
    w->tabVelorast->setCurrentIndex(1);
    QApplication::processEvents();
    w->lvwResult->viewport()->installEventFilter(&counter);
  }
  ~WindowOver() {
    platform::Forms::Unload<frmVelorast>();
    core::BazaDate.reset();
  }
  frmVelorast* w;
  PaintCounter counter;
  platform::MessageBoxScript boxes;  // a failure is counted, never waited on
};

double ResidentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The search by CNP, then the list laid out and painted at once.
void ShownSearch(benchmark::State& state, const QString& criterion) {
  WindowOver window(int(state.range(0)));
  frmVelorast* w = window.w;
  w->optCNP->setChecked(true);
  w->txtCriteriu->setText(criterion);
  for (auto _ : state) {
    w->cmdCauta_Click();
    QCoreApplication::sendPostedEvents();
    w->lvwResult->viewport()->repaint();
  }
  state.counters["rows"] = w->lvwResult->Count();
  state.counters["paints"] = benchmark::Counter(window.counter.paints, benchmark::Counter::kAvgIterations);
  if (auto* listed = dynamic_cast<main_window::ListedRecords*>(w->lvwResult->Rows()))
    state.counters["rows_read"] = double(listed->RowsRead());
  state.counters["rss_MB"] = ResidentMegabytes();
  if (!window.boxes.Shown().isEmpty()) state.SkipWithError(window.boxes.Shown()[0].prompt.toStdString().c_str());
}

// The first twelve digits of a stored CNP, and a star: one person.
void BM_ShownSearchOneRow(benchmark::State& state) {
  ShownSearch(state, bench::Cnp(int(state.range(0)) - 1).left(12) + QLatin1Char('*'));
}
// Every man born before 2000: about half the table.
void BM_ShownSearchHalfTheTable(benchmark::State& state) { ShownSearch(state, QStringLiteral("1*")); }
// An empty criterion: every person.
void BM_ShownListingOfEveryPerson(benchmark::State& state) { ShownSearch(state, QString()); }

BENCHMARK(BM_ShownSearchOneRow)->Arg(20000)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShownSearchHalfTheTable)->Arg(20000)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShownListingOfEveryPerson)->Arg(20000)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
