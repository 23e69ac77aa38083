#pragma once
// A program database for tests: "evidenta2000.mdb" in a temporary folder, made with the
// real tables, indexes and font rows (the same code as the velorast-createdb tool), and
// removed with the fixture.

#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "platform/database/Database.h"

namespace testsupport {

class FixtureDatabase {
 public:
  enum Content { Empty, Sample };  // Sample: the demonstration persons and vehicles
  explicit FixtureDatabase(Content content = Empty);

  const QString& Folder() const { return folder_; }
  QString Path() const;

  // The connection that made the file; changes through it are in the file at once.
  platform::Database& Db() { return *db_; }
  // A further connection under the program's password, as the program opens it.
  std::shared_ptr<platform::Database> Open() const;

  // Spoils the first page of a table's rows in the file, as a failing disk would; the
  // file's first page stays whole, so that the file still opens. Nothing is written
  // through Db() afterwards.
  void DamageTable(const QString& table);
  // Spoils the page of a table that holds one row, found from the file's end: a read of
  // that row then fails while the table's first row still reads.
  void DamageRowPage(const QString& table, qint64 rowid);

  // Makes Persoane and Masini as files made by earlier versions have them, rows and
  // indexes kept: an integer key alone, which gives a deleted last row's id to the next
  // row added.
  void UseEarlierKeys();

  // Adds a row given by column name; columns not named stay Null. Returns its id.
  qint64 AddPerson(const QMap<QString, QString>& columns);
  qint64 AddVehicle(const QMap<QString, QString>& columns);

 private:
  qint64 AddRow(const QString& table, const QMap<QString, QString>& columns);
  QTemporaryDir dir_;
  QString folder_;
  std::shared_ptr<platform::Database> db_;
};

}  // namespace testsupport
