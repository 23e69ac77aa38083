#pragma once
// Persons tables of a given size for the benchmarks, each built once per run in a
// temporary folder: well-formed CNPs of births spread over 1950 to 2004, about ten a
// day for 200,000 persons, and names of a few surnames (some with diacritics).

#include <QDate>
#include <QTemporaryDir>
#include <malloc.h>
#include <map>
#include <memory>

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

// The program's database with `persons` persons in table Persoane.
inline std::shared_ptr<platform::Database> PersonsDatabase(int persons) {
  struct Built {
    std::unique_ptr<QTemporaryDir> dir;
    std::shared_ptr<platform::Database> db;
  };
  static std::map<int, Built> built;
  Built& b = built[persons];
  if (!b.db) {
    b.dir = std::make_unique<QTemporaryDir>();
    b.db = core::schema::CreateProgramDatabase(b.dir->path(), false);
    const char* surnames[] = {"POPESCU", "IONESCU", "POPA", "RADU", "STAN", "MUNTEANU", "ŞERBAN", "ŢURCANU"};
    // Many rows a statement (four values a row, under the engine's limit of 999).
    constexpr int kRowsAStatement = 200;
    b.db->InTransaction([&] {
      for (int first = 0; first < persons; first += kRowsAStatement) {
        const int last = std::min(persons, first + kRowsAStatement);
        QString sql = QStringLiteral("INSERT INTO Persoane (Nume, Serie, nr, CNP) VALUES ");
        QVariantList values;
        for (int i = first; i < last; ++i) {
          sql += i == first ? QStringLiteral("(?, ?, ?, ?)") : QStringLiteral(", (?, ?, ?, ?)");
          values << QStringLiteral("%1 ION %2").arg(QString::fromUtf8(surnames[i % 8])).arg(i) << "RX"
                 << QString::number(100000 + i) << Cnp(i);
        }
        b.db->Execute(sql, values);
      }
    });
    malloc_trim(0);  // what building took is no part of what is measured
  }
  return b.db;
}

}  // namespace bench
