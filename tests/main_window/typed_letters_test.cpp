// Letters typed in the persons list: the database answers them over the search's own
// condition and order exactly as a walk over the listed texts would, the window selects
// and shows the row found, a modified person is found by the text the list still shows,
// and a walk over a long list holds only the rows around those shown.

#include <QPushButton>
#include <QRadioButton>

#include "RecordsWindow.h"
#include "main_window/ListedRecords.h"

using main_window::ListedRecords;

namespace {

constexpr int kPersons = 600;

class TypedLetters : public testsupport::RecordsWindow {
 protected:
  void SetUp() override {
    RecordsWindow::SetUp();
    // Names of every case, with diacritics, blanks, a star and a Null; CNPs of men on
    // the even rows and of women on the odd ones.
    fixture.Db().Execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "INSERT INTO Persoane (Nume, Serie, nr, CNP) SELECT "
        "CASE i % 9 WHEN 0 THEN 'ana ' || i WHEN 1 THEN 'Bogdan ' || i WHEN 2 THEN 'bARBU' "
        "WHEN 3 THEN 'Şerban ' || i WHEN 4 THEN 'ştefan' WHEN 5 THEN '*stea' WHEN 6 THEN 'a*b' "
        "WHEN 7 THEN NULL ELSE 'Ana Maria' END, "
        "CASE WHEN i % 250 = 0 THEN 'ZZ' ELSE 'RX' END, i, (1 + i % 2) || substr('000000000000' || i, -12) "
        "FROM n").arg(kPersons));
    w = Show(2);
  }
  void Search(const QString& criterion) {
    w->optCNP->setChecked(true);
    w->txtCriteriu->setText(criterion);
    w->cmdCauta->click();
    QApplication::processEvents();
  }
  ListedRecords& Rows() const { return dynamic_cast<ListedRecords&>(*w->lvwResult->Rows()); }
  void Type(const QString& letters) {
    for (const QString& letter : letters.split(QString(), Qt::SkipEmptyParts)) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, letter);
      QApplication::sendEvent(w->lvwResult, &press);
    }
  }

  frmVelorast* w = nullptr;
};

}  // namespace

// The rows' own answer, from every row, against the walk over their texts that a list
// of fixed rows makes; for prefixes that many rows start with, a few, and none.
TEST_F(TypedLetters, TheDatabaseFindsTheRowAWalkOverTheListedTextsFinds) {
  // Prefixes that many rows start with, a few (fewer than a hundred) and none, for
  // columns with an index (name, CNP) and without.
  const QStringList prefixes = {"a",        "AN",       "ana m",   "ANA 1", "şerban 5",    "b",  "Ş",
                                "şt",       "*",        "a*",      "?",     "z",           "1",  "0000000",
                                "10000000005", "rx",    "zz"};
  for (const QString& criterion : {QString(), QStringLiteral("1*")}) {
    Search(criterion);
    ListedRecords& rows = Rows();
    ASSERT_GT(rows.Count(), 0);
    for (int column = 0; column < 4; ++column)
      for (const QString& prefix : prefixes)
        for (int from = 0; from < rows.Count(); from += 37)
          ASSERT_EQ(rows.FindStartingWith(column, prefix, from),
                    rows.platform::ListRows::FindStartingWith(column, prefix, from))
              << criterion.toStdString() << " column " << column << " '" << prefix.toStdString() << "' from " << from;
  }
}

TEST_F(TypedLetters, ALetterTypedInTheListSelectsAndShowsTheNextRowWithIt) {
  Search(QString());
  platform::ListView* list = w->lvwResult;
  list->setFocus();
  ClickRow(list, 1);  // Bogdan 1
  Type("b");
  EXPECT_EQ(SelectedIndex(w->lvwResult), 2) << "bARBU";
  Type("b");
  EXPECT_EQ(SelectedIndex(w->lvwResult), 10) << "Bogdan 10: the same letter again moves on";
  Type("x");
  EXPECT_EQ(SelectedIndex(w->lvwResult), 10) << "no name starts with bbx";

  // From the last row, past the end to the first row that starts with it.
  list->keyboardSearch(QString());
  list->EnsureVisibleAndSelect(list->Item(kPersons));
  Type("A");
  EXPECT_EQ(SelectedIndex(w->lvwResult), 6) << "a*b";

  // In the column of the current cell; a row far down is scrolled into view.
  list->keyboardSearch(QString());
  list->setCurrentIndex(list->model()->index(0, 1));
  Type("z");
  EXPECT_EQ(SelectedIndex(w->lvwResult), 250);
  EXPECT_EQ(list->SelectedItem().text(1), "ZZ");
  EXPECT_TRUE(list->viewport()->rect().intersects(list->ItemRect(list->Item(250))));
}

// A modified person keeps its listed name, and the letters find it by that name.
TEST_F(TypedLetters, AModifiedPersonIsFoundByTheNameTheListShows) {
  Search(QStringLiteral("1*"));  // the even rows: row 2 is person 4, "ştefan"
  platform::ListView* list = w->lvwResult;
  w->optCumparator->setChecked(true);
  ClickRow(list, 2);
  ASSERT_EQ(w->txtVerso[1]->text(), "ştefan");
  w->txtVerso[1]->setText("ZORRO");
  platform::MessageBoxScript boxes;
  w->cmdEdit1->click();
  ASSERT_EQ(StoredRow("Persoane", "CNP", list->Item(2).text(3)).value("Nume").toString(), "ZORRO");
  EXPECT_EQ(list->Item(2).text(0), "ştefan");

  list->setFocus();
  list->keyboardSearch(QString());
  ClickRow(list, 1);
  Type("Şt");
  EXPECT_EQ(SelectedIndex(w->lvwResult), 2);
  list->keyboardSearch(QString());
  ClickRow(list, 1);
  Type("zo");
  EXPECT_EQ(SelectedIndex(w->lvwResult), 1) << "ZORRO is not what the list shows";
}

// Reading every row of a list, as scrolling from its top to its end does, holds no
// more than the rows around the last ones read.
TEST_F(TypedLetters, AWalkOverTheWholeListHoldsOnlyTheRowsAroundTheLastShown) {
  Search(QString());
  EXPECT_EQ(Listed(w->lvwResult, 0).size(), kPersons);
  EXPECT_LE(Rows().RowsHeld(), ListedRecords::kHeld + ListedRecords::kBlock);
  EXPECT_EQ(w->lvwResult->Item(1).text(0), "Bogdan 1") << "a row let go is read again";
}
