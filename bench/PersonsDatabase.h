#pragma once
// Persons tables of a given size for the benchmarks, each built once per run in a
// temporary folder: well-formed CNPs of births spread over 1950 to 2004, about ten a
// day for 200,000 persons, and names of a few surnames (some with diacritics), stored
// with the surnames mixed or, as a bulk import sorted by name leaves them, in blocks.
// The sizes run are 20,000, 200,000 and 1,000,000 persons, and 5,000,000 as well when
// the environment sets VELORAST_BENCH_5M=1 (that table takes minutes to build, and
// about 1.5 GB of disk). Where VELORAST_BENCH_KEEP names a folder, each table is built
// there once and opened again by later runs (the benchmarks that add, modify or delete
// persons change the kept file: run the others over it).

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>
#include <tuple>
#include <unistd.h>
#include <malloc.h>
#include <map>
#include <memory>
#include <numeric>
#include <vector>

#include "core/AppState.h"
#include "core/DatabaseSchema.h"

namespace bench {

inline QString Cnp(int i) {
  const QDate born = QDate(1950, 1, 1).addDays(qint64(i) * 37 % 20000);
  const int sex = (born.year() >= 2000 ? 5 : 1) + i / 7 % 2;
  const QString first12 = QStringLiteral("%1%2%3").arg(sex).arg(born.toString(QStringLiteral("yyMMdd")))
                              .arg(QStringLiteral("%1%2").arg(1 + i % 46, 2, 10, QLatin1Char('0'))
                                       .arg(i % 1000, 3, 10, QLatin1Char('0')));
  return first12 + QString::number(core::schema::CnpControlDigit(first12));
}

enum class Names {
  Eight,     // eight surnames in turn: POPESCU and POPA, a quarter of the rows, start with P
  HalfWithP, // half the persons named POPESCU or POPA, the rest six other surnames
};

// The name of the i-th person.
inline QString Name(int i, Names names = Names::Eight) {
  static const char* const surnames[] = {"POPESCU", "IONESCU", "POPA", "RADU", "STAN", "MUNTEANU", "ŞERBAN", "ŢURCANU"};
  static const char* const others[] = {"IONESCU", "RADU", "STAN", "MUNTEANU", "ŞERBAN", "ŢURCANU"};
  const char* surname = names == Names::Eight ? surnames[i % 8]
                        : i % 2 == 0          ? (i % 4 == 0 ? "POPESCU" : "POPA")
                                              : others[i / 2 % 6];
  return QStringLiteral("%1 ION %2").arg(QString::fromUtf8(surname)).arg(i);
}

// The table sizes of a benchmark of the persons, as the header says.
inline void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(20000)->Arg(200000)->Arg(1000000);
  if (qEnvironmentVariable("VELORAST_BENCH_5M") == QLatin1String("1")) b->Arg(5000000);
}

// The same, for benchmarks that take a second argument: each size with each of them.
template <int... Seconds>
void SizesWith(benchmark::internal::Benchmark* b) {
  std::vector<int> sizes{20000, 200000, 1000000};
  if (qEnvironmentVariable("VELORAST_BENCH_5M") == QLatin1String("1")) sizes.push_back(5000000);
  for (const int persons : sizes)
    for (const int second : {Seconds...}) b->Args({persons, second});
}

// The resident memory of the process.
inline double ResidentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

enum class Order {
  Mixed,   // the i-th person is the i-th row: the surnames follow each other row by row
  ByName,  // the rows in the order of their names: each surname a block of rows
  ByCnp,   // the rows in the order of their CNPs: the men born before 2000, then the women, ...
};

// The program's database with `persons` persons in table Persoane.
inline std::shared_ptr<platform::Database> PersonsDatabase(int persons, Order order = Order::Mixed,
                                                           Names names = Names::Eight) {
  struct Built {
    std::unique_ptr<QTemporaryDir> dir;
    std::shared_ptr<platform::Database> db;
  };
  static std::map<std::tuple<int, Order, Names>, Built> built;
  // One large table at a time: the files of the others are removed once it is built.
  if (!built.count({persons, order, names}) && persons >= 1000000)
    std::erase_if(built, [](const auto& entry) { return std::get<0>(entry.first) >= 1000000 && entry.second.db.use_count() == 1; });
  Built& b = built[{persons, order, names}];
  if (b.db) return b.db;
  QString folder;
  const QString kept = qEnvironmentVariable("VELORAST_BENCH_KEEP");
  if (kept.isEmpty()) {
    b.dir = std::make_unique<QTemporaryDir>();
    folder = b.dir->path();
  } else {
    folder = QDir(kept).filePath(QStringLiteral("persons-%1-%2-%3").arg(persons).arg(int(order)).arg(int(names)));
    // A file is kept once it is whole: the mark is written after the last row.
    if (QFile::exists(QDir(folder).filePath(QStringLiteral("built")))) {
      b.db = platform::Database::OpenDatabase(QDir(folder).filePath(core::kDatabaseFileName), false, false,
                                              QStringLiteral(";PWD=") + core::kDatabasePassword);
      core::schema::AddMissingIndexes(*b.db);
      return b.db;
    }
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
  }
  b.db = core::schema::CreateProgramDatabase(folder, false);
  std::vector<int> people(static_cast<size_t>(persons));
  std::iota(people.begin(), people.end(), 0);
  if (order != Order::Mixed) {
    std::vector<QByteArray> keys(static_cast<size_t>(persons));
    for (int i = 0; i < persons; ++i)  // compared as the engine does
      keys[size_t(i)] = (order == Order::ByName ? Name(i, names) : Cnp(i)).toUtf8();
    std::sort(people.begin(), people.end(), [&](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
  }
  // Many rows a statement (four values a row, under the engine's limit of 999).
  constexpr int kRowsAStatement = 200;
  b.db->InTransaction([&] {
    for (int first = 0; first < persons; first += kRowsAStatement) {
      const int last = std::min(persons, first + kRowsAStatement);
      QString sql = QStringLiteral("INSERT INTO Persoane (Nume, Serie, nr, CNP) VALUES ");
      QVariantList values;
      for (int row = first; row < last; ++row) {
        const int i = people[size_t(row)];
        sql += row == first ? QStringLiteral("(?, ?, ?, ?)") : QStringLiteral(", (?, ?, ?, ?)");
        values << Name(i, names) << "RX" << QString::number(100000 + i) << Cnp(i);
      }
      b.db->Execute(sql, values);
    }
  });
  if (!kept.isEmpty()) QFile(QDir(folder).filePath(QStringLiteral("built"))).open(QIODevice::WriteOnly);
  malloc_trim(0);  // what building took is no part of what is measured
  return b.db;
}

}  // namespace bench
