// Vehicles on the main window: the search by identification number, the selection into
// the vehicle boxes, add, modify and clear.

#include "platform/MultiLineTextBox.h"
#include <QPushButton>
#include <QRegularExpression>

#include "RecordsWindow.h"
#include "core/DatabaseSchema.h"

using platform::MessageBoxScript;

namespace {

class Vehicles : public testsupport::RecordsWindow {
 protected:
  void SetUp() override {
    RecordsWindow::SetUp();
    // Every column of the first vehicle holds a text of its own: column i holds "m<i>".
    QMap<QString, QString> full;
    const QStringList& columns = core::schema::MasiniColumns();
    for (int i = 1; i <= 45; ++i) full.insert(columns[i], QStringLiteral("m%1").arg(i));
    full["NrIdentificare"] = "WVWZZZ1JZXW000001";
    full["Specificatii"] = "ABS\r\nclimatizare";
    fixture.AddVehicle(full);
    fixture.AddVehicle({{"NrIdentificare", "WVWZZZ1JZXW000002"}, {"Marca", "DACIA"}});  // no category, no type
    fixture.AddVehicle({{"NrIdentificare", "UU1'SDAB000003"}, {"Categoria", "M1"}, {"Marca", "DACIA"},
                        {"Tipul", "LOGAN"}});
  }

  frmVelorast* Search(const QString& criterion) {
    frmVelorast* w = Show(1);
    w->txtCriteriu2->setText(criterion);
    w->cmdCauta2->click();
    return w;
  }
  static QStringList Boxes(frmVelorast* w) {
    QStringList out;
    for (platform::TextBox* box : w->txtCamp) out << box->text();
    return out;
  }
  static void Fill(frmVelorast* w, const QString& text) {
    for (platform::TextBox* box : w->txtCamp) box->setText(text);
    w->txtSpecificatii->setPlainText(text);
  }
};

}  // namespace

TEST_F(Vehicles, SearchTakesTheNumberAsTheLikePatternTyped) {
  struct Case {
    QString criterion;
    QStringList numbers;
  } cases[] = {
      {"WVWZZZ1JZXW000002", {"WVWZZZ1JZXW000002"}},
      {"WVWZZZ1JZXW", {}},
      {"WVWZZZ1JZXW*", {"WVWZZZ1JZXW000001", "WVWZZZ1JZXW000002"}},
      {"wvw*00000#", {"WVWZZZ1JZXW000001", "WVWZZZ1JZXW000002"}},
      {"UU1'SDAB000003", {"UU1'SDAB000003"}},
      {"*'*", {"UU1'SDAB000003"}},
      {"", {"WVWZZZ1JZXW000001", "WVWZZZ1JZXW000002", "UU1'SDAB000003"}},
      {" ", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.criterion.toStdString());
    frmVelorast* w = Search(c.criterion);
    EXPECT_EQ(Listed(w->lvwMasini, 0), c.numbers);
    EXPECT_EQ(w->rsMasini->RecordCount(), c.numbers.size());
  }
}

TEST_F(Vehicles, EnterSearchesAndTheListShowsCategoryMakeAndTypeWithNullsEmpty) {
  frmVelorast* w = Show(1);
  w->txtCriteriu2->setText("*");
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(w->txtCriteriu2, &enter);
  EXPECT_EQ(Listed(w->lvwMasini, 1), QStringList({"m1", "", "M1"}));
  EXPECT_EQ(Listed(w->lvwMasini, 2), QStringList({"m3", "DACIA", "DACIA"}));
  EXPECT_EQ(Listed(w->lvwMasini, 3), QStringList({"m4", "", "LOGAN"}));
}

TEST_F(Vehicles, AClickOrAnArrowLoadsEveryBoxAndNullsEmptyThem) {
  frmVelorast* w = Search("*");
  ClickRow(w->lvwMasini, 1);
  QStringList expected;
  for (int i = 1; i <= 45; ++i) expected << QStringLiteral("m%1").arg(i);
  expected[5] = "WVWZZZ1JZXW000001";
  EXPECT_EQ(Boxes(w), expected);
  EXPECT_EQ(w->txtSpecificatii->Text(), "ABS\r\nclimatizare") << "the stored line break";

  w->lvwMasini->setFocus();
  PressAndRelease(w->lvwMasini, Qt::Key_Down);
  expected = QStringList(45, QString());
  expected[2] = "DACIA";
  expected[5] = "WVWZZZ1JZXW000002";
  EXPECT_EQ(Boxes(w), expected) << "every box is overwritten, the empty ones included";
  EXPECT_EQ(w->txtSpecificatii->toPlainText(), "");

  PressAndRelease(w->lvwMasini, Qt::Key_PageDown);
  EXPECT_EQ(w->txtCamp[5]->text(), "WVWZZZ1JZXW000002") << "other keys load nothing";
  PressAndRelease(w->lvwMasini, Qt::Key_Down);  // on the last row
  EXPECT_EQ(w->txtCamp[5]->text(), "UU1'SDAB000003");
  EXPECT_EQ(w->txtCamp[3]->text(), "LOGAN");
}

TEST_F(Vehicles, AListedVehicleMissingFromTheRecordSetIsReported) {
  frmVelorast* w = Search("*");
  fixture.Db().Execute("DELETE FROM Masini WHERE NrIdentificare = ?", {"UU1'SDAB000003"});
  Fill(w, "typed");
  MessageBoxScript boxes;
  ClickRow(w->lvwMasini, 3);
  EXPECT_EQ(boxes.Prompts(), QStringList{"Nr de Identificare UU1'SDAB000003 nu exista in Baza de Date"});
  EXPECT_EQ(Boxes(w), QStringList(45, "typed"));
}

TEST_F(Vehicles, AddAndModifyRefuseABlankNumberAndUnknownOrKnownNumbers) {
  struct Case {
    const char* what;
    bool modify;
    QString number;
    QString message;
    bool focusOnNumber;
  } cases[] = {
      {"add, blanks only", false, "   ", "Nu puteti salva datele inainte de a scrie Nr de Identificare al MASINII", true},
      {"add, stored though not listed", false, " WVWZZZ1JZXW000002 ",
       "Datele masinii cu Nr de Identificare WVWZZZ1JZXW000002 exista in Baza de Date!", true},
      {"add, stored with an apostrophe", false, "UU1'SDAB000003",
       "Datele masinii cu Nr de Identificare UU1'SDAB000003 exista in Baza de Date!", true},
      {"modify, empty", true, "", "Nu puteti modifica datele inainte de a scrie Nr de Identificare al MASINII", true},
      {"modify, not stored", true, "O'HARE1",
       "Datele masinii cu Nr de Identificare O'HARE1 nu exista in Baza de Date. Se poate Adauga!", true},
      {"modify, stored but outside the search result", true, "WVWZZZ1JZXW000002",
       "Nu exista in Baza de Date masina cu Nr de Identificare: WVWZZZ1JZXW000002"
       ". Cautati masina din nou (butonul Cauta), apoi apasati iar Modifica.", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    frmVelorast* w = Search("UU1*");
    Fill(w, "x");
    w->txtCamp[5]->setText(c.number);
    w->txtCriteriu2->setFocus();
    MessageBoxScript boxes;
    (c.modify ? w->cmdEdit3 : w->cmdSave3)->click();
    EXPECT_EQ(boxes.Prompts(), QStringList{c.message});
    EXPECT_EQ(Focused(), c.focusOnNumber ? static_cast<QWidget*>(w->txtCamp[5]) : w->txtCriteriu2);
    EXPECT_EQ(StoredCount("Masini"), 3);
    EXPECT_EQ(StoredRow("Masini", "NrIdentificare", "WVWZZZ1JZXW000002").value("Marca"), "DACIA");
  }
}

TEST_F(Vehicles, AddStoresEveryBoxAsTypedAndModifyWritesThemAllBack) {
  frmVelorast* w = Show(1);
  for (int i = 0; i < 45; ++i) w->txtCamp[i]->setText(QStringLiteral("n%1").arg(i + 1));
  w->txtCamp[5]->setText("D'OR123 ");
  w->txtCamp[40]->clear();
  w->txtSpecificatii->setPlainText("line 1\nline 2");  // two lines typed
  MessageBoxScript boxes;
  w->cmdSave3->click();
  EXPECT_TRUE(boxes.Shown().isEmpty());
  QVariantMap row = StoredRow("Masini", "NrIdentificare", "D'OR123 ");
  ASSERT_FALSE(row.isEmpty()) << "stored with its blank";
  const QStringList& columns = core::schema::MasiniColumns();
  EXPECT_EQ(row.value(columns[1]), "n1");
  EXPECT_EQ(row.value(columns[45]), "n45");
  EXPECT_EQ(row.value(columns[41]), "");
  EXPECT_FALSE(row.value(columns[41]).isNull());
  EXPECT_EQ(row.value("Specificatii"), "line 1\r\nline 2") << "lines joined by CR LF";
  EXPECT_EQ(w->lvwMasini->Count(), 0) << "the list is not refreshed";

  w->txtCamp[5]->setText("D'OR123");
  w->cmdSave3->click();
  EXPECT_EQ(boxes.Prompts(), QStringList{"Datele masinii cu Nr de Identificare D'OR123 exista in Baza de Date!"});
  EXPECT_EQ(StoredCount("Masini"), 4);

  boxes.Clear();
  w->txtCamp[0]->setText("N1");
  w->txtCamp[2]->clear();
  w->txtSpecificatii->clear();
  w->cmdEdit3->click();
  EXPECT_TRUE(boxes.Shown().isEmpty());
  row = StoredRow("Masini", "NrIdentificare", "D'OR123");
  ASSERT_FALSE(row.isEmpty());
  EXPECT_EQ(row.value("Categoria"), "N1");
  EXPECT_EQ(row.value("Marca"), "") << "an emptied box empties its column";
  EXPECT_EQ(row.value("Specificatii"), "");
  EXPECT_EQ(row.value("AnFabricatie"), "n45");
  EXPECT_EQ(StoredCount("Masini"), 4);

  Search("D'OR*");
  Fill(w, "");
  ClickRow(w->lvwMasini, 1);
  EXPECT_EQ(w->txtCamp[0]->text(), "N1");
  EXPECT_EQ(w->txtCamp[1]->text(), "n2");
}

TEST_F(Vehicles, AVehicleLoadedAndWrittenBackKeepsTheLineBreaksOfItsSpecifications) {
  frmVelorast* w = Search("WVWZZZ1JZXW000001");
  ClickRow(w->lvwMasini, 1);
  MessageBoxScript boxes;
  w->cmdEdit3->click();
  EXPECT_TRUE(boxes.Shown().isEmpty());
  EXPECT_EQ(StoredRow("Masini", "NrIdentificare", "WVWZZZ1JZXW000001").value("Specificatii"), "ABS\r\nclimatizare");
}

TEST_F(Vehicles, ClearEmptiesTheVehicleBoxesAndKeepsTheList) {
  frmVelorast* w = Search("*");
  ClickRow(w->lvwMasini, 1);
  w->txtVerso[22]->setText("IS-01-ABC");
  w->cmdClear3->click();
  EXPECT_EQ(Boxes(w), QStringList(45, QString()));
  EXPECT_EQ(w->txtSpecificatii->toPlainText(), "");
  EXPECT_EQ(w->txtVerso[22]->text(), "IS-01-ABC");
  EXPECT_EQ(w->lvwMasini->Count(), 3);
  ClickRow(w->lvwMasini, 1);
  EXPECT_EQ(w->txtCamp[5]->text(), "WVWZZZ1JZXW000001") << "a click loads the row again";
}

TEST_F(Vehicles, DatabaseErrorsAreShownWithNumberAndDescriptionAndChangeNothing) {
  const QRegularExpression numberAndDescription("^\\d+ \\S.*$");
  frmVelorast* w = Search("*");
  fixture.Db().Execute("DROP TABLE Masini");
  Fill(w, "typed");
  MessageBoxScript boxes;
  w->txtCriteriu2->setText("WVW*");
  for (QPushButton* button : {w->cmdCauta2, w->cmdSave3, w->cmdEdit3}) {
    boxes.Clear();
    button->click();
    ASSERT_EQ(boxes.Shown().size(), 1) << button->objectName().toStdString();
    EXPECT_TRUE(numberAndDescription.match(boxes.Shown()[0].prompt).hasMatch());
    EXPECT_EQ(boxes.Shown()[0].style, platform::vbCritical);
  }
  boxes.Clear();
  ClickRow(w->lvwMasini, 2);
  EXPECT_EQ(boxes.Shown().size(), 1);
  EXPECT_EQ(Boxes(w), QStringList(45, "typed"));
  EXPECT_EQ(w->txtSpecificatii->toPlainText(), "typed");
  EXPECT_EQ(w->lvwMasini->Count(), 3);
}
