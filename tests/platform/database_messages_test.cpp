// What the clerk reads when the database file fails: each cause in its own Romanian
// words, naming the file, with the number that the handlers show.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "platform/database/Database.h"

using platform::Database;
using platform::DatabaseFileError;
using platform::RuntimeError;

namespace {

const QString kPassword = QStringLiteral("parola");
const QString kConnect = QStringLiteral(";PWD=parola");
constexpr int kPage = 4096;

class DatabaseMessagesTest : public testing::Test {
 public:
  void SetUp() override {
    path_ = dir_.filePath(QStringLiteral("evidenta.db"));
    QFile::remove(path_);
    auto db = Database::CreateDatabase(path_, kPassword);
    // Enough rows for several data pages after the first.
    db->Execute(QStringLiteral("CREATE TABLE Oameni (Id INTEGER PRIMARY KEY, Nume TEXT)"));
    db->InTransaction([&] {
      for (int i = 0; i < 400; ++i)
        db->Execute(QStringLiteral("INSERT INTO Oameni (Nume) VALUES (?)"), {QString(100, QChar('A' + i % 26))});
    });
  }

  std::shared_ptr<Database> Open() { return Database::OpenDatabase(path_, false, false, kConnect); }

  // Overwrites `bytes` of the file from `offset` with a pattern no page holds.
  void Damage(qint64 offset, int bytes) {
    QFile file(path_);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_GT(file.size(), offset + bytes);
    file.seek(offset);
    file.write(QByteArray(bytes, '\x5a'));
  }

  QTemporaryDir dir_;
  QString path_;
};

struct Said {
  int number = 0;
  QString description;
  bool fileError = false;
};

Said ErrorOf(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const DatabaseFileError& e) {
    return {e.Number(), e.Description(), true};
  } catch (const RuntimeError& e) {
    return {e.Number(), e.Description(), false};
  }
  return {};
}

TEST_F(DatabaseMessagesTest, EachCauseIsToldInItsOwnWordsNamingTheFile) {
  const QString named = QStringLiteral("\"%1\"").arg(path_);
  const QString foreign = dir_.filePath(QStringLiteral("scrisoare.txt"));
  {
    QFile text(foreign);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(2 * kPage, 'x'));
  }

  struct Case {
    const char* name;
    std::function<void(DatabaseMessagesTest&)> arrange;  // may damage the file
    std::function<void(DatabaseMessagesTest&)> act;      // what fails
    int number;
    QString start;  // the description begins with this
    QString words;  // and holds these words of the cause
  };
  auto readAll = [](DatabaseMessagesTest& t) { t.Open()->Scalar("SELECT group_concat(Nume) FROM Oameni"); };
  const Case cases[] = {
      {"damaged first page", [](DatabaseMessagesTest& t) { t.Damage(100, 64); },
       [](DatabaseMessagesTest& t) { t.Open(); }, platform::kDbWrongPassword,
       QStringLiteral("Fisierul %1 nu poate fi deschis").arg(named),
       "nu este o baza de date a acestui program, este deteriorat sau a fost creat cu alta parola."},
      {"damaged data page", [](DatabaseMessagesTest& t) { t.Damage(3 * kPage + 200, 64); }, readAll,
       platform::kDbUnrecognizedFormat, QStringLiteral("Fisierul %1").arg(named),
       "nu este o baza de date recunoscuta sau este deteriorat."},
      {"foreign file", [](DatabaseMessagesTest&) {},
       [&](DatabaseMessagesTest&) { Database::OpenDatabase(foreign, false, false, kConnect); },
       platform::kDbWrongPassword, QStringLiteral("Fisierul \"%1\" nu poate fi deschis").arg(foreign),
       "nu este o baza de date a acestui program"},
      {"cut short", [](DatabaseMessagesTest& t) { QFile(t.path_).resize(kPage + 10); },
       [](DatabaseMessagesTest& t) { t.Open(); }, platform::kDbUnrecognizedFormat,
       QStringLiteral("Fisierul %1").arg(named), "nu este o baza de date recunoscuta sau este deteriorat."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();  // a whole file again for each case
    c.arrange(*this);
    const Said said = ErrorOf([&] { c.act(*this); });
    EXPECT_EQ(said.number, c.number);
    EXPECT_TRUE(said.fileError) << "the start-up must tell it from a failed query";
    EXPECT_TRUE(said.description.startsWith(c.start)) << said.description.toStdString();
    EXPECT_TRUE(said.description.contains(c.words)) << said.description.toStdString();
    // and what the clerk can do about it wherever it is met: no folder is chosen once
    // the program has started
    EXPECT_TRUE(said.description.endsWith(" Inlocuiti fisierul cu o copie de siguranta a bazei de date (sau cereti "
                                          "administratorului sa o faca), apoi porniti din nou programul."))
        << said.description.toStdString();
    EXPECT_FALSE(said.description.contains("dosar", Qt::CaseInsensitive)) << said.description.toStdString();
  }
}

// A file that is not there to open, or not to be made, is named with what to do about it.
TEST_F(DatabaseMessagesTest, FilesNotFoundOrNotMadeAreNamedWithWhatToDo) {
  const QString missing = dir_.filePath(QStringLiteral("lipsa.db"));
  const QString nowhere = dir_.filePath(QStringLiteral("fara dosar/nou.db"));
  const struct {
    const char* name;
    std::function<void()> act;
    int number;
    QString description;
  } cases[] = {
      {"open a missing file", [&] { Database::OpenDatabase(missing, false, false, kConnect); },
       platform::kDbFileNotFound,
       QStringLiteral("Fisierul \"%1\" nu exista. Alegeti dosarul in care se afla baza de date a programului; o baza "
                      "de date noua o face administratorul, cu comanda velorast-createdb.")
           .arg(missing)},
      {"create over a database", [&] { Database::CreateDatabase(path_, kPassword); }, platform::kDbWriteFailed,
       QStringLiteral("Fisierul \"%1\" exista deja, iar o baza de date existenta nu se inlocuieste. Alegeti alt "
                      "dosar.")
           .arg(path_)},
      {"create in a missing folder", [&] { Database::CreateDatabase(nowhere, kPassword); }, platform::kDbWriteFailed,
       QStringLiteral("Fisierul \"%1\" nu poate fi creat. Verificati ca dosarul exista si ca aveti dreptul de "
                      "scriere in el.")
           .arg(nowhere)},
  };
  for (const auto& c : cases) {
    const Said said = ErrorOf(c.act);
    EXPECT_EQ(said.number, c.number) << c.name;
    EXPECT_EQ(said.description, c.description) << c.name;
  }
}

// Another desk holds the write lock past the wait: the write is refused with words that
// say so, and the clerk's next try, once the other desk is done, goes through.
TEST_F(DatabaseMessagesTest, BusyDatabaseSaysAnotherDeskHoldsItAndToTryAgain) {
  auto otherDesk = Open();
  auto here = Open();
  sqlite3_busy_timeout(here->Handle(), 50);  // the wait, shortened for the test
  otherDesk->Execute("BEGIN IMMEDIATE");
  otherDesk->Execute("INSERT INTO Oameni (Nume) VALUES ('de la alt post')");

  bool busy = false;
  const Said said = ErrorOf([&] {
    try {
      here->Execute("INSERT INTO Oameni (Nume) VALUES ('aici')");
    } catch (const platform::DatabaseBusyError&) {
      busy = true;
      throw;
    }
  });
  EXPECT_EQ(said.number, platform::kDbWriteFailed);
  EXPECT_TRUE(said.fileError);
  EXPECT_TRUE(busy) << "told from a file that cannot be used: the same work may be tried again";
  EXPECT_EQ(said.description,
            QStringLiteral("Scrierea in baza de date \"%1\" a esuat: baza de date este folosita chiar acum "
                           "de alt post de lucru. Incercati din nou peste cateva momente.")
                .arg(path_));
  EXPECT_FALSE(said.description.contains("locked"));

  otherDesk->Execute("COMMIT");
  here->Execute("INSERT INTO Oameni (Nume) VALUES ('aici')");
  EXPECT_EQ(here->Scalar("SELECT count(*) FROM Oameni WHERE Nume IN ('aici', 'de la alt post')").toInt(), 2);
}

// A disk that fills up: the file may grow no further than it is.
TEST_F(DatabaseMessagesTest, FullDiskSaysSoAndKeepsWhatWasStored) {
  auto db = Open();
  const int pages = db->Scalar("PRAGMA page_count").toInt();
  db->Scalar(QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
  const Said said = ErrorOf([&] {
    db->InTransaction([&] {
      for (int i = 0; i < 200; ++i) db->Execute("INSERT INTO Oameni (Nume) VALUES (?)", {QString(500, 'Z')});
    });
  });
  EXPECT_EQ(said.number, platform::kDbWriteFailed);
  EXPECT_TRUE(said.fileError);
  EXPECT_EQ(said.description,
            QStringLiteral("Scrierea in baza de date \"%1\" a esuat: discul pe care se afla este plin. "
                           "Eliberati spatiu pe disc si incercati din nou.")
                .arg(path_));
  EXPECT_EQ(Open()->Scalar("SELECT count(*) FROM Oameni").toInt(), 400);
}

// A query the file refuses is no failure of the file: the start-up must not take it for
// a database it cannot use.
TEST_F(DatabaseMessagesTest, QueryErrorIsNotAFileError) {
  const Said said = ErrorOf([&] { Open()->Scalar("SELECT * FROM Nimic"); });
  EXPECT_EQ(said.number, platform::kDbTableNotFound);
  EXPECT_FALSE(said.fileError);
  // A file without one of the program's tables is told in Romanian, naming the table.
  EXPECT_TRUE(said.description.startsWith(
      QStringLiteral("Tabelul \"Nimic\" nu exista in baza de date \"%1\": fisierul nu este o baza de date "
                     "completa a programului. Inlocuiti fisierul").arg(path_)))
      << said.description.toStdString();
}

}  // namespace
