// What a listing of every person holds in memory once it is shown: the search's record
// set and the list's rows, the row ids among them, at 200,000 and 1,000,000 persons.
// Heap bytes in use after the search less those before it, so that what earlier
// searches left to the allocator does not count.

#include <QApplication>
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "PersonsDatabase.h"
#include "core/AppState.h"
#include "main_window/StoredRecords.h"
#include "platform/ListView.h"

namespace {

double HeapMegabytes() {
  const struct mallinfo2 heap = mallinfo2();
  return double(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
}

void BM_ListingOfEveryPersonHolds(benchmark::State& state) {
  core::BazaDate = bench::PersonsDatabase(int(state.range(0)));
  platform::ListView list;
  list.SetColumns({{"Nume", 70}, {"Ser", 30}, {"Nr", 50}, {"CNP", 100}});
  list.resize(200, 340);
  std::unique_ptr<platform::Recordset> rs;
  // Once before: the engine's page cache, which the first reading fills, is no part of it.
  main_window::SearchRecords(main_window::kPersoane, QStringLiteral("CNP"), QString(), rs, list);
  double held = 0;
  for (auto _ : state) {
    rs.reset();
    list.Fill({});
    const double before = HeapMegabytes();
    main_window::SearchRecords(main_window::kPersoane, QStringLiteral("CNP"), QString(), rs, list);
    held = HeapMegabytes() - before;
  }
  state.counters["rows"] = list.Count();
  state.counters["held_MB"] = held;
  rs.reset();
  list.Fill({});
  core::BazaDate.reset();
}
BENCHMARK(BM_ListingOfEveryPersonHolds)->Arg(200000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
