// The program database as velorast-createdb makes it.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
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

// What the engine's planner makes of a query.
QString QueryPlan(platform::Database& db, const QString& query) {
  sqlite3_stmt* plan = nullptr;
  const QByteArray sql = "EXPLAIN QUERY PLAN " + query.toUtf8();
  EXPECT_EQ(sqlite3_prepare_v2(db.Handle(), sql.constData(), -1, &plan, nullptr), SQLITE_OK) << query.toStdString();
  QString detail;
  while (sqlite3_step(plan) == SQLITE_ROW)
    detail += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(plan, 3)));
  sqlite3_finalize(plan);
  return detail;
}

// The key look-ups of adding and modifying, the search by a prefix of the key, the
// ranges of names that a typed letter asks about and the first letter typed in a key's
// column, each walk an index.
void ExpectKeyLookupsUseTheirIndexes(platform::Database& db) {
  using core::schema::KeyExpression;
  const struct {
    QString query;
    const char* index;
  } lookups[] = {
      {"SELECT 1 FROM Persoane WHERE " + KeyExpression("CNP") + " = ?", "PersoaneCNPCheie"},
      {"SELECT 1 FROM Masini WHERE " + KeyExpression("NrIdentificare") + " = ?", "MasiniNrIdentificareCheie"},
      {"SELECT rowid FROM Persoane WHERE CNP >= ? AND CNP < ?", "PersoaneCNP"},
      {"SELECT 1 FROM Persoane WHERE Nume >= ? AND Nume < ?", "PersoaneNume"},
      {"SELECT rowid FROM Masini WHERE NrIdentificare = ?", "MasiniNrIdentificare"},
      {"SELECT rowid FROM Persoane WHERE substr(CNP, 1, 1) = ? AND rowid >= ? ORDER BY rowid LIMIT 1",
       "PersoaneCNPInitiala"},
      {"SELECT rowid FROM Masini WHERE substr(NrIdentificare, 1, 1) = ? AND rowid >= ? ORDER BY rowid LIMIT 1",
       "MasiniNrIdentificareInitiala"},
      {"SELECT rowid FROM Persoane WHERE substr(Nume, 1, 1) = ? AND rowid >= ? ORDER BY rowid LIMIT 1",
       "PersoaneNumeInitiala"},
  };
  for (const auto& lookup : lookups)
    EXPECT_TRUE(QueryPlan(db, lookup.query).contains(QLatin1String(lookup.index)))
        << lookup.query.toStdString() << ": " << QueryPlan(db, lookup.query).toStdString();
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
  // The id of a deleted last person or vehicle is never given again.
  fixture.Db().Execute(QStringLiteral("DELETE FROM Persoane WHERE rowid = ?"), {id});
  EXPECT_GT(fixture.AddPerson({{"Nume", "Y"}}), id);
  const qint64 vehicle = fixture.AddVehicle({});
  fixture.Db().Execute(QStringLiteral("DELETE FROM Masini WHERE rowid = ?"), {vehicle});
  EXPECT_GT(fixture.AddVehicle({}), vehicle);

  ExpectKeyLookupsUseTheirIndexes(*db);
  // A letter typed in a list asks for a range of the texts of the column it is typed
  // in, each column that the persons and the vehicles lists show.
  const struct {
    const char* table;
    const char* column;
    const char* index;
  } listed[] = {
      {"Persoane", "Nume", "PersoaneNume"},       {"Persoane", "Serie", "PersoaneSerie"},
      {"Persoane", "nr", "PersoaneNr"},           {"Persoane", "CNP", "PersoaneCNP"},
      {"Masini", "NrIdentificare", "MasiniNrIdentificare"}, {"Masini", "Categoria", "MasiniCategoria"},
      {"Masini", "Marca", "MasiniMarca"},         {"Masini", "Tipul", "MasiniTipul"},
  };
  for (const auto& l : listed) {
    const QString query =
        QStringLiteral("SELECT rowid FROM %1 WHERE %2 >= ? AND %2 < ? ORDER BY %2").arg(l.table, l.column);
    EXPECT_TRUE(QueryPlan(*db, query).contains(QStringLiteral("COVERING INDEX %1").arg(l.index)))
        << query.toStdString() << ": " << QueryPlan(*db, query).toStdString();
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

// The key of a person or a vehicle, as C++ makes it of a typed text and as SQL makes it
// of a stored one: the same text, whatever the text.
TEST(DatabaseSchema, AKeyIsTheSameInCAndInSql) {
  FixtureDatabase fixture;
  const QString keys[] = {
      "WVWZZZ1JZXW000002", "wvwzzz1jzxw000002", "  1850331460012 ", "1850331460012\t", "\t1850331460012",
      "Şerban-ţ ăâî ș", "şERBAN", "ÄÖÜ äöü", "", "   ", "a\u00a0", "mIxEd 12 ",
  };
  for (const QString& key : keys) {
    EXPECT_EQ(fixture.Db().Scalar("SELECT " + core::schema::KeyExpression("?"), {key}).toString(), core::schema::KeyOf(key))
        << key.toStdString();
  }
  EXPECT_EQ(core::schema::KeyOf(" wvw 1\t "), "WVW 1\t");
  EXPECT_EQ(core::schema::KeyOf("şx"), "şX") << "a letter with diacritics keeps its case";
  EXPECT_EQ(core::schema::TrimBlanks("  a b\t "), "a b\t");
}

// A database made by the earlier tool: its key look-ups trimmed blanks only, through
// indexes of their own. Opened by the program, it gets the key indexes and keeps its
// rows and its old indexes.
TEST(DatabaseSchema, AnEarlierDatabaseGetsTheMissingIndexesAndKeepsItsRows) {
  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath(core::kDatabaseFileName);
  {
    auto db = platform::Database::CreateDatabase(path, core::kDatabasePassword);
    db->Execute(
        "CREATE TABLE Persoane (IdPersoana INTEGER PRIMARY KEY, Nume TEXT, CNP TEXT);"
        "CREATE TABLE Masini (IdMasina INTEGER PRIMARY KEY, NrIdentificare TEXT);"
        "CREATE INDEX PersoaneCNP ON Persoane (CNP);"
        "CREATE INDEX MasiniNrIdentificare ON Masini (NrIdentificare);"
        "CREATE INDEX PersoaneCNPTrim ON Persoane (TRIM(CNP));"
        "CREATE INDEX MasiniNrIdentificareTrim ON Masini (TRIM(NrIdentificare));"
        "INSERT INTO Persoane (Nume, CNP) VALUES ('POPESCU ION', '1850331460012 ');"
        "INSERT INTO Masini (NrIdentificare) VALUES ('wvwzzz1jzxw000002');");
  }
  const QString connect = QStringLiteral(";PWD=") + core::kDatabasePassword;
  auto lookUp = [](platform::Database& db) {
    EXPECT_EQ(db.Scalar("SELECT Nume FROM Persoane WHERE " + core::schema::KeyExpression("CNP") + " = ?",
                        {core::schema::KeyOf("1850331460012")}).toString(), "POPESCU ION");
    EXPECT_EQ(db.Scalar("SELECT count(*) FROM Masini WHERE " + core::schema::KeyExpression("NrIdentificare") + " = ?",
                        {core::schema::KeyOf("WVWZZZ1JZXW000002")}).toInt(), 1);
  };
  auto indexes = [](platform::Database& db) {
    return db.Scalar("SELECT count(*) FROM sqlite_master WHERE type = 'index'").toInt();
  };

  // A file that cannot be written is left as it is, and its look-ups still work.
  {
    auto db = platform::Database::OpenDatabase(path, false, true, connect);
    core::schema::AddMissingIndexes(*db);
    EXPECT_EQ(indexes(*db), 4);
    lookUp(*db);
  }

  auto db = platform::Database::OpenDatabase(path, false, false, connect);
  core::schema::AddMissingIndexes(*db);
  core::schema::AddMissingIndexes(*db);  // a second time changes nothing
  ExpectKeyLookupsUseTheirIndexes(*db);
  EXPECT_EQ(indexes(*db), 12);
  lookUp(*db);
}

// The file is one that the standard shell of the database engine opens and checks with
// nothing of this program loaded: no index or schema entry needs a function of ours.
TEST(DatabaseSchema, TheEnginesOwnShellChecksTheFileWhole) {
  const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlcipher"));
  if (shell.isEmpty()) GTEST_SKIP() << "no sqlcipher shell on this machine";
  FixtureDatabase fixture(FixtureDatabase::Sample);
  fixture.AddPerson({{"Nume", "ŞERBAN ŢICU"}, {"CNP", " 1850331460012\t"}});
  fixture.AddVehicle({{"NrIdentificare", "wvwzzz1jzxw000002 "}});
  QProcess p;
  p.start(shell, {fixture.Path()});
  ASSERT_TRUE(p.waitForStarted());
  p.write(QStringLiteral("PRAGMA key = '%1';\nPRAGMA cipher_page_size = 4096;\nPRAGMA kdf_iter = 64000;\n"
                         "PRAGMA integrity_check;\nSELECT count(*) FROM Persoane WHERE upper(TRIM(CNP)) = '1850331460012\t';\n")
              .arg(core::kDatabasePassword)
              .toUtf8());
  p.closeWriteChannel();
  ASSERT_TRUE(p.waitForFinished(60000));
  EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts), QStringList({"ok", "1"}))
      << p.readAllStandardError().toStdString();
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
  EXPECT_EQ(p.exitCode(), 1);
  EXPECT_EQ(QFileInfo(path).size(), size) << "the existing file is left as it was";
}

// The tool's exit status, as its manual page gives it: 0 with the new file's path on the
// standard output, 1 when the file was not made or its path could not be written, 2 for
// arguments it does not take, with the usage on the standard error.
TEST(DatabaseSchema, CreateDbToolExitStatus) {
  const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/velorast-createdb");
  struct Case {
    const char* what;
    QStringList args;  // "@" stands for an empty folder of the case's own
    const char* output;  // the standard output's file, if not the pipe
    int status;
    bool made;
  };
  const Case cases[] = {
      {"made", {"@"}, nullptr, 0, true},
      {"made with the sample", {"--sample", "@"}, nullptr, 0, true},
      {"a folder that does not exist", {"@/lipsa"}, nullptr, 1, false},
      {"the path not written", {"@"}, "/dev/full", 1, true},
      {"no folder", {}, nullptr, 2, false},
      {"an empty folder name, which names no folder (not the current one)", {""}, nullptr, 2, false},
      {"two folders", {"@", "@/alt"}, nullptr, 2, false},
      {"an unknown option", {"--bogus", "@"}, nullptr, 2, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir dir;
    QStringList args;
    for (const QString& a : c.args) args << QString(a).replace(QLatin1Char('@'), dir.path());
    QProcess p;
    p.setWorkingDirectory(dir.path());  // where a folder named by nothing would put the file
    if (c.output) p.setStandardOutputFile(QString::fromLatin1(c.output));
    p.start(tool, args);
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString err = QString::fromLocal8Bit(p.readAllStandardError());
    EXPECT_EQ(p.exitCode(), c.status) << err.toStdString();
    const QString path = QDir(dir.path()).filePath(core::kDatabaseFileName);
    EXPECT_EQ(QFileInfo::exists(path), c.made);
    if (c.status == 0) {
      EXPECT_EQ(QString::fromLocal8Bit(p.readAllStandardOutput()), path + QLatin1Char('\n'));
      EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    } else {
      EXPECT_FALSE(err.isEmpty());
    }
    if (c.status == 2) {
      EXPECT_TRUE(err.startsWith(QStringLiteral("Folosire: velorast-createdb"))) << err.toStdString();
    }
  }
}

}  // namespace
