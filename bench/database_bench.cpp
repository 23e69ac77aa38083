// The persons search over a large table: a CNP prefix, as the clerk types it, must be
// served by the index; a name pattern scans the table through the clerk's LIKE.

#include <QDate>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "core/DatabaseSchema.h"

namespace {

constexpr int kPersons = 200000;

// A well-formed CNP: births spread over 1950 to 2004, about ten a day.
QString Cnp(int i) {
  const QDate born = QDate(1950, 1, 1).addDays(qint64(i) * 37 % 20000);
  const int sex = (born.year() >= 2000 ? 5 : 1) + i / 7 % 2;
  const QString first12 = QStringLiteral("%1%2%3").arg(sex).arg(born.toString(QStringLiteral("yyMMdd")))
                              .arg(QStringLiteral("%1%2").arg(1 + i % 46, 2, 10, QLatin1Char('0'))
                                       .arg(i % 1000, 3, 10, QLatin1Char('0')));
  return first12 + QString::number(core::schema::CnpControlDigit(first12));
}

// One database of kPersons persons for every benchmark of this file.
platform::Database& LargeDatabase() {
  static QTemporaryDir dir;
  static std::shared_ptr<platform::Database> db = [] {
    auto d = core::schema::CreateProgramDatabase(dir.path(), false);
    const char* surnames[] = {"POPESCU", "IONESCU", "POPA", "RADU", "STAN", "MUNTEANU", "ŞERBAN", "ŢURCANU"};
    d->InTransaction([&] {
      for (int i = 0; i < kPersons; ++i) {
        d->Execute(QStringLiteral("INSERT INTO Persoane (Nume, Serie, nr, CNP) VALUES (?, ?, ?, ?)"),
                   {QStringLiteral("%1 ION %2").arg(QString::fromUtf8(surnames[i % 8])).arg(i), "RX",
                    QString::number(100000 + i), Cnp(i)});
      }
    });
    return d;
  }();
  return *db;
}

// Opens the search's record set and reads the four listed columns of every row, as
// the persons list is filled.
void Search(benchmark::State& state, const char* column, const char* pattern) {
  platform::Database& db = LargeDatabase();
  const QString sql = QStringLiteral("SELECT * FROM Persoane WHERE %1 LIKE ?").arg(QLatin1String(column));
  int rows = 0;
  for (auto _ : state) {
    auto rs = db.OpenRecordset(sql, {QString::fromUtf8(pattern)});
    rows = 0;
    for (; !rs->EOF(); rs->MoveNext()) {
      benchmark::DoNotOptimize(rs->Fields(QStringLiteral("Nume")).Text());
      benchmark::DoNotOptimize(rs->Fields(QStringLiteral("Serie")).Text());
      benchmark::DoNotOptimize(rs->Fields(QStringLiteral("nr")).Text());
      benchmark::DoNotOptimize(rs->Fields(QStringLiteral("CNP")).Text());
      ++rows;
    }
  }
  state.counters["rows"] = rows;
}

// The first seven digits (sex and birth date) of a stored CNP, and a star.
void BM_PersonsByCnpPrefix(benchmark::State& state) {
  Search(state, "CNP", (Cnp(12345).left(7) + QLatin1Char('*')).toUtf8().constData());
}
void BM_PersonsByWholeCnp(benchmark::State& state) {
  Search(state, "CNP", Cnp(150000).toUtf8().constData());
}
void BM_PersonsByNamePattern(benchmark::State& state) { Search(state, "Nume", "şerban ion 1999*"); }

BENCHMARK(BM_PersonsByCnpPrefix)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PersonsByWholeCnp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PersonsByNamePattern)->Unit(benchmark::kMillisecond);

// Finding a row of a large set by its CNP, as the selection and the delete do.
void BM_FindFirstInTheWholeTable(benchmark::State& state) {
  platform::Database& db = LargeDatabase();
  auto rs = db.OpenRecordset(QStringLiteral("SELECT * FROM Persoane"));
  for (auto _ : state) {
    rs->FindFirst(QStringLiteral("CNP = ?"), {Cnp(150000)});
    benchmark::DoNotOptimize(rs->NoMatch());
  }
}
BENCHMARK(BM_FindFirstInTheWholeTable)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The main window's record set at load: every person.
void BM_OpenWholeTable(benchmark::State& state) {
  platform::Database& db = LargeDatabase();
  for (auto _ : state) {
    auto rs = db.OpenRecordset(QStringLiteral("SELECT * FROM Persoane"));
    benchmark::DoNotOptimize(rs->RecordCount());
  }
}
BENCHMARK(BM_OpenWholeTable)->Unit(benchmark::kMillisecond);

}  // namespace
