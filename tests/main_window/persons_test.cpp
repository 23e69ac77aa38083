// Persons on the main window: the search, the selection into the buyer or the seller
// boxes, add, modify and clear, driven through the window's own controls.

#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include "RecordsWindow.h"

using platform::MessageBoxScript;

namespace {

const QString kPopescuIon = "1850331460012";

class Persons : public testsupport::RecordsWindow {
 protected:
  void SetUp() override {
    RecordsWindow::SetUp();
    // Every column of the buyer, each with a text of its own.
    fixture.AddPerson({{"Nume", "POPESCU ION"}, {"Serie", "RX"}, {"nr", "123456"}, {"CNP", kPopescuIon},
                       {"Tata", "VASILE"}, {"Mama", "ELENA"}, {"DataNast", "31.03.85"}, {"LocNast", "VASLUI"},
                       {"j", "J22/1/2000"}, {"R", "RO123"}, {"AdresaLoc", "IASI"}, {"Str", "LALELELOR"},
                       {"AdresaNr", "5"}, {"Bl", "A1"}, {"Sc", "B"}, {"Ap", "12"}, {"Judet", "IS"},
                       {"Cod", "700100"}, {"Profesia", "INGINER"}, {"LocMunca", "SC ALFA"},
                       {"Telefoane", "0232111111"}});
    fixture.AddPerson({{"Nume", "IONESCU MARIA"}, {"Serie", "MX"}, {"nr", "654321"}, {"CNP", "2850331460023"}});
    fixture.AddPerson({{"Nume", "POPESCU ANA"}, {"CNP", "1850331460034"}});  // no identity card
    fixture.AddPerson({{"Nume", "O'BRIEN SEAN"}, {"Serie", "XY"}, {"nr", "111111"}, {"CNP", "1850331'46001"}});
    fixture.AddPerson({{"Nume", "SC O'NEILL SRL"}, {"CNP", "1850331"}});
  }

  frmVelorast* Search(const QString& criterion, bool byName = false) {
    frmVelorast* w = Show(2);
    (byName ? w->optNume : w->optCNP)->setChecked(true);
    w->txtCriteriu->setText(criterion);
    w->cmdCauta->click();
    return w;
  }

  static void TypeBuyer(frmVelorast* w, const QString& name, const QString& cnp) {
    w->txtVerso[1]->setText(name);
    w->txtVerso[4]->setText(cnp);
  }
  static void TypeSeller(frmVelorast* w, const QString& name, const QString& cnp) {
    w->txtVerso[23]->setText(name);
    w->txtVerso[26]->setText(cnp);
  }
  static QStringList Boxes(frmVelorast* w, int from, int to) {
    QStringList out;
    for (int i = from; i <= to; ++i) out << w->txtVerso[i]->text();
    return out;
  }
};

}  // namespace

TEST_F(Persons, SearchTakesTheCriterionAsTheLikePatternTyped) {
  const QStringList all{"POPESCU ION", "IONESCU MARIA", "POPESCU ANA", "O'BRIEN SEAN", "SC O'NEILL SRL"};
  struct Case {
    bool byName;
    QString criterion;
    QStringList names;
  } cases[] = {
      {false, kPopescuIon, {"POPESCU ION"}},
      {false, "1850331", {"SC O'NEILL SRL"}},  // seven digits find only that CNP
      {false, "1850331*", {"POPESCU ION", "POPESCU ANA", "O'BRIEN SEAN", "SC O'NEILL SRL"}},
      {false, "18503314600?2", {"POPESCU ION"}},
      {false, "185033146003#", {"POPESCU ANA"}},
      {false, "1850331'46001", {"O'BRIEN SEAN"}},
      {false, "", all},
      {false, "   ", {}},
      {true, "POPESCU", {}},
      {true, "POPESCU*", {"POPESCU ION", "POPESCU ANA"}},
      {true, "popescu i*", {"POPESCU ION"}},
      {true, "O'BRIEN*", {"O'BRIEN SEAN"}},
      {true, "*O'N*", {"SC O'NEILL SRL"}},
      {true, "", all},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE((c.byName ? "Nume " : "CNP ") + c.criterion.toStdString());
    frmVelorast* w = Search(c.criterion, c.byName);
    EXPECT_EQ(Listed(w->lvwResult, 0), c.names);
    EXPECT_EQ(w->rsPersoane->RecordCount(), c.names.size());
    EXPECT_TRUE(w->rsPersoane->EOF());
  }
}

TEST_F(Persons, EnterInTheCriterionSearchesAndTheListShowsNameSeriesNumberAndCnp) {
  frmVelorast* w = Show(2);
  w->txtVerso[1]->setText("typed by the clerk");
  w->txtCriteriu->setText("1850331460*");
  w->txtCriteriu->setFocus();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(w->txtCriteriu, &enter);

  ASSERT_EQ(w->lvwResult->Count(), 2);
  EXPECT_EQ(Listed(w->lvwResult, 0), QStringList({"POPESCU ION", "POPESCU ANA"}));
  EXPECT_EQ(Listed(w->lvwResult, 1), QStringList({"RX", ""}));
  EXPECT_EQ(Listed(w->lvwResult, 2), QStringList({"123456", ""}));
  EXPECT_EQ(Listed(w->lvwResult, 3), QStringList({kPopescuIon, "1850331460034"}));
  EXPECT_FALSE(platform::ListView::Selected(w->lvwResult->SelectedItem())) << "the program chooses no row";
  EXPECT_EQ(w->txtVerso[1]->text(), "typed by the clerk") << "a search loads nothing";
}

TEST_F(Persons, AClickLoadsTheBuyerByOrdinalOrTheSellerByName) {
  frmVelorast* w = Search(kPopescuIon);
  for (int i : {0, 22, 38, 39}) w->txtVerso[i]->setText(QStringLiteral("case %1").arg(i));
  for (int i = 23; i <= 37; ++i) w->txtVerso[i]->setText("s");

  ClickRow(w->lvwResult, 1);
  EXPECT_EQ(Boxes(w, 1, 21),
            QStringList({"POPESCU ION", "RX", "123456", kPopescuIon, "VASILE", "ELENA", "31.03.85", "VASLUI",
                         "J22/1/2000", "RO123", "IASI", "LALELELOR", "5", "A1", "B", "12", "IS", "700100",
                         "INGINER", "SC ALFA", "0232111111"}));
  EXPECT_EQ(Boxes(w, 23, 37), QStringList(15, "s"));

  for (int i = 1; i <= 21; ++i) w->txtVerso[i]->setText("b");
  w->optVanzator->setChecked(true);
  ClickRow(w->lvwResult, 1);
  EXPECT_EQ(Boxes(w, 23, 37),
            QStringList({"POPESCU ION", "RX", "123456", kPopescuIon, "31.03.85", "J22/1/2000", "RO123", "IASI",
                         "LALELELOR", "5", "A1", "B", "12", "IS", "700100"}));
  EXPECT_EQ(Boxes(w, 1, 21), QStringList(21, "b"));
  for (int i : {0, 22, 38, 39}) EXPECT_EQ(w->txtVerso[i]->text(), QStringLiteral("case %1").arg(i));
}

TEST_F(Persons, NullColumnsLoadAsEmptyBoxes) {
  frmVelorast* w = Search("1850331460034");
  for (int i = 1; i <= 21; ++i) w->txtVerso[i]->setText("old");
  ClickRow(w->lvwResult, 1);
  QStringList expected(21, QString());
  expected[0] = "POPESCU ANA";
  expected[3] = "1850331460034";
  EXPECT_EQ(Boxes(w, 1, 21), expected);
}

TEST_F(Persons, ArrowsReleasedLoadTheRowMovedTo_OtherKeysLoadNothing) {
  frmVelorast* w = Search("1850331*");
  ClickRow(w->lvwResult, 1);
  w->lvwResult->setFocus();

  PressAndRelease(w->lvwResult, Qt::Key_Down);
  EXPECT_EQ(w->txtVerso[1]->text(), "POPESCU ANA");
  PressAndRelease(w->lvwResult, Qt::Key_End);
  EXPECT_EQ(w->lvwResult->Index(w->lvwResult->SelectedItem()), 4);
  EXPECT_EQ(w->txtVerso[1]->text(), "POPESCU ANA") << "End moves without loading";
  PressAndRelease(w->lvwResult, Qt::Key_Up);
  EXPECT_EQ(w->txtVerso[1]->text(), "O'BRIEN SEAN");
  EXPECT_EQ(w->txtVerso[4]->text(), "1850331'46001");

  PressAndRelease(w->lvwResult, Qt::Key_End);
  w->txtVerso[1]->clear();
  PressAndRelease(w->lvwResult, Qt::Key_Down);
  EXPECT_EQ(w->txtVerso[1]->text(), "SC O'NEILL SRL") << "Down on the last row loads it again";
}

TEST_F(Persons, AClickWithoutASelectedRowDoesNothing) {
  frmVelorast* w = Show(2);
  MessageBoxScript boxes;
  ClickEmptySpace(w->lvwResult);  // nothing listed yet

  Search("*", true);
  ClickEmptySpace(w->lvwResult);
  w->lvwResult->SetCurrentItem(w->lvwResult->Item(2));
  w->lvwResult->clearSelection();  // a current row that is not selected
  w->lvwResult_Click();
  w->lvwResult->SetCurrentItem({});
  w->lvwResult_Click();

  EXPECT_EQ(Boxes(w, 1, 21), QStringList(21, QString()));
  EXPECT_TRUE(boxes.Shown().isEmpty());
}

TEST_F(Persons, AListedRowMissingFromTheRecordSetIsReported) {
  frmVelorast* w = Search("1850331*");
  fixture.Db().Execute("DELETE FROM Persoane WHERE CNP = ?", {"1850331'46001"});
  MessageBoxScript boxes;
  ClickRow(w->lvwResult, 3);
  ASSERT_EQ(boxes.Shown().size(), 1);
  EXPECT_EQ(boxes.Shown()[0].prompt, "CNP-ul 1850331'46001 nu exista in Baza de Date");
  EXPECT_EQ(boxes.Shown()[0].style, platform::vbOKOnly);
  EXPECT_EQ(w->txtVerso[1]->text(), "");
}

TEST_F(Persons, AddAndModifyRefuseBlankNamesAndCnpsAndUnknownOrKnownCnps) {
  struct Case {
    const char* what;
    bool seller;
    bool modify;
    QString name, cnp;
    QString message;
    int focusedBox;  // -1: the focus stays where it was
  } cases[] = {
      {"buyer add, blank name", false, false, "  ", kPopescuIon,
       "Nu puteti salva datele inainte de a scrie Numele, Prenumele sau Denumirea CUMPARATORULUI", 1},
      {"buyer add, blank CNP", false, false, "X", " ", "Nu puteti salva datele inainte de a scrie CNP-ul CUMPARATORULUI",
       4},
      {"buyer add, CNP stored though not listed", false, false, "X", "2850331460023",
       "Datele persoanei cu CNP-ul 2850331460023 exista in Baza de Date!", 4},
      {"seller add, blank name", true, false, "", kPopescuIon,
       "Nu puteti salva datele inainte de a scrie Numele, Prenumele sau Denumirea VANZATORULUI", 23},
      {"seller add, blank CNP", true, false, "X", "", "Nu puteti salva datele inainte de a scrie CNP-ul VANZATORULUI", 26},
      {"seller add, apostrophe CNP stored", true, false, "X", "1850331'46001",
       "Datele persoanei cu CNP-ul 1850331'46001 exista in Baza de Date!", 26},
      {"buyer modify, blank name", false, true, " ", kPopescuIon,
       "Nu puteti modifica datele inainte de a scrie Numele, Prenumele sau Denumirea CUMPARATORULUI", 1},
      {"seller modify, blank name: the add's words", true, true, "", kPopescuIon,
       "Nu puteti salva datele inainte de a scrie Numele, Prenumele sau Denumirea VANZATORULUI", 23},
      {"buyer modify, blank CNP", false, true, "X", "",
       "Nu puteti modifica datele inainte de a scrie CNP-ul CUMPARATORULUI", 4},
      {"seller modify, blank CNP", true, true, "X", "  ",
       "Nu puteti modifica datele inainte de a scrie CNP-ul VANZATORULUI", 26},
      {"buyer modify, CNP not stored", false, true, "X", "1990101'0001",
       "Datele persoanei cu CNP-ul 1990101'0001 nu exista in Baza de Date. Se poate Adauga!", 4},
      {"seller modify, stored but outside the search result", true, true, "X", "2850331460023",
       "Nu exista in Baza de Date persoana cu CNP-ul: 2850331460023. Cautati persoana din nou (butonul Cauta), apoi apasati iar Modifica.", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    frmVelorast* w = Search("1850331*");
    (c.seller ? TypeSeller : TypeBuyer)(w, c.name, c.cnp);
    w->txtCriteriu->setFocus();
    MessageBoxScript boxes;
    QPushButton* button = c.seller ? (c.modify ? w->cmdEdit2 : w->cmdSave2) : (c.modify ? w->cmdEdit1 : w->cmdSave1);
    button->click();
    EXPECT_EQ(boxes.Prompts(), QStringList{c.message});
    EXPECT_EQ(Focused(), c.focusedBox < 0 ? static_cast<QWidget*>(w->txtCriteriu) : w->txtVerso[c.focusedBox]);
    EXPECT_EQ(StoredCount("Persoane"), 5);
    EXPECT_EQ(StoredRow("Persoane", "CNP", kPopescuIon).value("Nume"), "POPESCU ION");
    EXPECT_EQ(StoredRow("Persoane", "CNP", "2850331460023").value("Nume"), "IONESCU MARIA");
  }
}

TEST_F(Persons, AddStoresTheBuyersColumnsAsTypedAndANameWithAnApostrophe) {
  frmVelorast* w = Search("1850331*");
  for (int i = 1; i <= 21; ++i) w->txtVerso[i]->setText(QStringLiteral("c%1").arg(i));
  TypeBuyer(w, "D'ARTAGNAN CHARLES", "199010146001 ");  // stored with its blank, looked up without
  w->txtVerso[20]->clear();
  MessageBoxScript boxes;
  w->cmdSave1->click();

  EXPECT_TRUE(boxes.Shown().isEmpty());
  const QVariantMap row = StoredRow("Persoane", "CNP", "199010146001 ");
  ASSERT_FALSE(row.isEmpty());
  EXPECT_EQ(row.value("Nume"), "D'ARTAGNAN CHARLES");
  EXPECT_EQ(row.value("Serie"), "c2");
  EXPECT_EQ(row.value("Telefoane"), "c21");
  EXPECT_FALSE(row.value("LocMunca").isNull()) << "an empty box writes the empty text";
  EXPECT_EQ(row.value("LocMunca"), "");
  EXPECT_EQ(w->lvwResult->Count(), 4) << "the list shows the new person only after a search";
  EXPECT_EQ(w->rsPersoane->RecordCount(), 5) << "the new person belongs to the record set";
  EXPECT_EQ(w->txtVerso[1]->text(), "D'ARTAGNAN CHARLES");

  w->cmdSave1->click();  // the same CNP again
  EXPECT_EQ(boxes.Prompts().value(0), "Datele persoanei cu CNP-ul 199010146001 exista in Baza de Date!");
  EXPECT_EQ(StoredCount("Persoane"), 6);

  Search("D'ARTAGNAN*", true);
  ASSERT_EQ(w->lvwResult->Count(), 1);
  EXPECT_EQ(w->lvwResult->Item(1).text(3), "199010146001 ");
}

// A CNP pasted with an invisible byte-order mark before it is stored with it (the mark
// one of the box's 13 characters), and every look-up compares the whole text: the list
// shows it as stored, a click loads it, Adauga of the same text is refused, Modifica and
// Sterge reach it. A search must name the mark too (or begin with *), as it names any
// first character.
TEST_F(Persons, ACnpBeginningWithAByteOrderMarkIsFoundLoadedModifiedAndDeleted) {
  const QString pasted = QChar(0xFEFF) + QStringLiteral("185010112345");
  frmVelorast* w = Search("");
  w->optCumparator->setChecked(true);
  TypeBuyer(w, "MARCU DAN", pasted);
  MessageBoxScript boxes;
  w->cmdSave1->click();
  ASSERT_TRUE(boxes.Prompts().isEmpty()) << boxes.Prompts().join("|").toStdString();
  ASSERT_EQ(StoredRow("Persoane", "CNP", pasted).value("Nume"), "MARCU DAN");

  for (const QString& criterion : {pasted, QStringLiteral("*1850101*"), QString(QChar(0xFEFF)) + "1850101*"}) {
    Search(criterion);
    ASSERT_EQ(w->lvwResult->Count(), 1) << criterion.toStdString();
    EXPECT_EQ(w->lvwResult->Item(1).text(3), pasted);
  }
  Search("1850101*");
  EXPECT_EQ(w->lvwResult->Count(), 0) << "the whole text begins with the mark";

  Search("*1850101*");
  w->cmdClear1->click();
  ClickRow(w->lvwResult, 1);
  EXPECT_TRUE(boxes.Prompts().isEmpty()) << boxes.Prompts().join("|").toStdString();
  EXPECT_EQ(w->txtVerso[4]->text(), pasted);
  EXPECT_EQ(w->txtVerso[1]->text(), "MARCU DAN");

  TypeSeller(w, "MARCU DAN", pasted);
  w->cmdSave2->click();
  EXPECT_EQ(boxes.Prompts(), QStringList{"Datele persoanei cu CNP-ul " + pasted + " exista in Baza de Date!"});
  EXPECT_EQ(StoredCount("Persoane"), 6);

  boxes.Clear();
  w->txtVerso[21]->setText("0744");
  w->cmdEdit1->click();
  EXPECT_TRUE(boxes.Prompts().isEmpty()) << boxes.Prompts().join("|").toStdString();
  EXPECT_EQ(StoredRow("Persoane", "CNP", pasted).value("Telefoane"), "0744");

  w->lvwResult->SetCurrentItem(w->lvwResult->Item(1));
  boxes.Answer(platform::vbYes);
  w->cmdDelete->click();
  EXPECT_EQ(boxes.Prompts(), QStringList{"Sigur doriti sa stergeti datele persoanei cu CNP-ul " + pasted + " ?"});
  EXPECT_TRUE(StoredRow("Persoane", "CNP", pasted).isEmpty());
  EXPECT_EQ(StoredCount("Persoane"), 5);
}

TEST_F(Persons, ASellerIsStoredInFifteenColumnsAndLoadsAsABuyerWithoutTheOtherSix) {
  frmVelorast* w = Show(2);
  for (int i = 23; i <= 37; ++i) w->txtVerso[i]->setText(QStringLiteral("s%1").arg(i));
  TypeSeller(w, "VANZATOR NOU", "1700101460015");
  MessageBoxScript boxes;
  w->cmdSave2->click();
  EXPECT_TRUE(boxes.Shown().isEmpty());

  const QVariantMap row = StoredRow("Persoane", "CNP", "1700101460015");
  EXPECT_EQ(row.value("Nume"), "VANZATOR NOU");
  EXPECT_EQ(row.value("DataNast"), "s27");
  EXPECT_EQ(row.value("Cod"), "s37");
  for (const char* buyerOnly : {"Tata", "Mama", "LocNast", "Profesia", "LocMunca", "Telefoane"})
    EXPECT_TRUE(row.value(buyerOnly).isNull()) << buyerOnly;

  // The same person as buyer is refused.
  TypeBuyer(w, "VANZATOR NOU", "1700101460015");
  w->cmdSave1->click();
  EXPECT_EQ(boxes.Prompts(), QStringList{"Datele persoanei cu CNP-ul 1700101460015 exista in Baza de Date!"});

  for (int i = 1; i <= 21; ++i) w->txtVerso[i]->setText("old");
  Search("1700101460015");
  ClickRow(w->lvwResult, 1);
  for (int i : {5, 6, 8, 19, 20, 21}) EXPECT_EQ(w->txtVerso[i]->text(), "") << i;
  EXPECT_EQ(w->txtVerso[7]->text(), "s27");
}

TEST_F(Persons, ModifyFromTheBuyerWritesAllColumnsAndFromTheSellerKeepsTheBuyerOnlySix) {
  frmVelorast* w = Show(2);  // before any search the record set holds every person
  TypeBuyer(w, "POPESCU ION VASILE", kPopescuIon);
  w->txtVerso[2]->setText("ZZ");
  MessageBoxScript boxes;
  w->cmdEdit1->click();
  EXPECT_TRUE(boxes.Shown().isEmpty());
  QVariantMap row = StoredRow("Persoane", "CNP", kPopescuIon);
  EXPECT_EQ(row.value("Nume"), "POPESCU ION VASILE");
  EXPECT_EQ(row.value("Serie"), "ZZ");
  EXPECT_EQ(row.value("Tata"), "") << "emptied boxes empty their columns";
  EXPECT_EQ(row.value("Telefoane"), "");
  EXPECT_EQ(StoredCount("Persoane"), 5);

  fixture.Db().Execute("UPDATE Persoane SET Tata = 'GHEORGHE', Telefoane = '0744' WHERE CNP = ?", {kPopescuIon});
  Search("1850331*");
  w->optVanzator->setChecked(true);
  ClickRow(w->lvwResult, 3);  // O'BRIEN SEAN, by the CNP with an apostrophe
  w->txtVerso[23]->setText("O'BRIEN SEAN PATRICK");
  w->txtVerso[30]->setText("DUBLIN");
  w->cmdEdit2->click();
  EXPECT_TRUE(boxes.Shown().isEmpty());
  row = StoredRow("Persoane", "CNP", "1850331'46001");
  EXPECT_EQ(row.value("Nume"), "O'BRIEN SEAN PATRICK");
  EXPECT_EQ(row.value("AdresaLoc"), "DUBLIN");
  EXPECT_TRUE(row.value("Tata").isNull());
  EXPECT_EQ(Listed(w->lvwResult, 0).value(2), "O'BRIEN SEAN") << "the list keeps its texts";

  TypeSeller(w, "POPESCU ION", kPopescuIon);
  w->cmdEdit2->click();
  row = StoredRow("Persoane", "CNP", kPopescuIon);
  EXPECT_EQ(row.value("Tata"), "GHEORGHE");
  EXPECT_EQ(row.value("Telefoane"), "0744");
  EXPECT_EQ(row.value("Nume"), "POPESCU ION");
}

TEST_F(Persons, ClearEmptiesOnlyItsGroup) {
  frmVelorast* w = Search("*", true);
  for (int i = 0; i < core::kVersoCount; ++i) w->txtVerso[i]->setText("x");
  w->cmdClear1->click();
  EXPECT_EQ(Boxes(w, 1, 21), QStringList(21, QString()));
  for (int i : {0, 22, 23, 37, 38, 39}) EXPECT_EQ(w->txtVerso[i]->text(), "x") << i;
  w->cmdClear2->click();
  EXPECT_EQ(Boxes(w, 23, 37), QStringList(15, QString()));
  for (int i : {0, 22, 38, 39}) EXPECT_EQ(w->txtVerso[i]->text(), "x") << i;
  EXPECT_EQ(w->lvwResult->Count(), 5);
}

TEST_F(Persons, DatabaseErrorsAreShownWithNumberAndDescriptionAndChangeNothing) {
  const QRegularExpression numberAndDescription("^\\d+ \\S.*$");
  frmVelorast* w = Search("1850331*");
  MessageBoxScript boxes;

  w->txtCriteriu->setText("1850331[");  // a set that never closes
  w->cmdCauta->click();
  ASSERT_EQ(boxes.Shown().size(), 1);
  EXPECT_TRUE(numberAndDescription.match(boxes.Shown()[0].prompt).hasMatch()) << boxes.Shown()[0].prompt.toStdString();
  EXPECT_EQ(boxes.Shown()[0].style, platform::vbCritical);
  EXPECT_EQ(w->lvwResult->Count(), 4);
  EXPECT_EQ(w->rsPersoane->RecordCount(), 4);
  EXPECT_EQ(w->txtCriteriu->text(), "1850331[");

  fixture.Db().Execute("DROP TABLE Persoane");
  TypeBuyer(w, "NOU", "1990101460011");
  TypeSeller(w, "ALT", "2990101460011");
  for (QPushButton* button : {w->cmdSave1, w->cmdEdit1, w->cmdSave2, w->cmdEdit2}) {
    boxes.Clear();
    button->click();
    ASSERT_EQ(boxes.Shown().size(), 1) << button->objectName().toStdString();
    EXPECT_TRUE(numberAndDescription.match(boxes.Shown()[0].prompt).hasMatch());
  }
  boxes.Clear();
  ClickRow(w->lvwResult, 1);
  ASSERT_EQ(boxes.Shown().size(), 1);
  EXPECT_TRUE(numberAndDescription.match(boxes.Shown()[0].prompt).hasMatch());
  EXPECT_EQ(w->txtVerso[1]->text(), "NOU");
  EXPECT_EQ(w->txtVerso[4]->text(), "1990101460011");
  EXPECT_EQ(w->txtVerso[23]->text(), "ALT");
  EXPECT_EQ(w->lvwResult->Count(), 4);
}

// A pattern that the wildcards do not form is refused before any row is read: the same
// error whether the table is empty, full, or holds no row that the pattern's prefix
// would reach. Half of a surrogate pair is no character, and no wildcard either: a
// table of one-letter names lists none of them for it.
TEST_F(Persons, AnInvalidPatternIsError3075WhateverTheTableHolds) {
  fixture.AddPerson({{"Nume", "A"}, {"CNP", "7"}});
  fixture.AddPerson({{"Nume", QString(QChar(0x015F))}, {"CNP", "8"}});
  const QChar high(0xD83D), low(0xDE00);
  const QStringList patterns = {"999[",
                                "1850[",
                                "[",
                                "*[!1",
                                "POP[A-",
                                QString(high),
                                QString(low),
                                QStringLiteral("1850331") + high,
                                QString(low) + QStringLiteral("*"),
                                QStringLiteral("*") + high + high + low};
  for (const bool empty : {false, true}) {
    if (empty) fixture.Db().Execute("DELETE FROM Persoane");
    for (const QString& pattern : patterns) {
      SCOPED_TRACE(QStringLiteral("pattern %1 %2")
                       .arg(patterns.indexOf(pattern))
                       .arg(empty ? "on an empty table" : "on a full table")
                       .toStdString());
      frmVelorast* w = Search("*");
      const int listed = w->lvwResult->Count();
      MessageBoxScript boxes;
      for (const bool byName : {false, true}) {
        (byName ? w->optNume : w->optCNP)->setChecked(true);
        w->txtCriteriu->setText(pattern);
        w->cmdCauta->click();
      }
      EXPECT_EQ(boxes.Prompts(), QStringList(2, "3075 Sablonul de cautare nu este valid."));
      EXPECT_EQ(w->lvwResult->Count(), listed);
    }
  }
}
