// The persons list after a search of 100,000 rows: its members answer as for a short
// list, the arrows load the right person, a delete selects the next row, and only the
// rows that are shown or asked for are read from the database.

#include <QPushButton>

#include "RecordsWindow.h"
#include "main_window/ListedRecords.h"

using platform::MessageBoxScript;

namespace {

constexpr int kPersons = 100000;

// Person i (from 1) is "PERSOANA <i>" with CNP "2<i in twelve digits>".
QString Name(int i) { return QStringLiteral("PERSOANA %1").arg(i); }
QString Cnp(int i) { return QStringLiteral("2%1").arg(i, 12, 10, QLatin1Char('0')); }

class LongList : public testsupport::RecordsWindow {
 protected:
  void SetUp() override {
    RecordsWindow::SetUp();
    fixture.Db().Execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "INSERT INTO Persoane (Nume, Serie, nr, CNP) "
        "SELECT 'PERSOANA ' || i, 'RX', i, '2' || substr('000000000000' || i, -12) FROM n").arg(kPersons));
    w = Show(2);
    w->txtCriteriu->setText("2*");
    w->cmdCauta->click();
    QApplication::processEvents();  // laid out and painted
  }
  qint64 RowsRead() const { return dynamic_cast<main_window::ListedRecords&>(*w->lvwResult->Rows()).RowsRead(); }

  frmVelorast* w = nullptr;
};

}  // namespace

TEST_F(LongList, ItsMembersAnswerAndOnlyRowsShownOrAskedForAreRead) {
  platform::ListView* list = w->lvwResult;
  ASSERT_EQ(list->Count(), kPersons);
  EXPECT_EQ(w->rsPersoane->RecordCount(), kPersons);
  EXPECT_TRUE(w->rsPersoane->EOF());
  const qint64 afterPaint = RowsRead();
  EXPECT_GT(afterPaint, 0);
  EXPECT_LE(afterPaint, 3 * main_window::ListedRecords::kBlock) << "the rows on screen, not the list";

  EXPECT_EQ(list->Item(1).text(0), Name(1));
  EXPECT_EQ(list->Item(list->Count()).text(3), Cnp(kPersons));
  EXPECT_EQ(list->Item(list->Count()).text(2), QString::number(kPersons));
  EXPECT_EQ(list->Index(list->Item(list->Count())), kPersons);
  EXPECT_LE(RowsRead(), afterPaint + 1) << "the last row alone: nothing is read past the list's end";

  // Down and Up load the person of the row they move to.
  ClickRow(list, 1);
  EXPECT_EQ(w->txtVerso[1]->text(), Name(1));
  list->setFocus();
  PressAndRelease(list, Qt::Key_Down);
  EXPECT_EQ(w->txtVerso[1]->text(), Name(2));
  EXPECT_EQ(w->txtVerso[4]->text(), Cnp(2));
  PressAndRelease(list, Qt::Key_Up);
  EXPECT_EQ(w->txtVerso[1]->text(), Name(1));

  // End and Down on the last row: the last person.
  PressAndRelease(list, Qt::Key_End);
  QApplication::processEvents();
  EXPECT_EQ(SelectedIndex(w->lvwResult), kPersons);
  PressAndRelease(list, Qt::Key_Down);
  EXPECT_EQ(w->txtVerso[1]->text(), Name(kPersons));

  // Deleting the row before the last selects the last, which has taken its place.
  PressAndRelease(list, Qt::Key_Up);
  EXPECT_EQ(w->txtVerso[1]->text(), Name(kPersons - 1));
  MessageBoxScript boxes;
  boxes.Answer(platform::vbYes);
  w->cmdDelete->click();
  EXPECT_EQ(boxes.Prompts(), QStringList{"Sigur doriti sa stergeti datele persoanei cu CNP-ul " + Cnp(kPersons - 1) + " ?"});
  EXPECT_EQ(list->Count(), kPersons - 1);
  EXPECT_EQ(SelectedIndex(w->lvwResult), kPersons - 1);
  EXPECT_EQ(list->SelectedItem().text(0), Name(kPersons));
  EXPECT_EQ(w->rsPersoane->Fields("Nume").Text(), Name(kPersons));
  EXPECT_EQ(StoredCount("Persoane"), kPersons - 1);
  QApplication::processEvents();

  // The first rows, the last rows and what the moves showed: a few blocks of the list.
  EXPECT_LE(RowsRead(), 8 * main_window::ListedRecords::kBlock) << RowsRead();
}
