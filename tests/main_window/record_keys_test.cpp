// The keys of persons and vehicles as the clerk means them, through the window's add
// and modify: outer blanks and the case of the letters a to z make no other key; and
// two desks adding one key at the same moment store it once.

#include <QPushButton>
#include <atomic>
#include <chrono>
#include <thread>

#include "RecordsWindow.h"
#include "core/DatabaseSchema.h"

using platform::MessageBoxScript;

namespace {

class RecordKeys : public testsupport::RecordsWindow {
 protected:
  // The window after an empty search, so that every stored record is in its set.
  frmVelorast* Listed(bool vehicle) {
    frmVelorast* w = Show(vehicle ? 1 : 2);
    (vehicle ? w->cmdCauta2 : w->cmdCauta)->click();
    return w;
  }
  static QLineEdit* KeyBox(frmVelorast* w, bool vehicle) { return vehicle ? w->txtCamp[5] : w->txtVerso[4]; }
  static QLineEdit* DataBox(frmVelorast* w, bool vehicle) { return vehicle ? w->txtCamp[2] : w->txtVerso[5]; }
  static void TypeKey(frmVelorast* w, bool vehicle, const QString& key) {
    if (!vehicle) w->txtVerso[1]->setText("POPESCU ION");
    KeyBox(w, vehicle)->setText(key);
  }
  static QString Table(bool vehicle) { return vehicle ? "Masini" : "Persoane"; }
  // The column that DataBox writes.
  static QString DataColumn(bool vehicle) { return vehicle ? "Marca" : "Tata"; }
};

}  // namespace

TEST_F(RecordKeys, AKeyMatchesWithoutItsOuterBlanksAndTheCaseOfLettersAToZ) {
  struct Case {
    const char* what;
    bool vehicle;
    QString stored, typed;
    bool same;
  } cases[] = {
      {"number in other case", true, "WVWZZZ1JZXW000002", "wvwzzz1jzxw000002", true},
      {"number stored in small letters", true, "wvwzzz1jzxw000002", "WVWzzz1JZXW000002", true},
      {"number with outer blanks", true, "WVWZZZ1JZXW000002", "  wvwzzz1jzxw000002 ", true},
      // The CNP box holds 13 characters: short CNPs leave room for blanks and tabs.
      {"CNP with outer blanks", false, "1850331", "  1850331 ", true},
      {"CNP stored with outer blanks", false, " 1850331  ", "1850331", true},
      {"CNP pasted with a tab, twice", false, "1850331\t", "1850331\t", true},
      {"number pasted with a tab, twice, in other case", true, "wvwzzz1jzxw000002\t", " WVWZZZ1JZXW000002\t", true},
      // A tab is no blank: the box's text is another key, as the stored text keeps it.
      {"CNP and the same with a tab", false, "1850331", "1850331\t", false},
      // Letters with diacritics keep their case: Ş and ş are two letters of a key.
      {"Romanian letter in other case", true, "ŞX1JZXW000002", "şX1JZXW000002", false},
      {"Romanian letter in the same case, others in other case", true, "ŞX1JZXW000002", "Şx1jzxw000002", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fixture.Db().Execute("DELETE FROM Persoane; DELETE FROM Masini");
    fixture.Db().Execute(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES (?, 'before')")
                             .arg(Table(c.vehicle), c.vehicle ? "NrIdentificare" : "CNP", DataColumn(c.vehicle)),
                         {c.stored});
    const QString id = fixture.Db().Scalar("SELECT last_insert_rowid()").toString();  // ids are not given again
    frmVelorast* w = Listed(c.vehicle);
    const QString trimmed = core::schema::TrimBlanks(c.typed);
    const QString dataOf = c.vehicle ? "masinii cu Nr de Identificare " : "persoanei cu CNP-ul ";
    MessageBoxScript boxes;

    TypeKey(w, c.vehicle, c.typed);
    DataBox(w, c.vehicle)->setText("after");
    (c.vehicle ? w->cmdEdit3 : w->cmdEdit1)->click();
    if (c.same) {
      EXPECT_EQ(boxes.Prompts(), QStringList()) << "modify found the record";
      EXPECT_EQ(StoredRow(Table(c.vehicle), "rowid", id).value(DataColumn(c.vehicle)), "after");
    } else {
      EXPECT_EQ(boxes.Prompts(), QStringList{"Datele " + dataOf + trimmed + " nu exista in Baza de Date. Se poate Adauga!"});
      EXPECT_EQ(StoredRow(Table(c.vehicle), "rowid", id).value(DataColumn(c.vehicle)), "before");
    }

    boxes.Clear();
    (c.vehicle ? w->cmdSave3 : w->cmdSave1)->click();
    if (c.same) {
      EXPECT_EQ(boxes.Prompts(), QStringList{"Datele " + dataOf + trimmed + " exista in Baza de Date!"});
      EXPECT_EQ(StoredCount(Table(c.vehicle)), 1);
    } else {
      EXPECT_EQ(boxes.Prompts(), QStringList()) << "another key is added";
      EXPECT_EQ(StoredCount(Table(c.vehicle)), 2);
    }
  }
}

// Another desk adds the same CNP and holds the database for a moment before it
// commits; this desk's "Adauga" waits for it, then finds the person and says so.
TEST_F(RecordKeys, TwoDesksAddingOneKeyStoreItOnceAndTheSecondIsTold) {
  const QString cnp = "1850331460012";
  frmVelorast* w = Listed(false);
  auto otherDesk = fixture.Open();
  std::atomic<bool> holding = false;
  std::thread other([&] {
    otherDesk->InWriteTransaction([&] {
      otherDesk->Execute("INSERT INTO Persoane (Nume, CNP) VALUES ('ALT BIROU', ?)", {cnp});
      holding = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(400));
    });
  });
  while (!holding) std::this_thread::yield();

  MessageBoxScript boxes;
  TypeKey(w, false, cnp + " ");
  w->cmdSave1->click();
  other.join();

  EXPECT_EQ(boxes.Prompts(), QStringList{"Datele persoanei cu CNP-ul " + cnp + " exista in Baza de Date!"});
  EXPECT_EQ(fixture.Db().Scalar("SELECT count(*) FROM Persoane WHERE TRIM(CNP) = ?", {cnp}).toInt(), 1);
  EXPECT_EQ(StoredRow("Persoane", "CNP", cnp).value("Nume"), "ALT BIROU");
}

// Both desks press "Adauga" with one new key at the same moment, many times over: each
// key is stored exactly once, and exactly one desk is told that it exists.
TEST_F(RecordKeys, DesksRacingToAddStoreEveryKeyOnce) {
  frmVelorast* w = Listed(false);
  auto otherDesk = fixture.Open();
  auto otherSet = otherDesk->OpenRecordset("SELECT * FROM Persoane");
  constexpr int kTries = 15;
  std::atomic<int> started = 0;
  int otherToldExists = 0;
  std::thread other([&] {
    for (int i = 0; i < kTries; ++i) {
      const QString cnp = QStringLiteral("19001014600%1").arg(i, 2, 10, QLatin1Char('0'));
      while (started.load() <= i) std::this_thread::yield();
      // The other desk runs the same steps as the window's add, on its own connection.
      otherDesk->InWriteTransaction([&] {
        if (otherDesk->Scalar("SELECT EXISTS (SELECT 1 FROM Persoane WHERE " + core::schema::KeyExpression("CNP") +
                                  " = ?)",
                              {core::schema::KeyOf(cnp)}).toBool()) {
          ++otherToldExists;
          return;
        }
        otherSet->AddNew();
        otherSet->Fields("Nume").SetValue("ALT BIROU");
        otherSet->Fields("CNP").SetValue(cnp);
        otherSet->Update();
      });
    }
  });
  MessageBoxScript boxes;
  for (int i = 0; i < kTries; ++i) {
    const QString cnp = QStringLiteral("19001014600%1").arg(i, 2, 10, QLatin1Char('0'));
    TypeKey(w, false, cnp);
    started = i + 1;
    w->cmdSave1->click();
  }
  other.join();

  EXPECT_EQ(StoredCount("Persoane"), kTries);
  EXPECT_EQ(fixture.Db().Scalar("SELECT count(DISTINCT CNP) FROM Persoane").toInt(), kTries);
  EXPECT_EQ(otherToldExists + boxes.Prompts().size(), kTries) << "for every key, one desk is told";
  for (const QString& prompt : boxes.Prompts()) EXPECT_TRUE(prompt.endsWith(" exista in Baza de Date!")) << prompt.toStdString();
}

// Right after the start the window's set holds every record, none of it read past its
// first rows: a modify of a record far down writes that record alone, and so does one
// of a record added since, persons and vehicles alike.
TEST_F(RecordKeys, AModifyRightAfterTheStartWritesItsRecordAlone) {
  constexpr int kStored = 300;
  for (const bool vehicle : {false, true}) {
    SCOPED_TRACE(vehicle ? "vehicle" : "person");
    fixture.Db().Execute("DELETE FROM Persoane; DELETE FROM Masini");
    fixture.Db().Execute(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                        "INSERT INTO %2 (%3, %4) SELECT 'K' || i, 'before' FROM n")
                             .arg(kStored)
                             .arg(Table(vehicle), vehicle ? "NrIdentificare" : "CNP", DataColumn(vehicle)));
    platform::Forms::Unload<frmVelorast>();  // the start, over the records stored
    frmVelorast* w = Show(vehicle ? 1 : 2);
    MessageBoxScript boxes;
    const auto modify = [&](const QString& key) {
      TypeKey(w, vehicle, key);
      DataBox(w, vehicle)->setText("after " + key);
      (vehicle ? w->cmdEdit3 : w->cmdEdit1)->click();
    };
    modify(QStringLiteral("K%1").arg(kStored - 50));
    TypeKey(w, vehicle, "NOU");
    (vehicle ? w->cmdSave3 : w->cmdSave1)->click();
    modify("NOU");
    modify(QStringLiteral("K%1").arg(kStored));
    EXPECT_EQ(boxes.Prompts(), QStringList());
    const QString key = vehicle ? "NrIdentificare" : "CNP";
    EXPECT_EQ(fixture.Db()
                  .Scalar(QStringLiteral("SELECT group_concat(%1, ' ') FROM (SELECT %1 FROM %2 WHERE %3 <> 'before' "
                                         "ORDER BY rowid)")
                              .arg(key, Table(vehicle), DataColumn(vehicle)))
                  .toString(),
              QStringLiteral("K%1 K%2 NOU").arg(kStored - 50).arg(kStored));
    EXPECT_EQ(StoredRow(Table(vehicle), key, "NOU").value(DataColumn(vehicle)), "after NOU");
    EXPECT_EQ(StoredCount(Table(vehicle)), kStored + 1);
  }
}
