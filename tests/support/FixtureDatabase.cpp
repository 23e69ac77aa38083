#include "support/FixtureDatabase.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <stdexcept>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/AppState.h"
#include "core/DatabaseSchema.h"

namespace testsupport {

FixtureDatabase::FixtureDatabase(Content content)
    : folder_(dir_.path()), db_(core::schema::CreateProgramDatabase(dir_.path(), content == Sample)) {}

QString FixtureDatabase::Path() const { return QDir(folder_).filePath(core::kDatabaseFileName); }

std::shared_ptr<platform::Database> FixtureDatabase::Open() const {
  return platform::Database::OpenDatabase(Path(), false, false,
                                          QStringLiteral(";PWD=") + core::kDatabasePassword);
}

void FixtureDatabase::DamageTable(const QString& table) {
  constexpr int kPageSize = 4096;
  const qint64 page =
      db_->Scalar(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE type = 'table' AND name = ?"), {table})
          .toLongLong();
  if (page < 2) throw std::runtime_error("no table of its own pages: " + table.toStdString());
  QFile file(Path());
  if (!file.open(QIODevice::ReadWrite)) throw std::runtime_error("fixture file not writable");
  file.seek((page - 1) * kPageSize + 200);
  file.write(QByteArray(64, '\x5a'));
}

void FixtureDatabase::DamageRowPage(const QString& table, qint64 rowid) {
  constexpr int kPageSize = 4096;
  const QByteArray spoilt(64, '\x5a');
  auto reads = [&](qint64 id) {
    try {
      Open()->Scalar(QStringLiteral("SELECT length(rowid || '') FROM %1 WHERE rowid = ?").arg(table), {id});
      return true;
    } catch (const platform::RuntimeError&) {
      return false;
    }
  };
  QFile file(Path());
  if (!file.open(QIODevice::ReadWrite)) throw std::runtime_error("fixture file not writable");
  for (qint64 page = file.size() / kPageSize; page >= 2; --page) {
    const qint64 at = (page - 1) * kPageSize + 200;
    file.seek(at);
    const QByteArray whole = file.read(spoilt.size());
    file.seek(at);
    file.write(spoilt);
    file.flush();
    if (!reads(rowid) && reads(1)) return;
    file.seek(at);
    file.write(whole);
    file.flush();
  }
  throw std::runtime_error("no page of its own for the row in " + table.toStdString());
}

void FixtureDatabase::LeaveUnfinishedWrite() const {
  const pid_t child = fork();
  if (child == 0) {
    try {
      auto db = Open();
      db->Execute(QStringLiteral("PRAGMA cache_size = 100"));  // a cache that the write below overflows
      db->Execute(QStringLiteral("BEGIN IMMEDIATE"));
      db->Execute(QStringLiteral("UPDATE Campuri SET Valoare = Valoare"));
      // More than the page cache holds, so that pages of the file are written too.
      for (int i = 0; i < 3000; ++i)
        db->Execute(QStringLiteral("INSERT INTO Persoane (Nume) VALUES (?)"), {QString(300, QLatin1Char('A'))});
      _exit(0);  // stopped with the connection open: neither committed nor rolled back
    } catch (...) {
      _exit(1);
    }
  }
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !QFile::exists(Path() + QStringLiteral("-journal")))
    throw std::runtime_error("no journal left");
}

void FixtureDatabase::UseEarlierKeys() {
  const std::pair<QString, QStringList> tables[] = {{QStringLiteral("Persoane"), core::schema::PersoaneColumns()},
                                                    {QStringLiteral("Masini"), core::schema::MasiniColumns()}};
  for (const auto& [table, columns] : tables) {
    QStringList definitions{columns[0] + QStringLiteral(" INTEGER PRIMARY KEY")};
    for (const QString& column : columns.mid(1)) definitions << column + QStringLiteral(" TEXT");
    db_->Execute(QStringLiteral("ALTER TABLE %1 RENAME TO Inainte; CREATE TABLE %1 (%2); "
                                "INSERT INTO %1 SELECT * FROM Inainte; DROP TABLE Inainte")
                     .arg(table, definitions.join(QLatin1String(", "))));
  }
  core::schema::AddMissingIndexes(*db_);
}

qint64 FixtureDatabase::AddRow(const QString& table, const QMap<QString, QString>& columns) {
  QStringList names, marks;
  QVariantList values;
  for (auto it = columns.begin(); it != columns.end(); ++it) {
    names << it.key();
    marks << QStringLiteral("?");
    values << it.value();
  }
  db_->Execute(names.isEmpty()
                   ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                   : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                         .arg(table, names.join(QLatin1String(", ")), marks.join(QLatin1String(", "))),
               values);
  return sqlite3_last_insert_rowid(db_->Handle());
}

qint64 FixtureDatabase::AddPerson(const QMap<QString, QString>& columns) {
  return AddRow(QStringLiteral("Persoane"), columns);
}

qint64 FixtureDatabase::AddVehicle(const QMap<QString, QString>& columns) {
  return AddRow(QStringLiteral("Masini"), columns);
}

}  // namespace testsupport
