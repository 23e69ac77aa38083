// The program's start as the clerk waits for it: the database file opened and checked
// under its password, then the main window loaded (its two record sets opened), shown
// and painted; on a database of 1,000,000 persons beside the sample database, and the
// file opened alone beside both.
//
// The whole start in a process of its own, from the sample database to 5,000,000
// persons: the program's (start_probe) and, as its anchor, a bare Qt program's that
// shows an equivalent window over the same file (bare_start), each to its first paint,
// with the process's peak resident memory.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <optional>
#include <vector>

#include "PersonsDatabase.h"
#include "core/AppState.h"
#include "core/DatabaseSchema.h"
#include "core/Settings.h"
#include "main_window/frmVelorast.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"

extern char** environ;

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

// One start in a process of its own: the seconds from its launch to its first paint, the
// processor time it took (to its end, in ms) and its peak resident memory to its first
// paint in MB; nothing when it failed.
struct ProcessStart {
  double seconds = 0;
  double cpuMs = 0;
  double peakMB = 0;
};

std::optional<ProcessStart> StartProcess(const QStringList& arguments, const QByteArray& configFolder) {
  std::vector<QByteArray> texts;
  for (const QString& a : arguments) texts.push_back(QFile::encodeName(a));
  std::vector<char*> argv;
  for (QByteArray& t : texts) argv.push_back(t.data());
  argv.push_back(nullptr);
  // The settings the start reads are the benchmark's own.
  QByteArray config = "XDG_CONFIG_HOME=" + configFolder;
  std::vector<char*> envp{config.data()};
  for (char** e = environ; *e; ++e)
    if (qstrncmp(*e, "XDG_CONFIG_HOME=", 16) != 0) envp.push_back(*e);
  envp.push_back(nullptr);

  int out[2];
  if (pipe(out) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  timespec launched{};
  clock_gettime(CLOCK_MONOTONIC, &launched);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return std::nullopt;
  }
  QByteArray told;
  char buffer[64];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) told.append(buffer, n);
  close(out[0]);
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return std::nullopt;
  const QList<QByteArray> parts = told.trimmed().split(' ');
  bool ok = parts.size() == 2;
  const qint64 painted = ok ? parts[0].toLongLong(&ok) : 0;
  const double peakKb = ok ? parts[1].toDouble(&ok) : 0;
  if (!ok) return std::nullopt;
  const qint64 start = qint64(launched.tv_sec) * 1000000000LL + launched.tv_nsec;
  auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
  return ProcessStart{double(painted - start) / 1e9, ms(usage.ru_utime) + ms(usage.ru_stime),
                      peakKb / 1024.0};
}

enum class Starter { Program, Bare };

void BM_StartInItsOwnProcess(benchmark::State& state, Starter starter) {
  const QString file = DatabaseFile(int(state.range(0)));
  Open(file);  // the indexes that the first start adds are no part of what is measured
  static QTemporaryDir config;
  const QString folder = QFileInfo(file).path();
  const QString bin = QCoreApplication::applicationDirPath();
  QStringList arguments;
  if (starter == Starter::Program) {
    // The start reads its database folder from the settings, as the clerk's program does.
    const QByteArray own = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    platform::SaveSetting(core::settings::kApplication, QStringLiteral("CaleBD"), QStringLiteral("CaBD"), folder);
    own.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", own);
    arguments << bin + QStringLiteral("/velorast_start_probe");
  } else {
    arguments << bin + QStringLiteral("/velorast_bare_start") << file << core::kDatabasePassword;
  }
  double peak = 0, cpu = 0;
  for (auto _ : state) {
    const auto run = StartProcess(arguments, QFile::encodeName(config.path()));
    if (!run) {
      state.SkipWithError("the start failed");
      return;
    }
    state.SetIterationTime(run->seconds);
    peak = std::max(peak, run->peakMB);
    cpu += run->cpuMs;
  }
  state.counters["peak_MB"] = peak;
  state.counters["cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}

// 0 stands for the sample database.
BENCHMARK(BM_OpenEncryptedFile)->Arg(0)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToMainWindowPainted)->Arg(0)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartInItsOwnProcess, Program, Starter::Program)
    ->Arg(0)->Arg(1000000)->Arg(5000000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StartInItsOwnProcess, Bare, Starter::Bare)
    ->Arg(0)->Arg(1000000)->Arg(5000000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
