// How a record set reads its rows: a set of a whole table reads its row ids as it is
// walked (in chunks, holding no lock between them) with the same moves, counts and
// finds as a set read at once; a condition's rows come in row id order, however the
// index that found them ordered them.

#include <set>

#include "OameniFile.h"

using platform::Database;
using platform::Recordset;

namespace {

constexpr int kRows = 1000;

class RecordSetReading : public testsupport::OameniFile {
 protected:
  void SetUp() override {
    OameniFile::SetUp();
    db_ = Open();
  }
  // Rows 1 to kRows, row i named "N<i>" with a code that orders the rows backwards;
  // with `spacing`, row i has the row id i * spacing.
  void Fill(qint64 spacing = 1) {
    db_->Execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "INSERT INTO Oameni (Id, Nume, Cod) SELECT i * %2, 'N' || i, printf('%06d', %1 * 2 - i) FROM n")
                     .arg(kRows)
                     .arg(spacing));
  }
  static QStringList Walk(Recordset& rs) {
    QStringList out;
    for (; !rs.EOF(); rs.MoveNext()) out << rs.Fields(1).Text();
    return out;
  }
  static QStringList Names(int first, int last) {
    QStringList out;
    for (int i = first; i <= last; ++i) out << QStringLiteral("N%1").arg(i);
    return out;
  }

  std::shared_ptr<Database> db_;
};

}  // namespace

TEST_F(RecordSetReading, AWholeTableSetMovesCountsAndFindsAsOneReadAtOnce) {
  Fill();
  auto rs = db_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
  EXPECT_FALSE(rs->BOF());
  EXPECT_EQ(rs->Fields(1).Text(), "N1");
  EXPECT_EQ(Walk(*rs), Names(1, kRows));
  EXPECT_EQ(rs->RecordCount(), kRows);

  // A find far down, then on from the row found; the last row; the count.
  rs = db_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
  rs->FindFirst(QStringLiteral("Nume = ?"), {"N998"});
  ASSERT_FALSE(rs->NoMatch());
  EXPECT_EQ(Walk(*rs), Names(998, kRows));
  rs = db_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
  rs->MoveLast();
  EXPECT_EQ(rs->Fields(1).Text(), QStringLiteral("N%1").arg(kRows));
  rs->MoveNext();
  EXPECT_TRUE(rs->EOF());
  EXPECT_EQ(rs->RecordCount(), kRows);

  // Deleting the first rows, past the first chunk, through the set.
  rs = db_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
  for (int i = 1; i <= 100; ++i) {
    rs->Delete();
    rs->MoveNext();
  }
  EXPECT_EQ(rs->Fields(1).Text(), "N101");
  rs->MoveFirst();
  EXPECT_EQ(rs->Fields(1).Text(), "N101");
  rs->MovePrevious();
  EXPECT_TRUE(rs->BOF());
  EXPECT_FALSE(rs->EOF()) << "the set still holds rows";
  EXPECT_EQ(rs->RecordCount(), kRows - 100);
}

// The set holds the rows that were in the table when it opened, and what it added
// itself; between two reads another connection writes without waiting for it.
TEST_F(RecordSetReading, AWholeTableSetHoldsTheRowsOfItsOpeningAndNoLock) {
  Fill();
  auto rs = db_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
  rs->MoveNext();

  auto other = Open();
  other->Execute(QStringLiteral("INSERT INTO Oameni (Nume, Cod) VALUES ('Altul', 'X')"));
  rs->FindFirst(QStringLiteral("Nume = ?"), {"Altul"});
  EXPECT_TRUE(rs->NoMatch()) << "added by another after the set opened";
  EXPECT_EQ(rs->Fields(1).Text(), "N2");

  auto fresh = db_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
  fresh->AddNew();
  fresh->Fields(1).SetValue(QStringLiteral("Nou"));
  fresh->Update();
  EXPECT_EQ(fresh->Fields(1).Text(), "N1") << "the add leaves the position";
  fresh->MoveLast();
  EXPECT_EQ(fresh->Fields(1).Text(), "Nou");
  EXPECT_EQ(fresh->RecordCount(), kRows + 2);

  EXPECT_EQ(Walk(*rs), Names(2, kRows));
  EXPECT_EQ(rs->RecordCount(), kRows);
}

// Codes beginning with "0019" are found through the index in code order, which is the
// reverse of the row id order; close row ids and scattered ones alike.
TEST_F(RecordSetReading, AConditionsRowsComeInRowIdOrder) {
  for (const qint64 spacing : {qint64(1), qint64(1) << 40}) {
    db_->Execute(QStringLiteral("DELETE FROM Oameni"));
    Fill(spacing);
    auto rs = db_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni WHERE Cod LIKE ?"), {"0019*"});
    std::vector<qint64> expected;
    for (int i = 1; i <= kRows; ++i)
      if (QStringLiteral("%1").arg(kRows * 2 - i, 6, 10, QLatin1Char('0')).startsWith("0019")) expected.push_back(i * spacing);
    ASSERT_EQ(expected.size(), 100u);
    EXPECT_EQ(rs->RowIds(), expected) << spacing;
    EXPECT_EQ(rs->Fields(1).Text(), "N1");
  }
}

// Every row of the first chunk deleted through the set, the current row left on the
// last one deleted or moved past it: the moves, BOF, EOF and the count are those of a
// set read at once (a condition's set is), whether rows follow the chunk or none do.
TEST_F(RecordSetReading, ASetWhoseFirstRowsAreAllDeletedThroughItMovesAsOneReadAtOnce) {
  constexpr int kChunk = 64;  // the rows of a whole-table set's first read
  // What the set says, in order: BOF and EOF after the deletes, where MoveFirst lands
  // ("3021" when it has no current record), BOF and EOF then, the count.
  const auto afterDeletes = [](Recordset& rs, bool movePastTheLast) {
    for (int i = 1; i <= kChunk; ++i) {
      rs.Delete();
      if (i < kChunk || movePastTheLast) rs.MoveNext();
    }
    QStringList seen{QStringLiteral("bof %1 eof %2").arg(rs.BOF()).arg(rs.EOF())};
    try {
      rs.MoveFirst();
      seen << rs.Fields(1).Text();
    } catch (const platform::RuntimeError& e) {
      seen << QString::number(e.Number());
    }
    seen << QStringLiteral("bof %1 eof %2").arg(rs.BOF()).arg(rs.EOF()) << QString::number(rs.RecordCount());
    return seen.join(QStringLiteral(", "));
  };
  struct Case {
    int rows;
    bool movePastTheLast;
    const char* seen;
  } cases[] = {
      {kChunk, true, "bof 1 eof 1, 3021, bof 1 eof 1, 0"},  // the set emptied
      {kChunk, false, "bof 0 eof 0, 3021, bof 0 eof 0, 0"},
      {kChunk + 1, true, "bof 0 eof 0, N65, bof 0 eof 0, 1"},
      {kChunk + 1, false, "bof 0 eof 0, N65, bof 0 eof 0, 1"},
      {kRows, false, "bof 0 eof 0, N65, bof 0 eof 0, 936"},
  };
  // The table afresh, rows 1 to `rows`.
  const auto rowsUpTo = [&](int rows) {
    db_->Execute(QStringLiteral("DELETE FROM Oameni"));
    Fill();
    db_->Execute(QStringLiteral("DELETE FROM Oameni WHERE Id > ?"), {rows});
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rows << " rows, moved past the last: " << c.movePastTheLast);
    rowsUpTo(c.rows);
    auto whole = db_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
    EXPECT_EQ(afterDeletes(*whole, c.movePastTheLast), c.seen);

    rowsUpTo(c.rows);
    auto atOnce = db_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni WHERE Id > 0"));
    EXPECT_EQ(afterDeletes(*atOnce, c.movePastTheLast), c.seen) << "read at once";
  }
}

// A find of a row whose id the set has not read yet, with the set read no further than
// its first chunk, half read, or read whole: the find, the edit and the delete of the
// row found, the moves from it, an add after it and the count are those of a set read at
// once, for a row just past the first chunk, far down and last.
TEST_F(RecordSetReading, ARowFoundAmongTheIdsNotYetReadIsWrittenAndLeftAsInASetReadAtOnce) {
  // What the set says, in order, each step's answer or the number of its error.
  const auto afterFind = [](Recordset& rs, int walked, int found) {
    QStringList seen;
    const auto say = [&](auto&& step) {
      try {
        seen << step();
      } catch (const platform::RuntimeError& e) {
        seen << QString::number(e.Number());
      }
    };
    const auto name = [&rs] { return rs.Fields(1).Text(); };
    for (int i = 1; i < walked; ++i) rs.MoveNext();
    rs.FindFirst(QStringLiteral("Nume = ?"), {QStringLiteral("N%1").arg(found)});
    say([&] { return QStringLiteral("%1 %2 at %3").arg(rs.NoMatch()).arg(name()).arg(rs.RowId()); });
    rs.Edit();
    rs.Fields(1).SetValue(QStringLiteral("Scris"));
    rs.Update();
    say(name);
    say([&] { rs.MoveNext(); return rs.EOF() ? QStringLiteral("eof") : name(); });
    say([&] { rs.MovePrevious(); return name(); });
    rs.Delete();
    say(name);
    say([&] { return QString::number(rs.RowId()); });
    say([&] { return QStringLiteral("bof %1 eof %2").arg(rs.BOF()).arg(rs.EOF()); });
    rs.AddNew();
    rs.Fields(1).SetValue(QStringLiteral("Nou"));
    rs.Update();
    say(name);  // the position stays on the row deleted
    say([&] { rs.MoveNext(); return rs.EOF() ? QStringLiteral("eof") : name(); });
    say([&] { rs.MovePrevious(); rs.MovePrevious(); return name(); });
    rs.FindFirst(QStringLiteral("Nume = ?"), {QStringLiteral("Scris")});
    say([&] { return QStringLiteral("scris %1").arg(rs.NoMatch()); });
    say([&] { rs.MoveLast(); return name() + QStringLiteral(" at ") + QString::number(rs.RowId()); });
    say([&] { return QString::number(rs.RecordCount()); });
    std::vector<qint64> ids;
    for (rs.MoveFirst(); !rs.EOF(); rs.MoveNext()) ids.push_back(rs.RowId());
    say([&] { return QStringLiteral("walked %1, ids once %2").arg(ids.size()).arg(std::set(ids.begin(), ids.end()).size() == ids.size()); });
    return seen.join(QStringLiteral(", "));
  };
  for (const int walked : {1, kRows / 2, kRows}) {
    for (const int found : {65, kRows * 3 / 4, kRows}) {
      SCOPED_TRACE(testing::Message() << "walked " << walked << ", found " << found);
      db_->Execute(QStringLiteral("DELETE FROM Oameni"));
      Fill();
      auto whole = db_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni"));
      const QString seen = afterFind(*whole, walked, found);
      EXPECT_EQ(db_->Scalar(QStringLiteral("SELECT group_concat(Nume) FROM Oameni WHERE Nume <> 'N' || Id")).toString(),
                "Nou")
          << "no other row written";
      EXPECT_EQ(db_->Scalar(QStringLiteral("SELECT count(*) FROM Oameni")).toInt(), kRows);

      db_->Execute(QStringLiteral("DELETE FROM Oameni"));
      Fill();
      auto atOnce = db_->OpenRecordset(QStringLiteral("SELECT * FROM Oameni WHERE Id > 0"));
      EXPECT_EQ(seen, afterFind(*atOnce, walked, found));
    }
  }
}
