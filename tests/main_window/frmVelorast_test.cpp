#include "main_window/frmVelorast.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include "platform/MultiLineTextBox.h"
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>

#include "core/AppState.h"
#include "core/FontSubstitutions.h"
#include "core/MDIVelorast.h"
#include "core/Startup.h"
#include "core/frmAbout.h"
#include "core/frmHelp.h"
#include "core/frmPrinterSetup.h"
#include "core/frmSetPage.h"
#include "main_window/DocumentButtonLayout.h"
#include "main_window/RubricLayout.h"
#include "core/Settings.h"
#include "platform/CommandButton.h"
#include "platform/FolderDialog.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/PictureButton.h"
#include "platform/Program.h"
#include "platform/SettingsStore.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"
#include "report_grid/ReportGridView.h"
#include "support/FixtureDatabase.h"
#include "support/SettingsFolder.h"

using platform::Forms;
using platform::TwipsToPixels;

namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class MainWindow : public testing::Test {
 protected:
  void SetUp() override {
    core::RegisterFontSubstitutions();
    core::BazaDate = fixture.Open();
    core::settings::UsesBD = false;
    core::settings::CuloareFocus.clear();
  }
  void TearDown() override {
    Forms::Unload<frmVelorast>();
    core::BazaDate.reset();
    core::settings::UsesBD = false;
    core::settings::CuloareFocus.clear();
  }

  // The window, loaded, shown and active at a size in pixels.
  frmVelorast* Show(int width = 1280, int height = 1000) {
    frmVelorast* w = Forms::Get<frmVelorast>();
    w->resize(width, height);
    w->show();
    QApplication::setActiveWindow(w);
    QApplication::processEvents();
    return w;
  }

  static void PressEnter(QWidget* box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
  }

  static QWidget* Focused() { return QApplication::focusWidget(); }

  // Whether a control shows when its tab's pane does.
  static bool ShownOnItsPane(QWidget* control) {
    QWidget* pane = control;
    while (pane && !pane->objectName().startsWith("picParent")) pane = pane->parentWidget();
    return pane && control->isVisibleTo(pane);
  }

  testsupport::FixtureDatabase fixture;
};

}  // namespace

TEST_F(MainWindow, LoadsWithCaptionsPanesRecordSetsAndListColumns) {
  fixture.AddPerson({{"Nume", "POPESCU ION"}, {"CNP", "1850331460012"}});
  frmVelorast* w = Show();

  EXPECT_EQ(w->windowTitle(), "Aplicatia Velorastulare si Radiere");
  ASSERT_EQ(w->tabVelorast->count(), 3);
  EXPECT_EQ(w->tabVelorast->tabText(0), "Fisa fata");
  EXPECT_EQ(w->tabVelorast->tabText(1), "Fisa Verso");
  EXPECT_EQ(w->tabVelorast->tabText(2), "Listari");
  EXPECT_EQ(w->SelectedTab(), 1);
  EXPECT_TRUE(w->picParent1->isVisible());
  EXPECT_FALSE(w->picParent3->isVisible());
  EXPECT_FALSE(w->picParent4->isVisible());
  for (QWidget* pane : {w->picParent1, w->picParent3, w->picParent4})
    EXPECT_EQ(pane->pos(), QPoint(TwipsToPixels(39), TwipsToPixels(390)));
  // The controls whose place in their pane is given, in twips.
  for (const auto& [control, left, top] : {std::tuple<QWidget*, int, int>{w->Image3, 8010, 30},
                                           {w->Label72, 8010, 60},
                                           {w->txtSpecificatii, 8070, 690},
                                           {w->fra3, 8100, 3180},
                                           {w->cmdClear3, 540, 0},
                                           {w->fra1, 8220, 30},
                                           {w->fra2, 8220, 6510},
                                           {w->Label136, 0, 90},
                                           {w->Label102, 0, 5640},
                                           {w->picTop, 0, 0},
                                           {w->picLeftMic, 0, 570},
                                           {w->chkPrintComplet, 2880, 120}})
    EXPECT_EQ(control->pos(), QPoint(TwipsToPixels(left), TwipsToPixels(top))) << control->objectName().toStdString();
  EXPECT_EQ(w->Label36->text(), "M\r\no\r\nt\r\no\r\nr\r\nu\r\nl");
  EXPECT_EQ(w->ScrollStep1, 500);
  EXPECT_EQ(w->ScrollStep3, 500);
  EXPECT_FALSE(w->IsFisa || w->IsFisaFata || w->HasDocument);

  ASSERT_TRUE(w->rsPersoane && w->rsMasini);
  EXPECT_EQ(w->rsPersoane->RecordCount(), 1);
  EXPECT_EQ(w->rsPersoane->Fields("Nume").Text(), "POPESCU ION");
  EXPECT_EQ(w->rsMasini->RecordCount(), 0);

  struct Column {
    QString header;
    int twips;
  };
  auto expectColumns = [](platform::ListView* list, const QList<Column>& columns) {
    ASSERT_EQ(list->ColumnCount(), columns.size()) << list->objectName().toStdString();
    for (int i = 0; i < columns.size(); ++i) {
      EXPECT_EQ(list->HeaderText(i), columns[i].header);
      EXPECT_EQ(list->columnWidth(i), TwipsToPixels(columns[i].twips));
    }
  };
  expectColumns(w->lvwResult, {{"Nume", 1000}, {"Ser", 500}, {"Nr", 800}, {"CNP", 1500}});
  expectColumns(w->lvwMasini, {{"Nr Ident", 1500}, {"Categorie", 800}, {"Marca", 1000}, {"Tip", 1000}});
}

TEST_F(MainWindow, AWindowThatCannotOpenItsRecordSetsEndsTheProgramWithTheError) {
  fixture.Db().Execute("DROP TABLE Masini");
  platform::MessageBoxScript boxes;
  EXPECT_THROW(frmVelorast::Load(), platform::ProgramEnded);
  EXPECT_FALSE(Forms::IsLoaded<frmVelorast>());
  ASSERT_EQ(boxes.Shown().size(), 1);
  EXPECT_TRUE(boxes.Shown()[0].prompt.startsWith("3")) << boxes.Shown()[0].prompt.toStdString();
}

// A file that cannot be read is the start-up's to report: it offers another folder.
TEST_F(MainWindow, AFileThatCannotBeReadIsPassedToTheStartUp) {
  fixture.AddPerson({{"Nume", "POPESCU ION"}});
  fixture.DamageTable("Persoane");
  platform::MessageBoxScript boxes;
  EXPECT_THROW(frmVelorast::Load(), platform::DatabaseFileError);
  EXPECT_FALSE(Forms::IsLoaded<frmVelorast>());
  EXPECT_TRUE(boxes.Shown().isEmpty());
}

// The program's start-up with this window: a file whose persons it cannot read at its
// opening is named, the folder is asked for again, and only the good folder is stored.
TEST_F(MainWindow, TheStartUpAsksAgainForTheFolderWhenTheWindowCannotReadThePersons) {
  testsupport::SettingsFolder settings;
  platform::FolderDialogScript folders;
  platform::MessageBoxScript boxes;
  testsupport::FixtureDatabase good;
  fixture.AddPerson({{"Nume", "POPESCU ION"}});
  fixture.DamageTable("Persoane");
  const QByteArray before = Bytes(fixture.Path());
  core::BazaDate.reset();
  core::MDIVelorast::SetMainWindowFactory([]() -> QWidget* { return frmVelorast::Load(); });
  folders.Choose(fixture.Folder());
  folders.Choose(good.Folder());
  core::Main();
  EXPECT_EQ(folders.Shown(), 2);
  ASSERT_EQ(boxes.Prompts().size(), 1);
  EXPECT_TRUE(boxes.Prompts()[0].startsWith(QStringLiteral("3343 Fisierul \"%1\"").arg(fixture.Path())));
  EXPECT_EQ(platform::GetSetting("Velorast", "CaleBD", "CaBD"), good.Folder());
  EXPECT_EQ(core::BazaDate->Path(), good.Path());
  EXPECT_TRUE(Forms::IsLoaded<frmVelorast>());
  EXPECT_EQ(Bytes(fixture.Path()), before);
  Forms::Unload<core::MDIVelorast>();
  core::MDIVelorast::SetMainWindowFactory(nullptr);
}

// A damaged page among the persons past those the window reads when it opens: the
// window opens; the clerk who then lists the persons gets every person listed, and
// reads the file's message once the list reaches the damaged page's rows; the window
// stays with what was typed in it.
TEST_F(MainWindow, ADamagedPageAmongThePersonsIsReportedWhenTheListingReachesIt) {
  fixture.Db().Execute("BEGIN");
  qint64 last = 0;  // the window reads the first and the last rows' pages when it opens
  for (int i = 0; i < 400; ++i)
    last = fixture.AddPerson({{"Nume", QStringLiteral("POPESCU ION %1 ").arg(i) + QString(60, 'X')}});
  fixture.Db().Execute("COMMIT");
  fixture.DamageRowPage("Persoane", last / 2);
  const QByteArray before = Bytes(fixture.Path());
  core::BazaDate = fixture.Open();
  core::settings::UsesBD = true;
  platform::MessageBoxScript boxes;
  frmVelorast* w = Show();
  EXPECT_TRUE(boxes.Shown().isEmpty());
  w->txtCamp[1]->setText("POPESCU ION");
  w->txtCriteriu->setText("");
  w->cmdCauta->click();
  EXPECT_EQ(w->lvwResult->Count(), 400);
  for (int row = 0; row < w->lvwResult->Count(); ++row) w->lvwResult->Rows()->Texts(row);  // scrolled through
  QApplication::processEvents();
  ASSERT_EQ(boxes.Prompts().size(), 1);
  EXPECT_TRUE(boxes.Prompts()[0].startsWith(
      QStringLiteral("3343 Fisierul \"%1\" nu este o baza de date recunoscuta").arg(fixture.Path())))
      << boxes.Prompts()[0].toStdString();
  EXPECT_TRUE(Forms::IsLoaded<frmVelorast>());
  EXPECT_EQ(w->txtCamp[1]->text(), "POPESCU ION");
  EXPECT_EQ(Bytes(fixture.Path()), before);
}

TEST_F(MainWindow, MenusHaveTheirItems) {
  frmVelorast* w = Show();
  QStringList seen;
  for (QMenu* menu : w->ChildMenus()) {
    QStringList items;
    for (QAction* a : menu->actions()) items << (a->isSeparator() ? "-" : a->text());
    seen << menu->title() + ": " + items.join(", ");
  }
  EXPECT_EQ(seen, QStringList({"Meniu: Iesire", "Setari: Setari, Setarea imprimantelor", "Ajutor: Continut, -, Despre"}));
}

TEST_F(MainWindow, SettingsAndHelpItemsOpenTheirWindows) {
  core::AppPath = QCoreApplication::applicationDirPath();  // beside help.rtf
  frmVelorast* w = Show();

  // A modal dialog is looked at and closed by a queued call while it runs.
  auto openModal = [](QAction* item, auto isOpen, auto close) {
    bool wasOpen = false;
    QTimer::singleShot(0, [&] {
      wasOpen = isOpen();
      close();
    });
    item->trigger();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return wasOpen;
  };
  EXPECT_TRUE(openModal(
      w->mnuPageSetup, [] { return Forms::IsLoaded<core::frmSetPage>() && Forms::IfLoaded<core::frmSetPage>()->isModal(); },
      [] { Forms::IfLoaded<core::frmSetPage>()->cmdCancel_Click(); }));
  EXPECT_FALSE(Forms::IsLoaded<core::frmSetPage>()) << "closing unloads it";
  EXPECT_TRUE(openModal(
      w->mnuPrinterSetup,
      [] { return Forms::IsLoaded<core::frmPrinterSetup>() && Forms::IfLoaded<core::frmPrinterSetup>()->isModal(); },
      [] { Forms::IfLoaded<core::frmPrinterSetup>()->cmdCancel_Click(); }));
  EXPECT_FALSE(Forms::IsLoaded<core::frmPrinterSetup>());
  EXPECT_TRUE(openModal(
      w->mnuAbout, [] { return Forms::IsLoaded<core::frmAbout>() && Forms::IfLoaded<core::frmAbout>()->isModal(); },
      [] { Forms::IfLoaded<core::frmAbout>()->cmdOK_Click(); }));
  EXPECT_FALSE(Forms::IsLoaded<core::frmAbout>());

  // The help window has no mode: the menu returns with it open.
  w->mnuContents->trigger();
  ASSERT_TRUE(Forms::IsLoaded<core::frmHelp>());
  EXPECT_TRUE(Forms::IfLoaded<core::frmHelp>()->isVisible());
  EXPECT_FALSE(Forms::IfLoaded<core::frmHelp>()->isModal());
  Forms::Unload<core::frmHelp>();
  core::AppPath.clear();
}

TEST_F(MainWindow, IesireEndsAtOnceWithoutTheClosingQuestion) {
  frmVelorast* w = Show();
  platform::MessageBoxScript boxes;
  EXPECT_THROW(w->mnuEnd->trigger(), platform::ProgramEnded);
  EXPECT_TRUE(boxes.Shown().isEmpty());
}

TEST_F(MainWindow, EnterMovesTheFocusLikeTabOnceTheKeyHandlerHasReturned) {
  frmVelorast* w = Show();
  struct Step {
    QWidget* from;
    QWidget* to;
  };
  const QList<Step> fisaFata{{w->txtCamp[0], w->txtCamp[1]},  {w->txtCamp[4], w->txtCamp[44]},
                             {w->txtCamp[44], w->txtCamp[5]}, {w->txtCamp[6], w->txtCamp[42]},
                             {w->txtCamp[42], w->txtCamp[7]}, {w->txtCamp[43], w->txtCamp[8]},
                             {w->txtCamp[8], w->txtCamp[10]}, {w->txtCamp[10], w->txtCamp[9]},
                             {w->txtCamp[9], w->txtCamp[11]}, {w->txtCamp[41], w->txtSpecificatii}};
  for (const Step& s : fisaFata) {
    s.from->setFocus();
    PressEnter(s.from);
    EXPECT_EQ(Focused(), s.from) << "the move is queued";
    QApplication::processEvents();
    EXPECT_EQ(Focused(), s.to) << s.from->objectName().toStdString();
  }

  w->tabVelorast->setCurrentIndex(1);
  const QList<Step> fisaVerso{{w->txtVerso[0], w->txtVerso[39]},
                              {w->txtVerso[39], w->txtVerso[1]},
                              {w->txtVerso[21], w->txtVerso[22]},
                              {w->txtVerso[37], w->txtVerso[38]}};
  for (const Step& s : fisaVerso) {
    s.from->setFocus();
    PressEnter(s.from);
    QApplication::processEvents();
    EXPECT_EQ(Focused(), s.to) << s.from->objectName().toStdString();
  }
}

// Enter, box after box, walks the whole given order of each pane, and each box it
// reaches is scrolled into its pane's view.
TEST_F(MainWindow, EnterWalksEveryDataBoxInTheGivenOrder) {
  frmVelorast* w = Show(1280, 500);  // both panes scroll on the way
  QList<QWidget*> fisaFata, fisaVerso;
  for (int i = 0; i <= 4; ++i) fisaFata << w->txtCamp[i];
  for (int i : {44, 5, 6, 42, 7, 43, 8, 10, 9}) fisaFata << w->txtCamp[i];
  for (int i = 11; i <= 41; ++i) fisaFata << w->txtCamp[i];
  fisaFata << w->txtSpecificatii;
  fisaVerso << w->txtVerso[0] << w->txtVerso[39];
  for (int i = 1; i <= 38; ++i) fisaVerso << w->txtVerso[i];

  auto walk = [&](const QList<QWidget*>& order) {
    QStringList seen{Focused()->objectName()};
    for (qsizetype i = 1; i < order.size(); ++i) {
      PressEnter(Focused());
      QApplication::processEvents();
      seen << Focused()->objectName();
      QWidget* pane = Focused()->parentWidget()->parentWidget();  // picInput, then picParent
      if (Focused() != w->txtSpecificatii) {
        EXPECT_TRUE(pane->rect().contains(QRect(Focused()->mapTo(pane, QPoint()), Focused()->size())))
            << Focused()->objectName().toStdString() << " out of view";
      }
    }
    QStringList expected;
    for (QWidget* box : order) expected << box->objectName();
    EXPECT_EQ(seen, expected);
  };
  w->txtCamp[0]->setFocus();
  walk(fisaFata);
  w->tabVelorast->setCurrentIndex(1);  // the focus goes into the price in figures
  QApplication::processEvents();
  walk(fisaVerso);
}

TEST_F(MainWindow, FisaVersoPutsTheFocusIntoThePriceWithItsTextSelected) {
  frmVelorast* w = Show();
  w->txtVerso[0]->setText("12500");
  w->txtCamp[3]->setFocus();
  w->tabVelorast->setCurrentIndex(1);
  QApplication::processEvents();
  EXPECT_EQ(Focused(), w->txtVerso[0]);
  EXPECT_EQ(w->txtVerso[0]->selectedText(), "12500");
  EXPECT_TRUE(w->picParent3->isVisible());
  EXPECT_FALSE(w->picParent1->isVisible());

  // Tabs 1 and 3 set no focus of their own; a vehicle box selects nothing on focus.
  w->tabVelorast->setCurrentIndex(0);
  w->txtCamp[2]->setText("DACIA");
  w->txtCamp[2]->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  EXPECT_TRUE(w->txtCamp[2]->selectedText().isEmpty());
}

TEST_F(MainWindow, AFocusedBoxIsScrolledIntoViewWithoutMovingTheBar) {
  frmVelorast* w = Show(1280, 500);  // the buyer and seller pane is taller than this
  w->tabVelorast->setCurrentIndex(1);
  QApplication::processEvents();
  const int paneHeight = w->Shell().picParent3.Height;
  ASSERT_LT(paneHeight, 9915);
  ASSERT_TRUE(w->vscInput3->isVisible());
  const int barValue = w->vscInput3->value();

  auto seenTop = [&](QWidget* box) { return w->Shell().picInput3.Top + platform::PixelsToTwips(box->y()); };

  w->txtVerso[38]->setFocus();  // far below the pane's bottom
  EXPECT_EQ(seenTop(w->txtVerso[38]) + 315, paneHeight - 300);
  EXPECT_EQ(w->picInput3->y(), TwipsToPixels(w->Shell().picInput3.Top));

  w->txtVerso[1]->setFocus();  // now above the pane's top
  EXPECT_EQ(seenTop(w->txtVerso[1]), 450);

  const int before = w->Shell().picInput3.Top;
  w->txtVerso[2]->setFocus();  // in view: nothing moves
  EXPECT_EQ(w->Shell().picInput3.Top, before);
  EXPECT_EQ(w->vscInput3->value(), barValue);
}

TEST_F(MainWindow, TheBarScrollsItsPaneAndHidesWhenTheWindowGrowsEnough) {
  frmVelorast* w = Show(1280, 500);
  const int overflow = 8745 - w->Shell().picParent1.Height;
  ASSERT_GT(overflow, 0);
  EXPECT_TRUE(w->vscInput1->isVisible());
  EXPECT_EQ(w->vscInput1->maximum(), (overflow + 250) / 500);
  EXPECT_FALSE(w->vscInput3->isVisible());

  w->vscInput1->setValue(2);
  EXPECT_EQ(w->Shell().picInput1.Top, -1000);
  EXPECT_EQ(w->picInput1->y(), TwipsToPixels(-1000));

  w->resize(1280, 1000);
  QApplication::processEvents();
  EXPECT_FALSE(w->vscInput1->isVisible());
  EXPECT_EQ(w->Shell().picInput1.Top, -1000) << "hiding the bar does not move the content back";
}

TEST_F(MainWindow, AVerySmallWindowIsLaidOutWithoutAnyMessage) {
  frmVelorast* w = Show(5, 5);
  EXPECT_EQ(w->Shell().tabVelorast.Height, 9705) << "a negative height is skipped";
  w->resize(1280, 1000);
  QApplication::processEvents();
  EXPECT_EQ(w->Shell().tabVelorast.Height, platform::PixelsToTwips(1000) - 130);
}

TEST_F(MainWindow, TheFocusColourComesAndGoesWithTheFocus) {
  frmVelorast* w = Show();
  const QColor white(Qt::white);

  core::settings::CuloareFocus = "255";
  w->txtCamp[0]->setFocus();
  EXPECT_EQ(w->txtCamp[0]->BackColor(), QColor(255, 0, 0));
  w->txtCamp[1]->setFocus();
  EXPECT_EQ(w->txtCamp[0]->BackColor(), white);
  EXPECT_EQ(w->txtCamp[1]->BackColor(), QColor(255, 0, 0));

  core::settings::CuloareFocus = "65280";  // read at every focus change
  w->tabVelorast->setCurrentIndex(1);
  EXPECT_EQ(w->txtCamp[1]->BackColor(), white);
  EXPECT_EQ(w->txtVerso[0]->BackColor(), QColor(0, 255, 0));

  for (const char* none : {"", "verde"}) {
    core::settings::CuloareFocus = QString::fromLatin1(none);
    w->txtVerso[5]->setFocus();
    EXPECT_EQ(w->txtVerso[5]->BackColor(), white) << none;
  }
  EXPECT_EQ(w->txtVerso[0]->BackColor(), white);
}

TEST_F(MainWindow, LeavingACnpBoxWritesTheBirthDateItHolds) {
  frmVelorast* w = Show();
  w->tabVelorast->setCurrentIndex(1);
  struct Case {
    const char* cnp;
    const char* birthDate;  // what the birth-date box holds afterwards
  };
  const Case cases[] = {
      {"1850331460012", "31.03.85"},
      {"12", "..2"},
      {"185033", "3.03.85"},
      {"   ", "..  "},
      {"", "01.01.01"},  // an empty CNP leaves the date as typed
  };
  for (const auto& [cnpBox, dateBox] : {std::pair{4, 7}, std::pair{26, 27}}) {
    for (const Case& c : cases) {
      w->txtVerso[dateBox]->setText("01.01.01");
      w->txtVerso[cnpBox]->setFocus();
      w->txtVerso[cnpBox]->setText(QString::fromLatin1(c.cnp));
      w->txtVerso[cnpBox + 1]->setFocus();
      EXPECT_EQ(w->txtVerso[dateBox]->text(), c.birthDate) << cnpBox << " '" << c.cnp << "'";
      EXPECT_EQ(w->txtVerso[cnpBox]->BackColor(), QColor(Qt::white));
    }
  }
  // Any other box only turns white; a CNP set by the program writes nothing.
  w->txtVerso[7]->setText("01.01.01");
  w->txtVerso[4]->setText("2720815400034");
  w->txtVerso[3]->setFocus();
  w->txtVerso[5]->setFocus();
  EXPECT_EQ(w->txtVerso[7]->text(), "01.01.01");
}

TEST_F(MainWindow, LengthLimitsHoldForTypingAndForTextSetByTheProgram) {
  frmVelorast* w = Show();
  struct Case {
    int index;
    int limit;
  };
  for (const Case c : {Case{2, 2}, Case{3, 6}, Case{4, 13}, Case{24, 2}, Case{25, 6}, Case{26, 13}}) {
    platform::TextBox* box = w->txtVerso[c.index];
    box->setText(QString(20, 'X'));
    EXPECT_EQ(box->text().size(), c.limit) << c.index;
    box->clear();
    box->insert(QString(20, '7'));
    EXPECT_EQ(box->text().size(), c.limit) << c.index;
  }
  w->txtVerso[1]->setText(QString(300, 'N'));
  EXPECT_EQ(w->txtVerso[1]->text().size(), 300);
  w->txtCamp[5]->setText(QString(300, 'V'));
  EXPECT_EQ(w->txtCamp[5]->text().size(), 300);
}

TEST_F(MainWindow, DocumentsReadTheBoxesByIndexAndByFieldName) {
  frmVelorast* w = Show();
  w->txtVerso[4]->setText("1850331460012");
  w->txtCamp[5]->setText("UU1LSDAAH38765432");
  w->txtSpecificatii->SetText("GPL\r\ncarlig");
  const core::CaseBoxes& boxes = *w;
  EXPECT_EQ(boxes.txtVerso(4), "1850331460012");
  EXPECT_EQ(boxes.Text(u"CumparatorCNP"), "1850331460012");
  EXPECT_EQ(boxes.Text(core::Box("NrIdentificare")), "UU1LSDAAH38765432");
  EXPECT_EQ(boxes.txtSpecificatii(), "GPL\r\ncarlig") << "the line break as it was set";
  EXPECT_EQ(boxes.Text(u"Specificatii"), "GPL\r\ncarlig");
  for (int i = 0; i < core::kCampCount; ++i)
    EXPECT_EQ(w->txtCamp[i]->objectName(), QStringLiteral("txtCamp(%1)").arg(i));
  for (int i = 0; i < core::kVersoCount; ++i)
    EXPECT_EQ(w->txtVerso[i]->objectName(), QStringLiteral("txtVerso(%1)").arg(i));
}

TEST_F(MainWindow, SearchAndEditingControlsShowOnlyWhenTheDatabaseIsUsed) {
  for (bool usesBD : {false, true}) {
    core::settings::UsesBD = usesBD;
    frmVelorast* w = Show();
    const QList<QWidget*> controls{w->fra1,     w->fra2,     w->fra3,     w->cmdSave1, w->cmdClear1,
                                   w->cmdEdit1, w->cmdSave2, w->cmdClear2, w->cmdEdit2, w->cmdSave3,
                                   w->cmdClear3, w->cmdEdit3};
    for (QWidget* c : controls) EXPECT_EQ(ShownOnItsPane(c), usesBD) << c->objectName().toStdString();
    // Inside the frames, shown and hidden with them.
    for (QWidget* c : QList<QWidget*>{w->cmdDelete, w->cmdDelete2, w->lvwResult, w->lvwMasini, w->txtCriteriu,
                                      w->txtCriteriu2, w->cmdCauta, w->cmdCauta2, w->optCNP})
      EXPECT_EQ(ShownOnItsPane(c), usesBD) << c->objectName().toStdString();
    Forms::Unload<frmVelorast>();
  }
}

TEST_F(MainWindow, EnterInASearchBoxRunsItsSearch) {
  core::settings::UsesBD = true;
  frmVelorast* w = Show();
  int persons = 0, vehicles = 0;
  QObject::connect(w->cmdCauta, &QPushButton::clicked, [&] { ++persons; });
  QObject::connect(w->cmdCauta2, &QPushButton::clicked, [&] { ++vehicles; });
  PressEnter(w->txtCriteriu2);
  PressEnter(w->txtCriteriu);
  EXPECT_EQ(persons, 1);
  EXPECT_EQ(vehicles, 1);
}

TEST_F(MainWindow, DocumentButtonsAndPrintBarStandOnTheListariPane) {
  frmVelorast* w = Show();
  w->tabVelorast->setCurrentIndex(2);
  QApplication::processEvents();
  EXPECT_EQ(w->cmdPrint->text(), "Print");
  EXPECT_EQ(w->cmdPrintPreview->text(), "Preview");
  EXPECT_EQ(w->chkPrintComplet->text(), "Printare completa a fisei");
  EXPECT_EQ(w->cmdPrint->parentWidget(), w->picTop);
  EXPECT_EQ(w->Grid->parentWidget(), w->picParent4);
  EXPECT_EQ(w->Grid->pos(), QPoint(TwipsToPixels(1680), TwipsToPixels(600)));

  const QList<std::pair<platform::CommandButton*, QString>> shown{
      {w->cmdFisaFata, "Fisa Fata"},
      {w->cmdFisaVerso, "Fisa Verso"},
      {w->cmdFisaComplet, "Fisa Complet"},
      {w->cmdCV, " Vanzare-Cumparare"},
      {w->cmdCertifRadiere, "Certificat radiere"},
      {w->cmdCVCertifRadiere, "Contract Vanzare-Cumparare + Certificat radiere"},
      {w->cmdEvidenta, "Serviciul de evidenta"},
      {w->cmdVelorastulare, "Declaratie velorastulare"},
      {w->cmdAnexaAP1, "Anexa fisa AP1"},
      {w->cmdCerereRadiere, "Cerere de radiere"},
      {w->cmdTranscriere, "Declaratie transcriere"},
      {w->cmdPJF, "Impun. -Fata-"},
      {w->cmdPJV, "Impun. -Verso-"},
      {w->cmdFPF, "F. Permis - F-"},
      {w->cmdFPV, "F. Permis - V-"},
      {w->cmdCertifVelorast, "Certif Velorast"},
      {w->cmdScoatereEvidenta, "Scoatere Evidenta"},
      {w->cmdFiscalPJ, "Fiscal PJ"},
      {w->cmdFiscalPF, "Fiscal PF"},
  };
  const QRect column = w->picLeftMic->rect();
  for (const auto& [button, caption] : shown) {
    ASSERT_NE(button, nullptr) << caption.toStdString();
    EXPECT_EQ(button->text(), caption);
    EXPECT_TRUE(button->isVisible()) << caption.toStdString();
    EXPECT_EQ(button->parentWidget(), w->picLeftMic);
    EXPECT_TRUE(column.contains(button->geometry())) << caption.toStdString();
  }
  for (platform::CommandButton* hidden : {w->cmdPierdere, w->cmdPF, w->cmdAnexa}) {
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(ShownOnItsPane(hidden)) << hidden->objectName().toStdString();
  }
}

// The captions of the buyer and seller pane and the headings of the document buttons
// come with the first showing of their pane, whichever tab the clerk goes to first: each
// once, and each under the controls that were made after it, as if all had been made at
// once, so that the pane looks the same whatever the path to it.
TEST_F(MainWindow, APaneShownLaterShowsTheSameWhicheverWayItIsReached) {
  auto labelTexts = [](const QWidget* pane) {
    QStringList texts;
    for (const QLabel* label : pane->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
      if (!label->text().isEmpty()) texts << label->text();
    texts.sort();
    return texts;
  };
  QStringList versoTexts{"CUMPARATOR", "VANZATOR"};
  for (const main_window::Placed& p : main_window::LayOutRubrics(
           main_window::FisaVersoRubrics(), [](const QString& text) { return int(text.size()) * 90; }))
    if (p.kind != main_window::PlacedKind::Box && p.kind != main_window::PlacedKind::Rubric && !p.text.isEmpty())
      versoTexts << p.text;
  versoTexts.sort();
  QStringList headingTexts;
  for (const main_window::PlacedHeading& heading : main_window::LayOutDocumentButtons().headings)
    headingTexts << QString::fromLatin1(heading.text.data(), heading.text.size());
  headingTexts.sort();

  // Index of each direct child in the stacking order, bottom first.
  auto stacking = [](const QWidget* pane) {
    QList<const QWidget*> order;
    for (const QObject* child : pane->children())
      if (child->isWidgetType()) order << static_cast<const QWidget*>(child);
    return order;
  };

  QMap<int, QImage> seen;  // each pane as first reached by each path
  const int flash = QApplication::cursorFlashTime();
  QApplication::setCursorFlashTime(0);  // a caret that does not blink, for the same pictures
  for (const QList<int>& path : {QList<int>{1, 2}, QList<int>{2, 0, 1}, QList<int>{1, 0, 2, 1, 2}}) {
    core::settings::UsesBD = true;
    frmVelorast* w = Show();
    for (int tab : path) {
      w->tabVelorast->setCurrentIndex(tab);
      QApplication::processEvents();
      if (tab == 0) continue;
      QWidget* pane = tab == 1 ? w->picParent3 : w->picParent4;
      const QImage picture = pane->grab().toImage();
      if (!seen.contains(tab)) seen[tab] = picture;
      EXPECT_TRUE(picture == seen[tab]) << "tab " << tab;
    }
    EXPECT_EQ(labelTexts(w->picInput3), versoTexts);
    EXPECT_EQ(labelTexts(w->picLeftMic), headingTexts);

    // Every rubric frame stands under every box and caption inside it.
    const QList<const QWidget*> verso = stacking(w->picInput3);
    for (qsizetype i = 0; i < verso.size(); ++i) {
      if (QByteArray(verso[i]->metaObject()->className()) != "QFrame") continue;
      for (qsizetype j = 0; j < i; ++j)
        EXPECT_FALSE(verso[i]->geometry().contains(verso[j]->geometry()))
            << verso[j]->objectName().toStdString() << " under the frame at " << verso[i]->y();
    }
    // The headings stand under every document button.
    const QList<const QWidget*> listari = stacking(w->picLeftMic);
    bool button = false;
    for (const QWidget* child : listari) {
      if (qobject_cast<const platform::CommandButton*>(child)) button = true;
      else EXPECT_FALSE(button) << "a heading above a button";
    }
    Forms::Unload<frmVelorast>();
    QApplication::processEvents();
  }
  QApplication::setCursorFlashTime(flash);
}

TEST_F(MainWindow, ClosingAsksAndNoKeepsTheWindowAsItWas) {
  frmVelorast* w = Show();
  w->txtVerso[1]->setText("POPESCU ION");
  platform::MessageBoxScript boxes;
  boxes.Answer(platform::vbNo);
  EXPECT_FALSE(w->close());
  ASSERT_EQ(boxes.Shown().size(), 1);
  EXPECT_EQ(boxes.Shown()[0].prompt, "Sigur vreti sa iesiti din aceasta fereastra?");
  EXPECT_EQ(boxes.Shown()[0].style, platform::vbYesNo + platform::vbQuestion);
  QApplication::processEvents();
  ASSERT_TRUE(Forms::IsLoaded<frmVelorast>());
  EXPECT_EQ(Forms::Get<frmVelorast>()->txtVerso[1]->text(), "POPESCU ION");

  boxes.Answer(platform::vbYes);
  EXPECT_TRUE(w->close());
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Forms::IsLoaded<frmVelorast>());
}
