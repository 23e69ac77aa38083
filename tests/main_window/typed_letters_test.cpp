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

namespace {

// Persons and vehicles stored as an import sorted by name leaves them: each kind of
// name a block of rows, one name shared by more rows than are read together, series,
// categories and makes that long runs of rows share in several letter cases, with
// diacritics, and a Null.
class TypedLettersInBlocks : public testsupport::RecordsWindow {
 protected:
  static constexpr int kPersons = 4000;
  static constexpr int kVehicles = 3000;
  void SetUp() override {
    RecordsWindow::SetUp();
    fixture.Db().Execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "INSERT INTO Persoane (Nume, Serie, nr, CNP) SELECT "
        "CASE WHEN i <= 600 THEN 'ana ' || i WHEN i <= 2100 THEN 'bARBU' WHEN i <= 2600 THEN 'Bogdan ' || i "
        "WHEN i <= 3000 THEN 'Şerban ' || i WHEN i <= 3400 THEN 'ştefan ' || i WHEN i <= 3500 THEN NULL "
        "ELSE '*stea ' || i END, "
        "CASE WHEN i % 500 = 0 THEN 'zz' WHEN i <= 2500 THEN 'RX' ELSE 'Rx' END, i, "
        "(1 + i % 2) || substr('000000000000' || i, -12) FROM n").arg(kPersons));
    fixture.Db().Execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
        "INSERT INTO Masini (NrIdentificare, Categoria, Marca, Tipul) SELECT "
        "CASE WHEN i <= 2000 THEN 'WV' || substr('000000' || i, -6) ELSE 'uu' || i END, "
        "CASE WHEN i <= 1800 THEN 'M1' WHEN i <= 2400 THEN 'N1' ELSE 'm1' END, "
        "CASE i % 3 WHEN 0 THEN 'DACIA' WHEN 1 THEN 'Dacia' ELSE 'Ford ' || (i % 7) END, "
        "CASE WHEN i <= 1500 THEN 'Logan' WHEN i <= 2200 THEN 'Sandero ' || i ELSE 'ŢUICA' END FROM n")
                             .arg(kVehicles));
    // One name in every spelling of the case of its first six letters: more spellings
    // than the index is asked for one by one.
    for (int i = 0; i < 64; ++i) {
      QString name = QStringLiteral("barbux");
      for (int letter = 0; letter < 6; ++letter)
        if (i & (1 << letter)) name[letter] = name[letter].toUpper();
      fixture.AddPerson({{"Nume", name + QString::number(i)}, {"CNP", QStringLiteral("1%1").arg(i, 12, 10, QLatin1Char('0'))}});
    }
    w = Show(2);
  }

  // The list's answer against a walk over the texts it shows, from rows at the ends of
  // the list, at the edges of the blocks and between them, for every column.
  void ExpectTheWalksAnswers(platform::ListView* list, const QStringList& prefixes) {
    ListedRecords& rows = dynamic_cast<ListedRecords&>(*list->Rows());
    const int count = rows.Count();
    ASSERT_GT(count, 0);
    QList<QStringList> shown;
    for (int column = 0; column < 4; ++column) shown << Listed(list, column);
    QList<int> froms = {0, 1, count - 2, count - 1};
    for (int from = 299; from < count; from += 300) froms << from << from + 1;
    for (int column = 0; column < 4; ++column)
      for (const QString& prefix : prefixes)
        for (const int from : froms) {
          if (from < 0 || from >= count) continue;
          int walked = -1;
          for (int i = 0; i < count && walked < 0; ++i)
            if (shown[column][(from + i) % count].startsWith(prefix, Qt::CaseInsensitive)) walked = (from + i) % count;
          ASSERT_EQ(rows.FindStartingWith(column, prefix, from), walked)
              << "column " << column << " '" << prefix.toStdString() << "' from " << from;
        }
  }

  // The same in the lists of every person, of the men, of every vehicle and of those
  // whose identification number starts with WV.
  void ExpectTheWalksAnswersAfterEachSearch(const QStringList& persons, const QStringList& vehicles) {
    for (const QString& criterion : {QString(), QStringLiteral("1*")}) {
      SCOPED_TRACE(criterion.toStdString());
      w->optCNP->setChecked(true);
      w->txtCriteriu->setText(criterion);
      w->cmdCauta->click();
      ExpectTheWalksAnswers(w->lvwResult, persons);
    }
    for (const QString& criterion : {QString(), QStringLiteral("WV*")}) {
      SCOPED_TRACE(criterion.toStdString());
      w->txtCriteriu2->setText(criterion);
      w->cmdCauta2->click();
      ExpectTheWalksAnswers(w->lvwMasini, vehicles);
    }
  }

  frmVelorast* w = nullptr;
};

}  // namespace

// With the indexes of every listed column (and of the first characters of the keys and
// the names: half the persons' names start with B; and by blocks of row ids), and again
// in a file that lacks those of the series, the numbers, the vehicles' category, make
// and type, the first characters and the blocks (one made before they were added, that
// could not be written since): the same answers.
TEST_F(TypedLettersInBlocks, TheDatabaseFindsTheRowAWalkFindsWhateverTheOrderOfTheRows) {
  const QStringList persons = {"a", "ANA 5", "b", "BA", "barbu", "barbux", "BARBUX1", "bo", "ş", "Ş", "şt",
                               "ŞERBAN 29", "*", "r", "rx", "RX", "Z", "x", "1", "39", "2", "20000",
                               "10000000002", "4"};
  const QStringList vehicles = {"w", "WV0", "WV002", "u", "UU29", "m", "M1", "n", "d", "DAC", "dacia",
                                "f", "FORD 3", "l", "s", "SANDERO 21", "ţ", "Ţu", "t", "x"};
  for (const bool indexed : {true, false}) {
    SCOPED_TRACE(indexed ? "every listed column indexed" : "without the later indexes");
    if (!indexed)
      fixture.Db().Execute("DROP INDEX PersoaneSerie; DROP INDEX PersoaneNr; DROP INDEX MasiniCategoria; "
                           "DROP INDEX MasiniMarca; DROP INDEX MasiniTipul; DROP INDEX PersoaneCNPInitiala; "
                           "DROP INDEX PersoaneNumeInitiala; DROP INDEX MasiniNrIdentificareInitiala; "
                           "DROP INDEX PersoaneNumeBloc; DROP INDEX PersoaneNrBloc; "
                           "DROP INDEX MasiniNrIdentificareBloc");
    ExpectTheWalksAnswersAfterEachSearch(persons, vehicles);
  }
}

// The same rows with their row ids far apart, a few in each block of the index by
// blocks of row ids and whole blocks without any, and a list that holds only some of
// them: the blocks walked from the current row find what the walk over the texts finds.
TEST_F(TypedLettersInBlocks, RowsSpreadOverManyBlocksOfRowIdsAreFoundAsAWalkFindsThem) {
  fixture.Db().Execute(QStringLiteral("UPDATE Persoane SET IdPersoana = 1000000 + IdPersoana * 211 + "
                                      "(IdPersoana / 700) * 50000; "
                                      "UPDATE Masini SET IdMasina = 1000000 + IdMasina * 307"));
  const QStringList persons = {"a", "ANA 5", "b", "BA", "barbu", "BARBUX1", "bo", "BOGDAN 25", "ş", "şt",
                               "ŞERBAN 29", "*", "*stea 38", "r", "Z", "1", "20000", "10000000002"};
  const QStringList vehicles = {"w", "WV0", "WV002", "u", "UU29", "m", "d", "f", "s", "SANDERO 21", "ţ", "x"};
  ExpectTheWalksAnswersAfterEachSearch(persons, vehicles);
}
