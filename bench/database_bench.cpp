// The persons search over a large table: a CNP prefix, as the clerk types it, must be
// served by the index; a name pattern scans the table through the clerk's LIKE.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include "PersonsDatabase.h"

namespace {

using bench::Cnp;

constexpr int kPersons = 200000;

platform::Database& LargeDatabase() { return *bench::PersonsDatabase(kPersons); }

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

// The main window's record set at load: every person, positioned on the first; and the
// same set read to its end, as its count does.
void BM_OpenWholeTable(benchmark::State& state) {
  platform::Database& db = LargeDatabase();
  for (auto _ : state) {
    auto rs = db.OpenRecordset(QStringLiteral("SELECT * FROM Persoane"));
    benchmark::DoNotOptimize(rs->EOF());
  }
}
void BM_OpenWholeTableAndCountIt(benchmark::State& state) {
  platform::Database& db = LargeDatabase();
  for (auto _ : state) {
    auto rs = db.OpenRecordset(QStringLiteral("SELECT * FROM Persoane"));
    benchmark::DoNotOptimize(rs->RecordCount());
  }
}
BENCHMARK(BM_OpenWholeTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWholeTableAndCountIt)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The row ids of every man born before 2000 ("1*", about half the table), in row id
// order, through the record set the search opens ...
void BM_HalfTheTableRowIdsThroughTheRecordSet(benchmark::State& state) {
  platform::Database& db = *bench::PersonsDatabase(int(state.range(0)));
  size_t rows = 0;
  for (auto _ : state) {
    auto rs = db.OpenRecordset(QStringLiteral("SELECT * FROM Persoane WHERE CNP LIKE ?"), {QStringLiteral("1*")});
    rows = rs->RowIds().size();
  }
  state.counters["rows"] = double(rows);
}
// ... and, beside it, the same rows read through the engine's C API alone: the range on
// the index stepped, its row ids collected into a new vector as the index gives them.
void BM_HalfTheTableRowIdsThroughTheCApi(benchmark::State& state) {
  platform::Database& db = *bench::PersonsDatabase(int(state.range(0)));
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db.Handle(), "SELECT rowid FROM Persoane WHERE CNP >= '1' AND CNP < '2'", -1, &stmt, nullptr);
  size_t rows = 0;
  for (auto _ : state) {
    std::vector<qint64> rowids;
    while (sqlite3_step(stmt) == SQLITE_ROW) rowids.push_back(sqlite3_column_int64(stmt, 0));
    sqlite3_reset(stmt);
    benchmark::DoNotOptimize(rowids.data());
    rows = rowids.size();
  }
  sqlite3_finalize(stmt);
  state.counters["rows"] = double(rows);
}
BENCHMARK(BM_HalfTheTableRowIdsThroughTheRecordSet)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HalfTheTableRowIdsThroughTheCApi)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
