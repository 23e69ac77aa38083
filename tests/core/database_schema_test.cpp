// The program database as velorast-createdb makes it.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "core/AppState.h"
#include "core/DatabaseSchema.h"
#include "support/FixtureDatabase.h"

using testsupport::FixtureDatabase;

namespace {

QStringList ColumnsOf(platform::Database& db, const QString& table) {
  auto rs = db.OpenRecordset(QStringLiteral("SELECT * FROM %1").arg(table));
  QStringList out;
  for (int i = 0; i < rs->FieldCount(); ++i) out << rs->FieldName(i);
  return out;
}

TEST(DatabaseSchema, TablesHaveTheirColumnOrdersAndTheFontRows) {
  FixtureDatabase fixture;
  auto db = fixture.Open();
  const QStringList persons = ColumnsOf(*db, QStringLiteral("Persoane"));
  ASSERT_EQ(persons.size(), 22);
  EXPECT_EQ(persons[0], QStringLiteral("IdPersoana"));
  EXPECT_EQ(persons[1], QStringLiteral("Nume"));
  EXPECT_EQ(persons[4], QStringLiteral("CNP"));
  EXPECT_EQ(persons[21], QStringLiteral("Telefoane"));
  const QStringList vehicles = ColumnsOf(*db, QStringLiteral("Masini"));
  ASSERT_EQ(vehicles.size(), 47);
  EXPECT_EQ(vehicles[6], QStringLiteral("NrIdentificare"));
  EXPECT_EQ(vehicles[45], QStringLiteral("AnFabricatie"));
  EXPECT_EQ(vehicles[46], QStringLiteral("Specificatii"));
  EXPECT_EQ(ColumnsOf(*db, QStringLiteral("Useri")),
            (QStringList{"UserID", "Nick", "Parola", "Privilegiu"}));

  // The person's id is an integer key the database gives.
  const qint64 id = fixture.AddPerson({{"Nume", "X"}, {"CNP", "1"}});
  EXPECT_EQ(db->Scalar(QStringLiteral("SELECT typeof(IdPersoana) FROM Persoane WHERE rowid = ?"), {id})
                .toString(),
            QStringLiteral("integer"));

  for (const char* index : {"PersoaneCNP", "MasiniNrIdentificare", "PersoaneCNPTrim", "MasiniNrIdentificareTrim"})
    EXPECT_EQ(db->Scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND name = ?"),
                         {QString::fromLatin1(index)}).toInt(), 1) << index;

  // The key lookups of adding and modifying, which ignore outer blanks, use an index.
  for (const char* lookup : {"SELECT * FROM Persoane WHERE TRIM(CNP) = ?",
                             "SELECT NrIdentificare FROM Masini WHERE TRIM(NrIdentificare) = ?"}) {
    sqlite3_stmt* plan = nullptr;
    const QByteArray sql = QByteArray("EXPLAIN QUERY PLAN ") + lookup;
    ASSERT_EQ(sqlite3_prepare_v2(db->Handle(), sql.constData(), -1, &plan, nullptr), SQLITE_OK);
    QString detail;
    while (sqlite3_step(plan) == SQLITE_ROW)
      detail += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(plan, 3)));
    sqlite3_finalize(plan);
    EXPECT_TRUE(detail.contains(QStringLiteral("USING INDEX"))) << lookup << ": " << detail.toStdString();
  }

  // Five rows a key, in the order name, size, bold, italic, underline.
  for (const core::schema::FontRows& font : core::schema::DefaultFonts()) {
    auto rs = db->OpenRecordset(QStringLiteral("SELECT * FROM Campuri WHERE Nume LIKE ?"), {font.key});
    QStringList values;
    for (; !rs->EOF(); rs->MoveNext()) values << rs->Fields(QStringLiteral("Valoare")).Text();
    EXPECT_EQ(values, (QStringList{font.name, font.size, font.bold, font.italic, font.underline}));
  }
}

TEST(DatabaseSchema, SampleHoldsWellFormedPersonsAndVehicles) {
  FixtureDatabase fixture(FixtureDatabase::Sample);
  auto db = fixture.Open();
  auto persons = db->OpenRecordset(QStringLiteral("SELECT * FROM Persoane"));
  int natural = 0, legal = 0;
  for (; !persons->EOF(); persons->MoveNext()) {
    const QString cnp = persons->Fields(QStringLiteral("CNP")).Text();
    if (persons->Fields(QStringLiteral("j")).Text().isEmpty()) {
      ++natural;
      ASSERT_EQ(cnp.size(), 13);
      EXPECT_EQ(cnp.back().digitValue(), core::schema::CnpControlDigit(cnp.left(12))) << cnp.toStdString();
      EXPECT_EQ(persons->Fields(QStringLiteral("DataNast")).Text(),
                cnp.mid(5, 2) + '.' + cnp.mid(3, 2) + '.' + cnp.mid(1, 2));
    } else {
      ++legal;
      EXPECT_EQ(persons->Fields(QStringLiteral("R")).Text(), QStringLiteral("RO") + cnp);
    }
  }
  EXPECT_GE(natural, 20);
  EXPECT_GE(legal, 5);

  auto vehicles = db->OpenRecordset(QStringLiteral("SELECT * FROM Masini"));
  EXPECT_GE(vehicles->RecordCount(), 20);
  QSet<QString> numbers;
  for (; !vehicles->EOF(); vehicles->MoveNext()) {
    const QString vin = vehicles->Fields(QStringLiteral("NrIdentificare")).Text();
    EXPECT_EQ(vin.size(), 17);
    numbers.insert(vin);
    EXPECT_TRUE(vehicles->Fields(QStringLiteral("PrimaVelorastulare")).Text().contains('/'));
  }
  EXPECT_EQ(numbers.size(), vehicles->RecordCount()) << "identification numbers are unique";
}

// The tool itself, as the first run of the program calls it.
TEST(DatabaseSchema, CreateDbToolMakesAnEncryptedFileAndRefusesToOverwrite) {
  QTemporaryDir dir;
  const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/velorast-createdb");
  ASSERT_TRUE(QFile::exists(tool));
  QProcess p;
  p.start(tool, {dir.path(), QStringLiteral("--sample")});
  ASSERT_TRUE(p.waitForFinished(60000));
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();

  const QString path = QDir(dir.path()).filePath(core::kDatabaseFileName);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_FALSE(file.read(16).startsWith("SQLite format 3"));
  const qint64 size = file.size();
  file.close();
  auto db = platform::Database::OpenDatabase(path, false, false,
                                             QStringLiteral(";PWD=") + core::kDatabasePassword);
  EXPECT_GT(db->Scalar(QStringLiteral("SELECT count(*) FROM Persoane")).toInt(), 20);
  try {
    platform::Database::OpenDatabase(path, false, false, QStringLiteral(";PWD=morcovulrosu"));
    ADD_FAILURE() << "opened under another password";
  } catch (const platform::RuntimeError& e) {
    EXPECT_EQ(e.Number(), platform::kDbWrongPassword);
  }

  p.start(tool, {dir.path()});
  ASSERT_TRUE(p.waitForFinished(60000));
  EXPECT_NE(p.exitCode(), 0);
  EXPECT_EQ(QFileInfo(path).size(), size) << "the existing file is left as it was";
}

}  // namespace
