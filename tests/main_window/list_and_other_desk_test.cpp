// The persons list over a file that is damaged, held or changed by another desk (a
// second connection): a row that cannot be read is told once, painted empty and cannot
// be chosen, and the window stays usable; a person another desk deleted never shows as
// an empty row; no write reaches another person than the one the clerk sees.

#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <sqlite3.h>

#include "RecordsWindow.h"
#include "main_window/ListedRecords.h"

using platform::MessageBoxScript;

namespace {

// Person i (from 1) is "POPESCU ION <i>" followed by `padding` letters, CNP "1<i in twelve digits>".
QString Name(int i) { return QStringLiteral("POPESCU ION %1").arg(i); }
QString Cnp(int i) { return QStringLiteral("1%1").arg(i, 12, 10, QLatin1Char('0')); }

class ListAndOtherDesk : public testsupport::RecordsWindow {
 protected:
  // Persons 1 to n; long names spread them over many pages of the file.
  void AddPersons(int n, int padding = 0) {
    fixture.Db().Execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "INSERT INTO Persoane (Nume, Serie, nr, CNP) "
        "SELECT 'POPESCU ION ' || i || substr('%2', 1, %3), 'RX', i, '1' || substr('000000000000' || i, -12) FROM n")
                             .arg(n)
                             .arg(QString(padding, 'X'))
                             .arg(padding));
  }
  // Persons 1 to n over many pages, the page of the middle one damaged, and the file
  // opened as the program's database.
  void OpenWithADamagedPage(int n) {
    fixture.Db().Execute("BEGIN");
    AddPersons(n, 60);
    fixture.Db().Execute("COMMIT");
    fixture.DamageRowPage("Persoane", n / 2);
    core::BazaDate = fixture.Open();
  }
  // The window on the persons tab, listing every person whose CNP starts with 1: found
  // through the CNP's index, without reading the persons' own pages.
  void ShowListed(const QString& criterion = QStringLiteral("1*")) {
    if (!w) w = Show(2);
    Search(criterion);
  }
  void Search(const QString& criterion) {
    w->optCNP->setChecked(true);
    w->txtCriteriu->setText(criterion);
    w->cmdCauta->click();
    Paint();
  }
  platform::ListView* List() const { return w->lvwResult; }
  // Scrolls the list so that the row at a position counted from 1 is its first shown.
  void ScrollTo(int index) {
    List()->verticalScrollBar()->setValue(index - 1);
    Paint();
  }
  // Paints what is due, and what the paint itself left to do afterwards.
  static void Paint() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  // The positions (from 1) of the rows on screen.
  QList<int> Shown() const {
    QList<int> out;
    const int first = List()->rowAt(0), last = List()->rowAt(List()->viewport()->height() - 1);
    for (int row = first; row >= 0 && row <= (last < 0 ? List()->Count() - 1 : last); ++row) out << row + 1;
    return out;
  }
  qint64 RowsRead() const { return dynamic_cast<main_window::ListedRecords&>(*List()->Rows()).RowsRead(); }

  frmVelorast* w = nullptr;
};

}  // namespace

// A damaged page among the persons that the list reaches only when the clerk scrolls to
// them: one message, the rows of that page empty and not to be chosen, the other rows
// as they are, the window usable. Scrolling there again says nothing; a new search
// reads the rows again, and tells again.
TEST_F(ListAndOtherDesk, ADamagedPageInTheListsRowsIsToldOnceAndItsRowsCannotBeChosen) {
  constexpr int kPersons = 400;
  OpenWithADamagedPage(kPersons);
  MessageBoxScript boxes;
  ShowListed();
  ASSERT_EQ(List()->Count(), kPersons);
  ASSERT_TRUE(boxes.Prompts().isEmpty()) << boxes.Prompts().join("|").toStdString();
  w->txtVerso[5]->setText("typed by the clerk");

  ScrollTo(kPersons / 2 - 5);
  ASSERT_EQ(boxes.Prompts().size(), 1);
  EXPECT_TRUE(boxes.Prompts()[0].startsWith(QStringLiteral("3343 Fisierul \"%1\" nu este o baza de date recunoscuta")
                                                .arg(fixture.Path())))
      << boxes.Prompts()[0].toStdString();
  EXPECT_EQ(boxes.Shown()[0].style, platform::vbCritical);
  QList<int> unreadable, readable;
  for (const int index : Shown()) {
    const platform::ListItem item = List()->Item(index);
    if (item.isSelectable()) {
      readable << index;
      EXPECT_EQ(item.text(3), Cnp(index));
    } else {
      unreadable << index;
      EXPECT_EQ(item.text(0), "");
      EXPECT_EQ(item.text(3), "");
    }
  }
  ASSERT_FALSE(unreadable.isEmpty());
  ASSERT_FALSE(readable.isEmpty()) << "only the damaged page's rows";
  EXPECT_EQ(List()->Count(), kPersons) << "none left out: they are there, unread";
  EXPECT_EQ(w->txtVerso[5]->text(), "typed by the clerk");

  // A click does not choose an unreadable row, nor do the keys pass onto one; the
  // others load.
  ClickRow(List(), unreadable.front());
  EXPECT_EQ(SelectedIndex(List()), 0);
  EXPECT_EQ(w->txtVerso[1]->text(), "");
  const int before = unreadable.front() - 1;
  ASSERT_TRUE(readable.contains(before));
  int after = unreadable.back() + 1;  // the first readable row past the damaged page
  while (!List()->Item(after).isSelectable()) ++after;
  EXPECT_EQ(List()->Item(after).text(3), Cnp(after));
  ClickRow(List(), before);
  EXPECT_EQ(w->txtVerso[1]->text(), Name(before) + QString(60, 'X'));
  List()->setFocus();
  PressAndRelease(List(), Qt::Key_Down);
  EXPECT_EQ(SelectedIndex(List()), after);
  EXPECT_EQ(w->txtVerso[4]->text(), Cnp(after));

  // There and back again: nothing more is told; a repaint reads nothing.
  ScrollTo(1);
  ScrollTo(unreadable.front());
  List()->viewport()->repaint();
  Paint();
  EXPECT_EQ(boxes.Prompts().size(), 1) << boxes.Prompts().join("|").toStdString();
  EXPECT_FALSE(List()->Item(unreadable.front()).isSelectable());

  // Letters typed in the list pass over the rows it shows empty, as over any row whose
  // text does not start with them: the name of the first of them, typed on the row
  // before it, finds no row, and the current row stays.
  ClickRow(List(), before);
  List()->keyboardSearch(QString());  // the name a search of its own
  List()->keyboardSearch(Name(unreadable.front()));
  EXPECT_EQ(List()->currentIndex().row() + 1, before);
  EXPECT_EQ(SelectedIndex(List()), before);
  EXPECT_EQ(boxes.Prompts().size(), 1) << boxes.Prompts().join("|").toStdString();

  // A letter that every name starts with, typed on that row, looks through the rows
  // after it, over the damaged page: the fault told already is not told again, however
  // often the letter is typed, and the window goes on.
  for (int typed = 0; typed < 3; ++typed) {
    ClickRow(List(), before);
    List()->keyboardSearch(QString());
    EXPECT_NO_THROW(List()->keyboardSearch(QStringLiteral("P")));
    QApplication::processEvents();
  }
  EXPECT_EQ(boxes.Prompts().size(), 1) << boxes.Prompts().join("|").toStdString();
  EXPECT_NE(SelectedIndex(List()), unreadable.front());

  // The window goes on: another search, then the same again, which reads and tells anew.
  Search(Cnp(1));
  EXPECT_EQ(List()->Count(), 1);
  EXPECT_EQ(boxes.Prompts().size(), 1);
  Search("1*");
  ScrollTo(unreadable.front());
  EXPECT_EQ(boxes.Prompts().size(), 2);
  EXPECT_TRUE(platform::Forms::IsLoaded<frmVelorast>());
}

// A click on a row the list shows empty (on a damaged page, or left unread while another
// desk held the file) chooses nothing: the person chosen before is not loaded again over
// what the clerk has typed since, and no message is added to the one told.
TEST_F(ListAndOtherDesk, AClickOnARowShownEmptyKeepsEveryTypedBox) {
  constexpr int kPersons = 400;
  struct Case {
    const char* what;
    bool damaged;  // else another desk holds the file while the rows are painted
  };
  for (const Case& c : {Case{"rows left unread", false}, Case{"a damaged page", true}}) {
    SCOPED_TRACE(c.what);
    platform::Forms::Unload<frmVelorast>();
    w = nullptr;
    fixture.Db().Execute("DELETE FROM Persoane");
    fixture.Db().Execute("BEGIN");
    AddPersons(kPersons, 60);
    fixture.Db().Execute("COMMIT");
    fixture.Db().Execute(QStringLiteral("UPDATE Persoane SET Telefoane = '0721 000 001' WHERE CNP = '%1'").arg(Cnp(1)));
    const qint64 spoilt = fixture.Db().Scalar("SELECT MIN(rowid) FROM Persoane").toLongLong() + kPersons / 2;
    if (c.damaged) fixture.DamageRowPage("Persoane", spoilt);
    core::BazaDate = fixture.Open();
    MessageBoxScript boxes;
    ShowListed();
    ASSERT_EQ(List()->Count(), kPersons);
    w->optCumparator->setChecked(true);
    ClickRow(List(), 1);
    ASSERT_EQ(w->txtVerso[21]->text(), "0721 000 001");
    w->txtVerso[21]->setText("0744 typed by the clerk");
    w->txtVerso[5]->setText("IOAN");

    std::shared_ptr<platform::Database> other;
    if (!c.damaged) {
      sqlite3_busy_timeout(core::BazaDate->Handle(), 50);  // the wait, shortened for the test
      other = fixture.Open();
      other->Execute("BEGIN EXCLUSIVE");
    }
    ScrollTo(kPersons / 2 - 5);
    ASSERT_EQ(boxes.Prompts().size(), 1) << boxes.Prompts().join("|").toStdString();
    int empty = 0;
    for (const int index : Shown())
      if (!List()->Item(index).isSelectable()) {
        empty = index;
        break;
      }
    ASSERT_GT(empty, 0) << "a row shown empty";

    ClickRow(List(), empty);
    EXPECT_EQ(w->txtVerso[21]->text(), "0744 typed by the clerk");
    EXPECT_EQ(w->txtVerso[5]->text(), "IOAN");
    EXPECT_EQ(w->txtVerso[4]->text(), Cnp(1));
    EXPECT_EQ(boxes.Prompts().size(), 1) << boxes.Prompts().join("|").toStdString();
    EXPECT_NE(SelectedIndex(List()), empty);
    if (other) other->Execute("COMMIT");
  }
}

// Another desk holds the file past the wait while the list paints rows it has not read:
// one message, which says that the rows stay empty until the clerk searches again; no
// further row is read until the next search, so that scrolling on costs no wait; once
// the other desk is done, a search lists them all.
TEST_F(ListAndOtherDesk, AnotherDeskHoldingTheFileDuringAPaintIsToldOnce) {
  constexpr int kPersons = 400;
  AddPersons(kPersons);
  MessageBoxScript boxes;
  ShowListed();
  ASSERT_EQ(List()->Count(), kPersons);
  sqlite3_busy_timeout(core::BazaDate->Handle(), 50);  // the wait, shortened for the test
  auto otherDesk = fixture.Open();
  otherDesk->Execute("BEGIN EXCLUSIVE");

  ScrollTo(200);
  ASSERT_EQ(boxes.Prompts().size(), 1);
  EXPECT_EQ(boxes.Prompts()[0],
            QStringLiteral("3146 Citirea din baza de date \"%1\" a esuat: baza de date este folosita chiar acum de alt "
                           "post de lucru. Incercati din nou peste cateva momente. Randurile listei care nu s-au "
                           "putut citi raman goale: apasati din nou Cauta pentru a le citi.")
                .arg(fixture.Path()));
  const qint64 read = RowsRead();
  for (const int index : Shown()) {
    EXPECT_FALSE(List()->Item(index).isSelectable()) << index;
    EXPECT_EQ(List()->Item(index).text(3), "") << index;
  }
  ScrollTo(300);
  ScrollTo(1);
  EXPECT_EQ(RowsRead(), read) << "nothing more is tried";
  EXPECT_EQ(List()->Item(1).text(3), Cnp(1)) << "rows read before stay";
  EXPECT_EQ(boxes.Prompts().size(), 1);
  // Letters typed meanwhile find nothing and tell nothing more.
  const int current = List()->currentIndex().row();
  for (int typed = 0; typed < 3; ++typed) {
    List()->keyboardSearch(QString());
    EXPECT_NO_THROW(List()->keyboardSearch(QStringLiteral("P")));
    QApplication::processEvents();
  }
  EXPECT_EQ(List()->currentIndex().row(), current);
  EXPECT_EQ(boxes.Prompts().size(), 1);

  otherDesk->Execute("COMMIT");
  ScrollTo(200);
  EXPECT_EQ(List()->Item(200).text(3), "") << "until the next search";
  ScrollTo(1);
  ClickRow(List(), 1);
  EXPECT_EQ(w->txtVerso[4]->text(), Cnp(1)) << "the window works";
  Search("1*");
  ScrollTo(200);
  EXPECT_EQ(List()->Item(200).text(3), Cnp(200));
  EXPECT_TRUE(List()->Item(200).isSelectable());
  EXPECT_EQ(boxes.Prompts().size(), 1);
}

// Persons deleted by another desk after the search: those the list had not shown yet
// are left out when it comes to them, so that no empty row shows; one it had shown
// keeps its texts and is told missing when chosen.
TEST_F(ListAndOtherDesk, PersonsAnotherDeskDeletedAreLeftOutOrToldMissing) {
  constexpr int kPersons = 200;
  AddPersons(kPersons);
  MessageBoxScript boxes;
  ShowListed();
  ASSERT_EQ(List()->Item(2).text(3), Cnp(2));  // shown
  fixture.Db().Execute("DELETE FROM Persoane WHERE nr = '2' OR CAST(nr AS INTEGER) BETWEEN 100 AND 109");
  fixture.Db().Execute("UPDATE Persoane SET CNP = '2' || substr(CNP, 2) WHERE nr = '120'");  // no longer a match

  for (const int index : {95, 105, 115}) ScrollTo(index);
  EXPECT_EQ(List()->Count(), kPersons - 11);
  for (const int index : Shown()) EXPECT_FALSE(List()->Item(index).text(3).isEmpty()) << index;
  ScrollTo(95);
  for (const int index : Shown()) EXPECT_FALSE(List()->Item(index).text(3).isEmpty()) << index;
  EXPECT_EQ(List()->Item(99).text(3), Cnp(99));
  EXPECT_EQ(List()->Item(100).text(3), Cnp(110)) << "the row after the deleted ones";
  EXPECT_TRUE(boxes.Prompts().isEmpty());

  ClickRow(List(), 100);
  EXPECT_EQ(w->txtVerso[4]->text(), Cnp(110));
  ScrollTo(1);
  ClickRow(List(), 2);
  EXPECT_EQ(boxes.Prompts(), QStringList{"CNP-ul " + Cnp(2) + " nu exista in Baza de Date"});
  EXPECT_EQ(w->txtVerso[4]->text(), Cnp(110)) << "the boxes as they were";
}

// The other desk deletes a listed person and adds it again (under a new id) after the
// search: the clerk's modify is told that the search must be made again, and once it is,
// the modify writes over the person the other desk added.
TEST_F(ListAndOtherDesk, AModifyOfAPersonTheOtherDeskAddedAgainSaysToSearchAgain) {
  AddPersons(10);
  MessageBoxScript boxes;
  ShowListed();
  w->optCumparator->setChecked(true);
  ClickRow(List(), 3);
  ASSERT_EQ(w->txtVerso[4]->text(), Cnp(3));
  fixture.Db().Execute(QStringLiteral("DELETE FROM Persoane WHERE CNP = '%1'").arg(Cnp(3)));
  fixture.AddPerson({{"Nume", "POPESCU ION 3"}, {"CNP", Cnp(3)}, {"Telefoane", "0721"}});
  w->txtVerso[21]->setText("0744");

  w->cmdEdit1->click();
  EXPECT_EQ(boxes.Prompts(), QStringList{"Nu exista in Baza de Date persoana cu CNP-ul: " + Cnp(3) +
                                         ". Cautati persoana din nou (butonul Cauta), apoi apasati iar Modifica."});
  EXPECT_EQ(StoredRow("Persoane", "CNP", Cnp(3)).value("Telefoane"), "0721");
  EXPECT_EQ(w->txtVerso[21]->text(), "0744");

  boxes.Clear();
  Search("1*");
  w->cmdEdit1->click();
  EXPECT_TRUE(boxes.Prompts().isEmpty()) << boxes.Prompts().join("|").toStdString();
  EXPECT_EQ(StoredRow("Persoane", "CNP", Cnp(3)).value("Telefoane"), "0744");
  EXPECT_EQ(StoredCount("Persoane"), 10);
}

// The other desk deletes the last person, whose id the engine gives to the next person
// added; the clerk's add after it leaves the window's set holding each id once, and
// neither a click nor "Sterge" on the deleted person's row reaches the new person.
TEST_F(ListAndOtherDesk, AnIdTheOtherDeskFreedReachesNoOtherPerson) {
  constexpr int kPersons = 10;  // all shown at the search
  fixture.UseEarlierKeys();
  AddPersons(kPersons);
  MessageBoxScript boxes;
  ShowListed("");
  ASSERT_EQ(w->rsPersoane->RecordCount(), kPersons);
  fixture.Db().Execute(QStringLiteral("DELETE FROM Persoane WHERE nr = '%1'").arg(kPersons));

  w->txtVerso[1]->setText("IONESCU MARIA");
  w->txtVerso[4]->setText("2900101400011");
  w->cmdSave1->click();
  ASSERT_TRUE(boxes.Prompts().isEmpty());
  const QVariantMap added = StoredRow("Persoane", "CNP", "2900101400011");
  ASSERT_EQ(added.value("IdPersoana").toInt(), kPersons) << "the freed id came back";
  EXPECT_EQ(w->rsPersoane->RecordCount(), StoredCount("Persoane"));

  ClickRow(List(), kPersons);
  EXPECT_EQ(boxes.Prompts(), QStringList{"CNP-ul " + Cnp(kPersons) + " nu exista in Baza de Date"});
  EXPECT_EQ(w->txtVerso[1]->text(), "IONESCU MARIA") << "nothing loaded";
  boxes.Clear();
  boxes.Answer(platform::vbYes);
  List()->SetCurrentItem(List()->Item(kPersons));
  w->cmdDelete->click();
  EXPECT_EQ(boxes.Prompts().value(1), "Datele persoanei cu CNP-ul " + Cnp(kPersons) + " nu mai exista in Baza de Date. Cautati din nou (butonul Cauta), ca lista sa arate ce tine acum Baza de Date.");
  EXPECT_EQ(StoredRow("Persoane", "CNP", "2900101400011"), added);
  EXPECT_EQ(StoredCount("Persoane"), kPersons);
}

// The last persons of the search, deleted by another desk, are left out when the clerk
// comes to them; "Sterge" on the row now last deletes that person and selects the row
// before, as at the end of any list, and "Sterge" on the only row left empties the list
// and hides the buttons, as when the search found one person: never a word of an error.
TEST_F(ListAndOtherDesk, DeletingTheRowsLeftAfterOthersWereLeftOutEndsTheListAsUsual) {
  constexpr int kPersons = 80, kLeft = 40;  // more than the list shows at the search
  AddPersons(kPersons);
  MessageBoxScript boxes;
  ShowListed();
  ASSERT_LT(Shown().size(), kLeft);
  fixture.Db().Execute(QStringLiteral("DELETE FROM Persoane WHERE CAST(nr AS INTEGER) > %1").arg(kLeft));
  ScrollTo(kPersons - 5);
  ASSERT_EQ(List()->Count(), kLeft);

  for (int last = kLeft; last >= 1; --last) {
    SCOPED_TRACE(last);
    boxes.Clear();
    ClickRow(List(), last);
    ASSERT_EQ(w->txtVerso[4]->text(), Cnp(last));
    boxes.Answer(platform::vbYes);
    w->cmdDelete->click();
    ASSERT_EQ(boxes.Prompts(), QStringList{"Sigur doriti sa stergeti datele persoanei cu CNP-ul " + Cnp(last) + " ?"})
        << boxes.Prompts().join("|").toStdString();
    ASSERT_EQ(StoredCount("Persoane"), last - 1);
    ASSERT_EQ(List()->Count(), last - 1);
    ASSERT_EQ(SelectedIndex(List()), last - 1);
    ASSERT_EQ(w->cmdDelete->isHidden(), last == 1);
  }
  EXPECT_TRUE(w->cmdEdit2->isHidden());
  Search("1*");
  EXPECT_EQ(List()->Count(), 0);
}

namespace {

// The texts of each person's listed name as a list reads them, through a connection of
// its own: the empty text where the row cannot be read.
QStringList ReadableNames(testsupport::FixtureDatabase& fixture, int persons) {
  auto db = fixture.Open();
  QStringList names;
  for (int i = 1; i <= persons; ++i) {
    try {
      names << db->Scalar("SELECT Nume FROM Persoane WHERE rowid = ?", {i}).toString();
    } catch (const platform::RuntimeError&) {
      names << QString();
    }
  }
  return names;
}

}  // namespace

// Letters typed near a damaged page of the persons: the page costs only its own rows.
// Many names start with the letters, among them names on the damaged page and further
// readable ones; from the row before the page, from within the first names and from the
// last row, each letter finds the row that a walk over the readable names finds, the
// damaged page's rows passed over whether the list had read them or not, and the fault
// is told once.
TEST_F(ListAndOtherDesk, LettersTypedNearADamagedPageFindTheFirstReadableMatch) {
  constexpr int kPersons = 400, kDamaged = 200;
  fixture.Db().Execute("BEGIN");
  AddPersons(kPersons, 60);
  // IONESCU: the first 80 persons, and from the 150th on every person whose number ends
  // a multiple of 40 or lies 7 past one (the damaged page's person among them).
  fixture.Db().Execute("UPDATE Persoane SET Nume = 'IONESCU' || substr(Nume, 8) WHERE rowid <= 80 OR "
                       "(rowid >= 150 AND rowid % 40 IN (0, 7))");
  fixture.Db().Execute("COMMIT");
  fixture.DamageRowPage("Persoane", kDamaged);
  const QStringList readable = ReadableNames(fixture, kPersons);
  ASSERT_TRUE(readable[kDamaged - 1].isEmpty());
  int firstUnreadable = kDamaged;
  while (readable[firstUnreadable - 2].isEmpty()) --firstUnreadable;
  core::BazaDate = fixture.Open();
  MessageBoxScript boxes;
  ShowListed();
  auto& rows = dynamic_cast<main_window::ListedRecords&>(*List()->Rows());
  ASSERT_EQ(rows.Count(), kPersons);

  const int froms[] = {firstUnreadable - 2, 40, kPersons - 1};  // rows counted from 0
  for (const QString& prefix : {QStringLiteral("i"), QStringLiteral("IONESCU ION 2"), QStringLiteral("ionescu ion 24")}) {
    for (const int from : froms) {
      int walked = -1;
      for (int i = 0; i < kPersons && walked < 0; ++i)
        if (readable[(from + i) % kPersons].startsWith(prefix, Qt::CaseInsensitive)) walked = (from + i) % kPersons;
      ASSERT_GE(walked, 0);
      EXPECT_EQ(rows.FindStartingWith(0, prefix, from), walked) << prefix.toStdString() << " from " << from;
    }
  }
  QApplication::processEvents();
  ASSERT_EQ(boxes.Prompts().size(), 1) << boxes.Prompts().join("|").toStdString();
  EXPECT_TRUE(boxes.Prompts()[0].startsWith("3343 ")) << boxes.Prompts()[0].toStdString();

  // Typed in the window, the letter selects that row.
  ClickRow(List(), firstUnreadable - 1);
  List()->keyboardSearch(QString());
  List()->keyboardSearch(QStringLiteral("i"));
  const int expected = rows.FindStartingWith(0, QStringLiteral("i"), firstUnreadable - 2) + 1;
  EXPECT_GT(expected, firstUnreadable);
  EXPECT_EQ(SelectedIndex(List()), expected);
  EXPECT_EQ(List()->Item(expected).text(0), readable[expected - 1]);
}

// A search with an empty box over a damaged page lists every person, as "*" does: the
// same rows, those of the damaged page empty and not to be chosen, told once a search.
TEST_F(ListAndOtherDesk, AnEmptySearchOverADamagedPageListsAsTheStarDoes) {
  constexpr int kPersons = 400;
  OpenWithADamagedPage(kPersons);
  MessageBoxScript boxes;
  struct Listed {
    int count = 0;
    QStringList texts;  // each row's CNP, "-" for a row that cannot be chosen
    int told = 0;
  };
  auto listed = [&](const QString& criterion) {
    boxes.Clear();
    ShowListed(criterion);
    Listed out;
    auto* rows = dynamic_cast<main_window::ListedRecords*>(List()->Rows());
    if (!rows) return out;
    out.count = rows->Count();
    for (int row = 0; row < out.count; ++row)
      out.texts << (rows->Selectable(row) ? rows->Texts(row).value(3) : QStringLiteral("-"));
    QApplication::processEvents();
    out.told = int(boxes.Prompts().size());
    return out;
  };
  const Listed empty = listed(QString());  // first: a failed search would leave the list as it was
  const Listed star = listed(QStringLiteral("*"));
  ASSERT_EQ(star.count, kPersons);
  ASSERT_TRUE(star.texts.contains("-"));
  EXPECT_EQ(star.told, 1);
  EXPECT_EQ(empty.count, kPersons);
  EXPECT_EQ(empty.texts, star.texts);
  EXPECT_EQ(empty.told, 1);
}

// A person the list has read and shows, renamed since by another desk: letters pass over
// that row, as over a row gone, whether the new name or the shown one starts with them,
// to the next row that shows a name starting with them and holds it still.
TEST_F(ListAndOtherDesk, ALetterPassesOverARowRenamedByAnotherDeskSinceTheListReadIt) {
  constexpr int kPersons = 200;
  AddPersons(kPersons);
  fixture.Db().Execute("UPDATE Persoane SET Nume = 'IONESCU' || substr(Nume, 8) WHERE rowid = 150");
  MessageBoxScript boxes;
  ShowListed();
  auto& rows = dynamic_cast<main_window::ListedRecords&>(*List()->Rows());
  ASSERT_EQ(rows.Texts(2)[0], Name(3));  // read
  auto otherDesk = fixture.Open();
  otherDesk->Execute("UPDATE Persoane SET Nume = 'IONESCU MARIA' WHERE rowid = 3");
  for (const QString& prefix : {QStringLiteral("i"), QStringLiteral("IONESCU M")}) {
    SCOPED_TRACE(prefix.toStdString());
    EXPECT_EQ(rows.FindStartingWith(0, prefix, 0), prefix == "i" ? 149 : -1);
    EXPECT_EQ(rows.Texts(2)[0], Name(3)) << "the list shows what the search found";
  }
  EXPECT_EQ(rows.FindStartingWith(0, QStringLiteral("POPESCU ION 3"), 0), 29) << "POPESCU ION 30";
  EXPECT_TRUE(boxes.Prompts().isEmpty());
}
