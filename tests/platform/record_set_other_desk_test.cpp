// Record sets while another desk writes the same file (a second connection): the engine
// gives the id of a deleted last row to the next row added, and a set neither holds an
// id twice nor edits or deletes the row that took the id of the one it read. The row
// ids a set hands out are held once, and stay as they were when the set changes.

#include <sqlite3.h>

#include <set>

#include "OameniFile.h"

using platform::Database;

namespace {

constexpr int kRows = 300;

class RecordSetOtherDesk : public testsupport::OameniFile {
 protected:
  void SetUp() override {
    OameniFile::SetUp();
    here_ = Open();
    otherDesk_ = Open();
    // Row i is "N<i>" with the code "C<i>".
    here_->Execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "INSERT INTO Oameni (Id, Nume, Cod) SELECT i, 'N' || i, 'C' || i FROM n").arg(kRows));
  }
  // The other desk deletes the last row and adds one, which takes its id.
  qint64 ReplaceLastRow() {
    otherDesk_->Execute(QStringLiteral("DELETE FROM Oameni WHERE Id = %1").arg(kRows));
    otherDesk_->Execute(QStringLiteral("INSERT INTO Oameni (Nume, Cod) VALUES ('Altul', 'X')"));
    return otherDesk_->Scalar(QStringLiteral("SELECT Id FROM Oameni WHERE Cod = 'X'")).toLongLong();
  }
  QString Stored(const QString& column, qint64 id) {
    return here_->Scalar(QStringLiteral("SELECT %1 FROM Oameni WHERE Id = ?").arg(column), {id}).toString();
  }
  int StoredCount() { return here_->Scalar(QStringLiteral("SELECT count(*) FROM Oameni")).toInt(); }

  std::shared_ptr<Database> here_, otherDesk_;
};

// Raises the error's number and description, or 0 when nothing is raised.
template <class F>
std::pair<int, QString> ErrorOf(F&& f) {
  try {
    f();
  } catch (const platform::RuntimeError& e) {
    return {e.Number(), e.Description()};
  }
  return {0, QString()};
}

}  // namespace

// The whole table read in chunks and a condition's rows alike: the set's own add after
// the other desk deleted its last row holds the returning id once.
TEST_F(RecordSetOtherDesk, AnAddAfterAnotherDeskDeletedTheLastRowHoldsEveryIdOnce) {
  for (const QString& sql : {QStringLiteral("SELECT * FROM Oameni"), QStringLiteral("SELECT * FROM Oameni WHERE Cod LIKE 'C*'")}) {
    SCOPED_TRACE(sql.toStdString());
    here_->Execute(QStringLiteral("DELETE FROM Oameni WHERE Id > %1").arg(kRows - 1));
    here_->Execute(QStringLiteral("INSERT INTO Oameni (Id, Nume, Cod) VALUES (%1, 'N%1', 'C%1')").arg(kRows));
    auto rs = here_->OpenRecordset(sql, {}, platform::dbOpenDynaset, QStringLiteral("Cod"));
    ASSERT_EQ(rs->RecordCount(), kRows);  // every id read
    otherDesk_->Execute(QStringLiteral("DELETE FROM Oameni WHERE Id = %1").arg(kRows));

    rs->AddNew();
    rs->Fields("Nume").SetValue(QStringLiteral("Nou"));
    rs->Fields("Cod").SetValue(QStringLiteral("C-nou"));
    rs->Update();
    ASSERT_EQ(Stored("Nume", kRows), "Nou") << "the engine gave the new row the deleted row's id";
    EXPECT_EQ(rs->RecordCount(), StoredCount());
    const platform::RowIdList ids = rs->RowIds();
    EXPECT_EQ(std::set<qint64>(ids.begin(), ids.end()).size(), ids.size());
    rs->MoveLast();
    EXPECT_EQ(rs->Fields("Nume").Text(), "Nou");
    rs->MovePrevious();
    EXPECT_EQ(rs->Fields("Nume").Text(), QStringLiteral("N%1").arg(kRows - 1));
    rs->FindFirst(QStringLiteral("Nume = ?"), {QStringLiteral("Nou")});
    EXPECT_FALSE(rs->NoMatch());
    int walked = 0;
    for (rs->MoveFirst(); !rs->EOF(); rs->MoveNext()) ++walked;
    EXPECT_EQ(walked, StoredCount());
  }
}

// The whole table opened and only partly read, as the main window's set is at the start:
// an add does not wait for the rest of the ids, and the set still holds every id once
// and reaches each row it holds, whether the engine gave the new row an id after every
// row, the id of a last row that the other desk deleted among the rows not yet read, or
// among those read. The new row is found, edited and deleted alone.
TEST_F(RecordSetOtherDesk, AnAddBeforeTheSetReadItsIdsHoldsEveryIdOnceAndReachesOnlyItsRow) {
  struct Case {
    const char* what;
    int readThrough;     // the set's rows walked before the add (its first chunk is read anyway)
    int deletedAtTheEnd;  // the last rows the other desk deletes before the add
    int addedByOtherDesk;  // rows the other desk adds after the set opened
  };
  const Case cases[] = {
      {"an id after every row", 1, 0, 0},
      {"after the other desk's rows", 1, 0, 3},
      {"the id of a deleted row not yet read", 1, 5, 0},
      {"the id of a deleted row read", kRows, 5, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    here_->Execute(QStringLiteral("DELETE FROM Oameni"));
    here_->Execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "INSERT INTO Oameni (Id, Nume, Cod) SELECT i, 'N' || i, 'C' || i FROM n").arg(kRows));
    auto rs = here_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"), {}, platform::dbOpenDynaset,
                                   QStringLiteral("Cod"));
    for (int i = 1; i < c.readThrough; ++i) rs->MoveNext();
    const qint64 current = rs->RowId();
    otherDesk_->Execute(QStringLiteral("DELETE FROM Oameni WHERE Id > %1").arg(kRows - c.deletedAtTheEnd));
    for (int i = 0; i < c.addedByOtherDesk; ++i)
      otherDesk_->Execute(QStringLiteral("INSERT INTO Oameni (Nume, Cod) VALUES ('Alt post', 'A%1')").arg(i));

    rs->AddNew();
    rs->Fields("Nume").SetValue(QStringLiteral("Nou"));
    rs->Fields("Cod").SetValue(QStringLiteral("C-nou"));
    rs->Update();
    EXPECT_EQ(rs->RowId(), current) << "the position stays";
    const qint64 added = here_->Scalar(QStringLiteral("SELECT Id FROM Oameni WHERE Cod = 'C-nou'")).toLongLong();

    // Found and edited through the set: only the new row changes.
    rs->FindFirst(QStringLiteral("Cod = ?"), {QStringLiteral("C-nou")});
    ASSERT_FALSE(rs->NoMatch());
    EXPECT_EQ(rs->RowId(), added);
    rs->Edit();
    rs->Fields("Nume").SetValue(QStringLiteral("Nou scris"));
    rs->Update();
    EXPECT_EQ(Stored("Nume", added), "Nou scris");
    EXPECT_EQ(here_->Scalar(QStringLiteral("SELECT count(*) FROM Oameni WHERE Nume IN ('Nou', 'Nou scris')")).toInt(), 1);

    // Every row the set holds once, in row id order, the new one last: the rows it read
    // before the other desk deleted them stay (as rows gone), the row whose id the new
    // one took leaves, and the rows the other desk added after the set opened are none
    // of the set's.
    std::vector<qint64> walked;
    for (rs->MoveFirst(); !rs->EOF(); rs->MoveNext()) walked.push_back(rs->RowId());
    const bool allRead = c.readThrough == kRows;
    std::vector<qint64> expected;
    for (qint64 id = 1; id <= kRows; ++id)
      if (id != added && (id <= kRows - c.deletedAtTheEnd || allRead)) expected.push_back(id);
    expected.push_back(added);
    EXPECT_EQ(walked, expected);
    EXPECT_EQ(rs->RowIds(), expected);
    EXPECT_EQ(rs->RecordCount(), int(expected.size()));
    rs->MoveLast();
    EXPECT_EQ(rs->RowId(), added);
    rs->MovePrevious();
    EXPECT_EQ(rs->RowId(), expected[expected.size() - 2]);

    // A row among those read after the add is found where it is, and deleted alone.
    rs->FindFirst(QStringLiteral("Cod = ?"), {QStringLiteral("C%1").arg(kRows / 2)});
    ASSERT_FALSE(rs->NoMatch());
    EXPECT_EQ(rs->Fields("Nume").Text(), QStringLiteral("N%1").arg(kRows / 2));
    rs->Delete();
    EXPECT_EQ(Stored("Nume", kRows / 2), "");
    EXPECT_EQ(StoredCount(), kRows - c.deletedAtTheEnd + c.addedByOtherDesk);
  }
}

// The new row of a set not yet read is the next after the rows of its query, the rows
// still unread included, and the one before the set's end.
TEST_F(RecordSetOtherDesk, AWalkFromTheStartOfASetNotYetReadMeetsTheAddedRowLast) {
  auto rs = here_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
  rs->AddNew();
  rs->Fields("Nume").SetValue(QStringLiteral("Nou"));
  rs->Update();
  rs->FindFirst(QStringLiteral("Nume = ?"), {QStringLiteral("Nou")});
  ASSERT_FALSE(rs->NoMatch());
  rs->MovePrevious();
  EXPECT_EQ(rs->Fields("Nume").Text(), QStringLiteral("N%1").arg(kRows)) << "the rows not read come before it";
  rs->MoveNext();
  EXPECT_EQ(rs->Fields("Nume").Text(), "Nou");
  rs->MoveNext();
  EXPECT_TRUE(rs->EOF());
}

// The set read the last row, moved to it or found it before reading the ids before it;
// the other desk deletes it and adds another, which takes its id. Edit and Delete
// refuse with 3167 and write nothing, whether the key is one of the set's fields or
// not; without a key the set tells a row gone as well.
TEST_F(RecordSetOtherDesk, EditAndDeleteWriteOnlyTheRowTheSetRead) {
  const QString edited = QStringLiteral("Inregistrarea nu a fost modificata: intre timp a fost stearsa sau inlocuita de "
                                        "alt post de lucru. Cautati-o din nou.");
  const QString deleted = QStringLiteral("Inregistrarea nu a fost stearsa: intre timp a fost stearsa sau inlocuita de "
                                         "alt post de lucru. Cautati-o din nou.");
  struct Case {
    const char* sql;
    const char* key;
    bool replaced;  // false: the row is only deleted
    bool found = false;  // found by its name, the set's ids before it not yet read
  };
  const Case cases[] = {
      {"SELECT * FROM Oameni", "Cod", true},
      {"SELECT Nume FROM Oameni WHERE Nume LIKE 'N*'", "Cod", true},  // the key not among the fields
      {"SELECT * FROM Oameni", "", false},
      {"SELECT * FROM Oameni", "Cod", true, true},
      {"SELECT * FROM Oameni", "", false, true},
  };
  for (const Case& c : cases) {
    for (const bool deleting : {false, true}) {
      SCOPED_TRACE(std::string(c.sql) + (deleting ? " delete" : " edit") + (c.found ? ", found" : ""));
      here_->Execute(QStringLiteral("DELETE FROM Oameni WHERE Id >= %1").arg(kRows));
      here_->Execute(QStringLiteral("INSERT INTO Oameni (Id, Nume, Cod) VALUES (%1, 'N%1', 'C%1')").arg(kRows));
      auto rs = here_->OpenRecordset(QString::fromLatin1(c.sql), {}, platform::dbOpenDynaset, QString::fromLatin1(c.key));
      if (c.found)
        rs->FindFirst(QStringLiteral("Nume = ?"), {QStringLiteral("N%1").arg(kRows)});
      else
        rs->MoveLast();
      ASSERT_EQ(rs->Fields("Nume").Text(), QStringLiteral("N%1").arg(kRows));
      if (c.replaced) {
        ASSERT_EQ(ReplaceLastRow(), kRows) << "the other desk's row took the id";
      } else {
        otherDesk_->Execute(QStringLiteral("DELETE FROM Oameni WHERE Id = %1").arg(kRows));
      }
      const auto said = ErrorOf([&] {
        if (deleting) {
          rs->Delete();
        } else {
          rs->Edit();
          rs->Fields("Nume").SetValue(QStringLiteral("Scris aici"));
          rs->Update();
        }
      });
      EXPECT_EQ(said.first, platform::kDbRecordDeleted);
      EXPECT_EQ(said.second, deleting ? deleted : edited);
      EXPECT_EQ(StoredCount(), c.replaced ? kRows : kRows - 1);
      if (c.replaced) {
        EXPECT_EQ(Stored("Nume", kRows), "Altul") << "the other desk's row as it wrote it";
      }
      if (!deleting) rs->CancelUpdate();
      rs->MovePrevious();
      EXPECT_EQ(rs->Fields("Nume").Text(), QStringLiteral("N%1").arg(kRows - 1)) << "the set goes on";
    }
  }
}

// Edits and deletes of rows that are still the ones read go through, a key changed
// through the set included; so does a row that the other desk changed but kept.
TEST_F(RecordSetOtherDesk, RowsStillTheOnesReadAreEditedAndDeleted) {
  auto rs = here_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"), {}, platform::dbOpenDynaset, QStringLiteral("Cod"));
  rs->Edit();
  rs->Fields("Cod").SetValue(QStringLiteral("C1-nou"));
  rs->Update();
  rs->Edit();
  rs->Fields("Nume").SetValue(QStringLiteral("N1-nou"));
  rs->Update();
  EXPECT_EQ(Stored("Nume", 1), "N1-nou");
  rs->Delete();
  EXPECT_EQ(Stored("Nume", 1), "");

  rs->MoveNext();
  EXPECT_EQ(rs->Fields("Nume").Text(), "N2");
  otherDesk_->Execute(QStringLiteral("UPDATE Oameni SET Nume = 'N2 de alt post' WHERE Id = 2"));
  rs->Edit();
  rs->Fields("Nume").SetValue(QStringLiteral("N2 aici"));
  rs->Update();
  EXPECT_EQ(Stored("Nume", 2), "N2 aici");
  EXPECT_EQ(StoredCount(), kRows - 1);
}

// A list keeps the ids a set gave it while the set goes on adding, deleting and
// querying again: the ids are shared with the set (no second copy of a million ids),
// and none of the set's changes reaches them. Adds past any room the set had left for
// them never move the ids to grow it.
TEST_F(RecordSetOtherDesk, RowIdsAreSharedWithTheSetAndStayAsGiven) {
  auto rs = here_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
  const platform::RowIdList given = rs->RowIds();
  ASSERT_EQ(given.size(), size_t(kRows));
  EXPECT_EQ(rs->RowIds().begin(), given.begin()) << "the same ids, not a copy";
  const std::vector<qint64> expected(given.begin(), given.end());
  const qint64* where = given.begin();

  rs->AddNew();
  rs->Fields("Nume").SetValue(QStringLiteral("Nou"));
  rs->Update();
  rs->MoveFirst();
  rs->Delete();
  EXPECT_EQ(given, expected);
  EXPECT_EQ(rs->RowIds().size(), size_t(kRows)) << "less the deleted, with the added";
  EXPECT_EQ(rs->RowIds()[0], 2);
  here_->InTransaction([&] {
    for (int i = 0; i < kRows; ++i) {
      rs->AddNew();
      rs->Fields("Nume").SetValue(QStringLiteral("Nou %1").arg(i));
      rs->Update();
    }
  });
  EXPECT_EQ(given.begin(), where) << "not moved";
  EXPECT_EQ(given, expected);
  EXPECT_EQ(rs->RowIds().size(), size_t(2 * kRows));
  rs->Requery();
  EXPECT_EQ(given, expected);
  EXPECT_EQ(rs->RowIds().size(), size_t(2 * kRows));
}

// The other desk holds the file past the wait while the set reads more of its ids, or
// runs its query again: the read fails and the set is as it was, to go on with once the
// other desk is done.
TEST_F(RecordSetOtherDesk, AReadThatFailsLeavesTheSetAsItWas) {
  auto rs = here_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));  // its first ids read
  rs->MoveNext();
  const platform::RowIdList before = rs->RowIds();
  rs = here_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
  rs->MoveNext();
  sqlite3_busy_timeout(here_->Handle(), 20);  // the wait, shortened for the test
  otherDesk_->Execute(QStringLiteral("BEGIN EXCLUSIVE"));
  EXPECT_EQ(ErrorOf([&] { rs->RecordCount(); }).first, platform::kDbWriteFailed);
  EXPECT_EQ(ErrorOf([&] { rs->MoveLast(); }).first, platform::kDbWriteFailed);
  EXPECT_EQ(ErrorOf([&] { rs->Requery(); }).first, platform::kDbWriteFailed);
  otherDesk_->Execute(QStringLiteral("ROLLBACK"));

  EXPECT_EQ(rs->Fields("Nume").Text(), "N2");
  EXPECT_EQ(rs->RecordCount(), kRows);
  EXPECT_EQ(rs->RowIds(), std::vector<qint64>(before.begin(), before.end()));
  int walked = 0;
  for (; !rs->EOF(); rs->MoveNext()) ++walked;
  EXPECT_EQ(walked, kRows - 1);
}
