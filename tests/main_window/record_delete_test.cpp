// "Sterge" of a listed person and of a listed vehicle: the same algorithm over the two
// lists, with the question, the re-selection and the recovery each kind names.

#include <QPushButton>

#include "RecordsWindow.h"

using platform::MessageBoxScript;

namespace {

using Button = QPushButton* frmVelorast::*;

struct Kind {
  const char* name;
  int tab;
  QString table, keyColumn;
  int keyInList;
  QStringList keys;  // four records, in the order they are stored
  QString criterion;  // lists all four
  platform::ListView* frmVelorast::*list;
  platform::TextBox* frmVelorast::*txtCriterion;
  Button search, del;
  std::unique_ptr<platform::Recordset> frmVelorast::*rs;
  QList<Button> hiddenWhenEmpty, staying;
  QString question, selectFirst, operation, gone;
  QString withoutKey;
  QString namedColumn;  // a column besides the key, and the box it is loaded into
  QLineEdit* (*namedBox)(frmVelorast*);
};

const Kind kKinds[] = {
    {"Persons", 2, "Persoane", "CNP", 3, {"1000000000001", "1000000000002", "10000000'0003", "1000000000004"}, "1*",
     &frmVelorast::lvwResult, &frmVelorast::txtCriteriu, &frmVelorast::cmdCauta, &frmVelorast::cmdDelete,
     &frmVelorast::rsPersoane, {&frmVelorast::cmdDelete, &frmVelorast::cmdEdit2},
     {&frmVelorast::cmdEdit1, &frmVelorast::cmdSave1, &frmVelorast::cmdSave2, &frmVelorast::cmdCauta},
     "Sigur doriti sa stergeti datele persoanei cu CNP-ul %1 ?", "Selectati mai intai o persoana", "Delete Persoane",
     "Datele persoanei cu CNP-ul %1 nu mai exista in Baza de Date. Cautati din nou (butonul Cauta), ca lista sa arate ce tine acum Baza de Date.",
     "Persoana din randul ales nu are CNP, deci nu poate fi incarcata sau stearsa din lista. Scrieti-i datele, cu "
     "CNP-ul, si adaugati-o din nou.",
     "Nume", [](frmVelorast* w) -> QLineEdit* { return w->txtVerso[1]; }},
    {"Vehicles", 1, "Masini", "NrIdentificare", 0, {"VIN0001", "VIN0002", "VIN'0003", "VIN0004"}, "VIN*",
     &frmVelorast::lvwMasini, &frmVelorast::txtCriteriu2, &frmVelorast::cmdCauta2, &frmVelorast::cmdDelete2,
     &frmVelorast::rsMasini, {&frmVelorast::cmdDelete2, &frmVelorast::cmdEdit3},
     {&frmVelorast::cmdSave3, &frmVelorast::cmdClear3, &frmVelorast::cmdCauta2},
     "Sigur doriti sa stergeti datele masinii cu Nr de Identificare %1 ?", "Selectati mai intai o masina",
     "Delete Masini", "Datele masinii cu Nr de Identificare %1 nu mai exista in Baza de Date"
     ". Cautati din nou (butonul Cauta), ca lista sa arate ce tine acum Baza de Date.",
     "Masina din randul ales nu are Nr de Identificare, deci nu poate fi incarcata sau stearsa din lista. Scrieti-i "
     "datele, cu Nr de Identificare, si adaugati-o din nou.",
     "Marca", [](frmVelorast* w) -> QLineEdit* { return w->txtCamp[2]; }},
};

void PrintTo(const Kind& kind, std::ostream* os) { *os << kind.name; }

class RecordDelete : public testsupport::RecordsWindow, public testing::WithParamInterface<Kind> {
 protected:
  void SetUp() override {
    RecordsWindow::SetUp();
    for (const QString& key : K().keys)
      fixture.Db().Execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (?)").arg(K().table, K().keyColumn), {key});
    w = Show(K().tab);
  }
  const Kind& K() const { return GetParam(); }
  platform::ListView* List() const { return w->*K().list; }
  platform::Recordset& Set() const { return *(w->*K().rs); }

  void Search(const QString& criterion) {
    (w->*K().txtCriterion)->setText(criterion);
    (w->*K().search)->click();
  }
  void Select(int index) { List()->SetCurrentItem(List()->Item(index)); }
  QStringList ListedKeys() const { return Listed(List(), K().keyInList); }
  bool Stored(const QString& key) { return !StoredRow(K().table, K().keyColumn, key).isEmpty(); }
  void Delete() { (w->*K().del)->click(); }

  frmVelorast* w = nullptr;
};

}  // namespace

TEST_P(RecordDelete, AsksForASelectedRowAndForTheClerksYes) {
  MessageBoxScript boxes;
  Delete();
  EXPECT_TRUE(boxes.Shown().isEmpty()) << "an empty list: nothing at all";

  Search(K().criterion);
  Delete();
  ASSERT_EQ(boxes.Shown().size(), 1);
  EXPECT_EQ(boxes.Shown()[0].prompt, K().selectFirst);
  EXPECT_EQ(boxes.Shown()[0].style, platform::vbInformation);

  boxes.Clear();
  Select(3);
  boxes.Answer(platform::vbNo);
  Delete();
  ASSERT_EQ(boxes.Shown().size(), 1);
  EXPECT_EQ(boxes.Shown()[0].prompt, K().question.arg(K().keys[2]));
  EXPECT_EQ(boxes.Shown()[0].style, platform::vbYesNo + platform::vbQuestion + platform::vbDefaultButton2);
  EXPECT_EQ(StoredCount(K().table), 4);
  EXPECT_EQ(ListedKeys(), K().keys);
}

TEST_P(RecordDelete, AMiddleRowGivesWayToTheNextAndTheLastRowToTheOneBefore) {
  Search(K().criterion);
  MessageBoxScript boxes;
  Select(2);
  boxes.Answer(platform::vbYes);
  Delete();
  EXPECT_FALSE(Stored(K().keys[1]));
  EXPECT_EQ(ListedKeys(), QStringList({K().keys[0], K().keys[2], K().keys[3]}));
  EXPECT_EQ(SelectedIndex(List()), 2);
  EXPECT_EQ(Set().Fields(K().keyColumn).Text(), K().keys[2]);
  EXPECT_EQ(Focused(), List());

  Select(3);
  boxes.Answer(platform::vbYes);
  Delete();
  EXPECT_FALSE(Stored(K().keys[3]));
  EXPECT_EQ(ListedKeys(), QStringList({K().keys[0], K().keys[2]}));
  EXPECT_EQ(SelectedIndex(List()), 2);
  EXPECT_EQ(Set().Fields(K().keyColumn).Text(), K().keys[2]) << "the set's last record";
  EXPECT_EQ(boxes.Shown().size(), 2) << "only the two questions";
  EXPECT_EQ(StoredCount(K().table), 2);
}

TEST_P(RecordDelete, TheOnlyRowEmptiesTheListRequeriesAndHidesItsButtons) {
  Search(K().keys[2]);  // the key with an apostrophe, exactly
  ASSERT_EQ(List()->Count(), 1);
  MessageBoxScript boxes;
  Select(1);
  boxes.Answer(platform::vbYes);
  Delete();
  EXPECT_EQ(boxes.Shown().size(), 1) << "no message after the question";
  EXPECT_FALSE(Stored(K().keys[2]));
  EXPECT_EQ(List()->Count(), 0);
  EXPECT_EQ(Set().RecordCount(), 0);
  EXPECT_TRUE(Set().BOF() && Set().EOF());
  for (Button b : K().hiddenWhenEmpty) EXPECT_TRUE((w->*b)->isHidden()) << (w->*b)->objectName().toStdString();
  for (Button b : K().staying) EXPECT_FALSE((w->*b)->isHidden()) << (w->*b)->objectName().toStdString();

  Search(K().criterion);
  EXPECT_EQ(List()->Count(), 3) << "the search still works";
  EXPECT_TRUE((w->*K().del)->isHidden()) << "for the rest of the run";
}

TEST_P(RecordDelete, ARecordAddedSinceTheSearchPutsTheListOutOfStep) {
  Search(K().criterion);
  Set().AddNew();  // as "Adauga" does: the set holds it, the list does not
  Set().Fields(K().keyColumn).SetValue(QStringLiteral("X5"));
  Set().Update();

  MessageBoxScript boxes;
  Select(4);
  boxes.Answer(platform::vbYes);
  Delete();
  ASSERT_EQ(boxes.Shown().size(), 2);
  EXPECT_EQ(boxes.Shown()[1].prompt,
            QStringLiteral("Eroare Dravenco din \"%1\" 35600 Indexul este in afara limitelor").arg(K().operation));
  EXPECT_EQ(boxes.Shown()[1].style, platform::vbOKOnly);
  EXPECT_FALSE(Stored(K().keys[3])) << "what was deleted stays deleted";
  EXPECT_TRUE(Stored("X5"));
  EXPECT_EQ(ListedKeys(), K().keys.mid(0, 3));
  EXPECT_EQ(SelectedIndex(List()), 0);
}

TEST_P(RecordDelete, ARowNoLongerStoredIsToldAndTheListStaysAsItWas) {
  Search(K().criterion);
  fixture.Db().Execute(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(K().table, K().keyColumn), {K().keys[1]});
  MessageBoxScript boxes;
  Select(2);
  boxes.Answer(platform::vbYes);
  Delete();
  ASSERT_EQ(boxes.Shown().size(), 2);
  EXPECT_EQ(boxes.Shown()[1].prompt, K().gone.arg(K().keys[1]));
  EXPECT_EQ(ListedKeys(), K().keys);
  EXPECT_EQ(StoredCount(K().table), 3);
  EXPECT_FALSE((w->*K().del)->isHidden());
}

// Older data may hold records whose key is empty or Null: their rows name no record, so
// neither a click nor "Sterge" looks one up, and the clerk is told why.
TEST_P(RecordDelete, ARowWithoutAKeyIsNeitherLoadedNorDeleted) {
  fixture.Db().Execute(QStringLiteral("INSERT INTO %1 (%2, %3) VALUES ('', 'FARA 1'), (NULL, 'FARA 2'), ('  ', 'FARA 3')")
                           .arg(K().table, K().keyColumn, K().namedColumn));
  Search("");
  ASSERT_EQ(List()->Count(), 7);
  MessageBoxScript boxes;
  for (int index = 5; index <= 7; ++index) {
    SCOPED_TRACE(index);
    boxes.Clear();
    ClickRow(List(), index);
    EXPECT_EQ(boxes.Prompts(), QStringList{K().withoutKey});
    EXPECT_EQ(K().namedBox(w)->text(), "") << "nothing loaded";
    boxes.Clear();
    boxes.Answer(platform::vbYes);
    Delete();
    EXPECT_EQ(boxes.Prompts(), QStringList{K().withoutKey}) << "no question";
    EXPECT_EQ(StoredCount(K().table), 7);
  }
  boxes.Clear();
  ClickRow(List(), 1);
  EXPECT_TRUE(boxes.Prompts().isEmpty()) << "a row with its key loads as before";
  EXPECT_EQ(Set().Fields(K().keyColumn).Text(), K().keys[0]);
}

INSTANTIATE_TEST_SUITE_P(Lists, RecordDelete, testing::ValuesIn(kKinds),
                         [](const testing::TestParamInfo<Kind>& info) { return std::string(info.param.name); });
