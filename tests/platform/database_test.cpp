// The data-access layer: opening, its distinct errors, and the dynaset behaviour that
// the persons and vehicles windows rely on.

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/database/Database.h"

using platform::Database;
using platform::Recordset;
using platform::RuntimeError;

namespace {

const QString kConnect = QStringLiteral(";PWD=secret pass");

// Runs fn and returns the number of the RuntimeError it raises (0 when none).
template <class F>
int ErrorOf(F&& fn) {
  try {
    fn();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Source(), platform::kDatabaseErrorSource);
    EXPECT_FALSE(e.Description().isEmpty());
    return e.Number();
  }
  return 0;
}

class DatabaseTest : public testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.filePath(QStringLiteral("test.db"));
    auto db = Database::CreateDatabase(path_, QStringLiteral("secret pass"));
    db->Execute(QStringLiteral(
        "CREATE TABLE Oameni (Id INTEGER PRIMARY KEY, Nume TEXT, Cod TEXT);"
        "INSERT INTO Oameni (Nume, Cod) VALUES ('Ana', 'A1'), ('Bogdan', 'B1'), "
        "('Corina', 'A2'), ('Dan', 'B2');"));
  }

  std::shared_ptr<Database> Open() { return Database::OpenDatabase(path_, false, false, kConnect); }

  static QStringList Names(Recordset& rs) {
    QStringList out;
    if (rs.RecordCount() == 0) return out;
    rs.MoveFirst();
    for (; !rs.EOF(); rs.MoveNext()) out << rs.Fields(QStringLiteral("Nume")).Text();
    return out;
  }

  QTemporaryDir dir_;
  QString path_;
};

TEST_F(DatabaseTest, CreatedFileIsEncryptedAndOpensOnlyUnderItsPassword) {
  QFile file(path_);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_FALSE(file.read(16).startsWith("SQLite format 3"));
  file.close();

  EXPECT_EQ(ErrorOf([&] { Database::OpenDatabase(path_, false, false, ";PWD=other"); }),
            platform::kDbWrongPassword);
  EXPECT_EQ(ErrorOf([&] { Database::OpenDatabase(path_, false, false, ""); }),
            platform::kDbWrongPassword);
  auto db = Open();
  EXPECT_EQ(db->Scalar(QStringLiteral("SELECT count(*) FROM Oameni")).toInt(), 4);
}

TEST_F(DatabaseTest, CreateRefusesAnExistingFile) {
  EXPECT_EQ(ErrorOf([&] { Database::CreateDatabase(path_, QStringLiteral("x")); }),
            platform::kDbWriteFailed);
  EXPECT_EQ(Open()->Scalar(QStringLiteral("SELECT count(*) FROM Oameni")).toInt(), 4);
}

// A missing file, a file that is not a database of ours and a wrong password are three
// different errors, so that the clerk is told which.
TEST_F(DatabaseTest, MissingDamagedAndWrongPasswordAreDistinctErrors) {
  const QByteArray whole = [&] {
    QFile f(path_);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
  }();
  auto write = [&](const QString& name, const QByteArray& bytes) {
    const QString p = dir_.filePath(name);
    QFile f(p);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return p;
  };
  QByteArray garbagePages(2 * 4096, '\0');
  for (int i = 0; i < garbagePages.size(); ++i) garbagePages[i] = char((i * 7919) >> 3);
  const QString plainPath = dir_.filePath(QStringLiteral("plain.db"));
  Database::OpenDatabase(write(QStringLiteral("plain.db"), {}), false, false, "")
      ->Execute(QStringLiteral("CREATE TABLE t(a)"));

  struct Case { QString path; int error; } cases[] = {
      {dir_.filePath(QStringLiteral("nothing.db")), platform::kDbFileNotFound},
      {dir_.filePath(QStringLiteral("no folder/test.db")), platform::kDbFileNotFound},
      {dir_.path(), platform::kDbFileNotFound},
      {write(QStringLiteral("empty.db"), {}), platform::kDbUnrecognizedFormat},
      {write(QStringLiteral("cut.db"), whole.left(whole.size() - 100)), platform::kDbUnrecognizedFormat},
      {write(QStringLiteral("text.db"), "not a database at all"), platform::kDbUnrecognizedFormat},
      {plainPath, platform::kDbUnrecognizedFormat},
      {write(QStringLiteral("pages.db"), garbagePages), platform::kDbWrongPassword},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ErrorOf([&] { Database::OpenDatabase(c.path, false, false, kConnect); }), c.error)
        << c.path.toStdString();
  EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("nothing.db"))))
      << "opening must never create a file";
}

TEST_F(DatabaseTest, EmptySetIsAtBothEndsAndMovesRaiseNoCurrentRecord) {
  auto db = Open();
  auto rs = db->OpenRecordset(QStringLiteral("SELECT * FROM Oameni WHERE Nume = ?"), {"Nimeni"});
  EXPECT_TRUE(rs->BOF());
  EXPECT_TRUE(rs->EOF());
  EXPECT_EQ(ErrorOf([&] { rs->MoveLast(); }), platform::kDbNoCurrentRecord);
  EXPECT_EQ(ErrorOf([&] { rs->MoveNext(); }), platform::kDbNoCurrentRecord);
  EXPECT_EQ(ErrorOf([&] { rs->Fields(1).Value(); }), platform::kDbNoCurrentRecord);
  EXPECT_EQ(ErrorOf([&] { rs->Edit(); }), platform::kDbNoCurrentRecord);
  EXPECT_EQ(ErrorOf([&] { rs->Delete(); }), platform::kDbNoCurrentRecord);
}

TEST_F(DatabaseTest, FieldsByOrdinalAndByNameNullDistinctFromEmptyText) {
  auto db = Open();
  auto rs = db->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
  rs->Edit();
  rs->Fields(QStringLiteral("cod")).SetValue(QString(""));
  rs->Update();
  rs->MoveNext();
  rs->Edit();
  rs->Fields(2).SetValue(QVariant());
  rs->Update();

  rs->MoveFirst();
  EXPECT_EQ(rs->FieldCount(), 3);
  EXPECT_EQ(rs->FieldName(1), QStringLiteral("Nume"));
  EXPECT_EQ(rs->Fields(1).Text(), QStringLiteral("Ana"));
  EXPECT_EQ(rs->Fields(QStringLiteral("NUME")).Text(), QStringLiteral("Ana"));
  EXPECT_FALSE(rs->Fields(2).IsNull());
  EXPECT_EQ(rs->Fields(2).Text(), QString());
  rs->MoveNext();
  EXPECT_TRUE(rs->Fields(QStringLiteral("Cod")).IsNull());
  EXPECT_EQ(rs->Fields(QStringLiteral("Cod")).Text(), QString());
  EXPECT_EQ(db->Scalar(QStringLiteral("SELECT count(*) FROM Oameni WHERE Cod IS NULL")).toInt(), 1);
  EXPECT_EQ(db->Scalar(QStringLiteral("SELECT count(*) FROM Oameni WHERE Cod = ''")).toInt(), 1);

  EXPECT_EQ(ErrorOf([&] { rs->Fields(3); }), platform::kDbItemNotFound);
  EXPECT_EQ(ErrorOf([&] { rs->Fields(QStringLiteral("Varsta")); }), platform::kDbItemNotFound);
  EXPECT_EQ(ErrorOf([&] { rs->Fields(1).SetValue("x"); }), platform::kDbUpdateWithoutEdit);
  EXPECT_EQ(ErrorOf([&] { rs->Update(); }), platform::kDbUpdateWithoutEdit);
}

// Every text reads back as it was written, character for character: a byte-order mark
// at its start (a value pasted from a file saved with one), alone, or elsewhere in it.
TEST_F(DatabaseTest, TextsReadBackExactlyAsWrittenAByteOrderMarkIncluded) {
  const QChar mark(0xFEFF);
  const QStringList texts = {QString(mark) + "1850101123456", QString(mark), QString(2, mark) + "x",
                             "A" + QString(mark), QString(mark) + QString::fromUtf8("\xC5\x9Etefan"), " "};
  auto db = Open();
  auto rs = db->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
  for (const QString& text : texts) {
    rs->AddNew();
    rs->Fields(QStringLiteral("Cod")).SetValue(text);
    rs->Update();
  }
  for (const QString& text : texts) {
    SCOPED_TRACE(texts.indexOf(text));
    EXPECT_EQ(db->Scalar(QStringLiteral("SELECT length(Cod) FROM Oameni WHERE Cod = ?"), {text}).toInt(),
              text.size());
    auto found = db->OpenRecordset(QStringLiteral("SELECT * FROM Oameni WHERE Cod = ?"), {text});
    ASSERT_FALSE(found->EOF());
    EXPECT_EQ(found->Fields(QStringLiteral("Cod")).Text(), text);
    EXPECT_EQ(db->Scalar(QStringLiteral("SELECT Cod FROM Oameni WHERE Cod = ?"), {text}).toString(), text);
    found->FindFirst(QStringLiteral("Cod = ?"), {found->Fields(QStringLiteral("Cod")).Text()});
    EXPECT_FALSE(found->NoMatch()) << "what was read finds the row";
  }
}

// A dynaset keeps what it added, even when the row does not meet its query; the add
// leaves the position where it was.
TEST_F(DatabaseTest, AddedRowThatDoesNotMatchStaysInTheSet) {
  auto db = Open();
  auto rs = db->OpenRecordset(QStringLiteral("SELECT * FROM Oameni WHERE Cod LIKE ?"), {"A*"});
  EXPECT_EQ(Names(*rs), (QStringList{"Ana", "Corina"}));
  ASSERT_TRUE(rs->EOF());

  rs->AddNew();
  rs->Fields(QStringLiteral("Nume")).SetValue(QStringLiteral("Elena"));
  rs->Fields(QStringLiteral("Cod")).SetValue(QStringLiteral("C9"));
  EXPECT_EQ(rs->Fields(QStringLiteral("Nume")).Text(), QStringLiteral("Elena"));
  rs->Update();
  EXPECT_TRUE(rs->EOF()) << "the set stays past its end after an add";
  EXPECT_EQ(rs->RecordCount(), 3);

  rs->FindFirst(QStringLiteral("Cod = ?"), {"C9"});
  ASSERT_FALSE(rs->NoMatch());
  EXPECT_EQ(rs->Fields(1).Text(), QStringLiteral("Elena"));
  rs->MoveLast();
  EXPECT_EQ(rs->Fields(1).Text(), QStringLiteral("Elena"));
  EXPECT_EQ(Names(*rs), (QStringList{"Ana", "Corina", "Elena"}));

  rs->Requery();
  EXPECT_EQ(Names(*rs), (QStringList{"Ana", "Corina"})) << "Requery runs the query again";
}

TEST_F(DatabaseTest, FindFirstAfterDeleteSkipsTheDeletedRow) {
  auto db = Open();
  auto rs = db->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
  rs->FindFirst(QStringLiteral("Nume = ?"), {"Bogdan"});
  ASSERT_FALSE(rs->NoMatch());
  rs->Delete();
  EXPECT_EQ(ErrorOf([&] { rs->Fields(1).Value(); }), platform::kDbRecordDeleted);
  rs->MoveNext();
  EXPECT_EQ(rs->Fields(1).Text(), QStringLiteral("Corina"));

  rs->FindFirst(QStringLiteral("Nume = ?"), {"Bogdan"});
  EXPECT_TRUE(rs->NoMatch());
  EXPECT_EQ(rs->Fields(1).Text(), QStringLiteral("Corina")) << "no match leaves the position";
  rs->FindFirst(QStringLiteral("Cod LIKE ?"), {"b*"});
  ASSERT_FALSE(rs->NoMatch());
  EXPECT_EQ(rs->Fields(1).Text(), QStringLiteral("Dan"));
  EXPECT_EQ(rs->RecordCount(), 3);
  EXPECT_EQ(Names(*rs), (QStringList{"Ana", "Corina", "Dan"}));
  EXPECT_EQ(db->Scalar(QStringLiteral("SELECT count(*) FROM Oameni")).toInt(), 3);
}

// Deleting the only row of a search: MoveNext still succeeds (to the end), and the
// MoveLast that follows raises 3021, the error the delete handlers recover from.
TEST_F(DatabaseTest, DeletingTheOnlyRowThenMoveLastRaisesNoCurrentRecord) {
  auto db = Open();
  auto rs = db->OpenRecordset(QStringLiteral("SELECT * FROM Oameni WHERE Nume = ?"), {"Dan"});
  rs->FindFirst(QStringLiteral("Nume = ?"), {"Dan"});
  rs->Delete();
  rs->MoveNext();
  EXPECT_TRUE(rs->EOF());
  EXPECT_EQ(ErrorOf([&] { rs->MoveLast(); }), platform::kDbNoCurrentRecord);
  rs->Requery();
  EXPECT_TRUE(rs->BOF() && rs->EOF());
}

TEST_F(DatabaseTest, EditWritesTheRowAndOtherSetsSeeIt) {
  auto db = Open();
  auto a = db->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
  auto b = db->OpenRecordset(QStringLiteral("SELECT Nume FROM Oameni WHERE Cod = ?"), {"A1"});
  EXPECT_EQ(b->Fields(0).Text(), QStringLiteral("Ana"));
  a->Edit();
  a->Fields(QStringLiteral("Nume")).SetValue(QStringLiteral("Ana Maria"));
  EXPECT_EQ(b->Fields(0).Text(), QStringLiteral("Ana")) << "not written before Update";
  a->Update();
  EXPECT_EQ(a->Fields(1).Text(), QStringLiteral("Ana Maria"));
  EXPECT_EQ(b->Fields(0).Text(), QStringLiteral("Ana Maria"));

  a->Edit();
  a->Fields(1).SetValue(QStringLiteral("Alta"));
  a->MoveNext();  // a move drops the pending change
  a->MoveFirst();
  EXPECT_EQ(a->Fields(1).Text(), QStringLiteral("Ana Maria"));
}

TEST_F(DatabaseTest, QueryErrorsCarryTheirNumbers) {
  auto db = Open();
  EXPECT_EQ(ErrorOf([&] { db->OpenRecordset(QStringLiteral("SELECT * FROM Lipsa")); }),
            platform::kDbTableNotFound);
  EXPECT_EQ(ErrorOf([&] { db->OpenRecordset(QStringLiteral("SELECT * FROM Oameni WHERE")); }),
            platform::kDbSyntax);
  EXPECT_EQ(ErrorOf([&] { db->OpenRecordset(QStringLiteral("DELETE FROM Oameni")); }),
            platform::kDbSyntax);
  EXPECT_EQ(ErrorOf([&] {
              db->OpenRecordset(QStringLiteral("SELECT * FROM Oameni WHERE Nume LIKE ?"), {"[ab"});
            }),
            platform::kDbSyntax);
  auto rs = db->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
  EXPECT_EQ(ErrorOf([&] { rs->FindFirst(QStringLiteral("Varsta = ?"), {1}); }), platform::kDbSyntax);
}

}  // namespace
