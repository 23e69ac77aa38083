// The program's start as the clerk waits for it: the database file opened and checked
// under its password, then the main window loaded (its two record sets opened), shown
// and painted; on a database of 1,000,000 persons beside the sample database, and the
// file opened alone beside both.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "PersonsDatabase.h"
#include "core/AppState.h"
#include "core/DatabaseSchema.h"
#include "core/Settings.h"
#include "main_window/frmVelorast.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"

namespace {

// The file of the persons database of that size (0: the sample database).
QString DatabaseFile(int persons) {
  if (persons > 0) return bench::PersonsDatabase(persons)->Path();
  static QTemporaryDir dir;
  static const QString path = core::schema::CreateProgramDatabase(dir.path(), true)->Path();
  return path;
}

// Opened as the start opens it.
std::shared_ptr<platform::Database> Open(const QString& path) {
  auto db = platform::Database::OpenDatabase(path, false, false, QStringLiteral(";PWD=") + core::kDatabasePassword);
  core::schema::AddMissingIndexes(*db);
  return db;
}

void BM_OpenEncryptedFile(benchmark::State& state) {
  const QString path = DatabaseFile(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Open(path));
}

void BM_StartToMainWindowPainted(benchmark::State& state) {
  const QString path = DatabaseFile(int(state.range(0)));
  core::settings::UsesBD = true;
  platform::MessageBoxScript boxes;  // a failure is counted, never waited on
  for (auto _ : state) {
    core::BazaDate = Open(path);
    frmVelorast* w = platform::Forms::Get<frmVelorast>();
    w->resize(1280, 1000);
    w->show();
    QApplication::processEvents();
    w->repaint();
    state.PauseTiming();
    platform::Forms::Unload<frmVelorast>();
    QApplication::processEvents();
    core::BazaDate.reset();
    state.ResumeTiming();
  }
  if (!boxes.Shown().isEmpty()) state.SkipWithError(boxes.Shown()[0].prompt.toStdString().c_str());
}

// 0 stands for the sample database.
BENCHMARK(BM_OpenEncryptedFile)->Arg(0)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToMainWindowPainted)->Arg(0)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
