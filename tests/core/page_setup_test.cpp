#include "core/frmSetPage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QFontMetricsF>
#include <gtest/gtest.h>

#include "core/MDIVelorast.h"
#include "core/Settings.h"
#include "platform/CommonDialog.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "support/SettingsFolder.h"

using core::frmSetPage;
using platform::Forms;
namespace settings = core::settings;

namespace {

const char* const kOffsetKeys[16] = {"Top",    "Left",    "TopV",   "LeftV",   "TopCVRad", "LeftCVRad",
                                     "TopPF",  "LeftPF",  "TopPJF", "LeftPJF", "TopPJV",   "LeftPJV",
                                     "TopFPF", "LeftFPF", "TopFPV", "LeftFPV"};

QList<QLineEdit*> Boxes(frmSetPage* d) {
  return {d->txtTop,    d->txtLeft,    d->txtTopV,   d->txtLeftV,   d->txtTopCVRad, d->txtLeftCVRad,
          d->txtTopPF,  d->txtLeftPF,  d->txtTopPJF, d->txtLeftPJF, d->txtTopPJV,   d->txtLeftPJV,
          d->txtTopFPF, d->txtLeftFPF, d->txtTopFPV, d->txtLeftFPV};
}

QList<qint16> Values() {
  return {settings::Top,    settings::Left,    settings::TopV,   settings::LeftV,   settings::TopCVRad, settings::LeftCVRad,
          settings::TopPF,  settings::LeftPF,  settings::TopPJF, settings::LeftPJF, settings::TopPJV,   settings::LeftPJV,
          settings::TopFPF, settings::LeftFPF, settings::TopFPV, settings::LeftFPV};
}

class PageSetupTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetSettings(); }
  void TearDown() override {
    Forms::Unload<frmSetPage>();
    Forms::Unload<core::MDIVelorast>();
    ResetSettings();
  }
  static void ResetSettings() {
    for (qint16* v : {&settings::Top, &settings::Left, &settings::TopV, &settings::LeftV, &settings::TopCVRad,
                      &settings::LeftCVRad, &settings::TopPF, &settings::LeftPF, &settings::TopPJF,
                      &settings::LeftPJF, &settings::TopPJV, &settings::LeftPJV, &settings::TopFPF,
                      &settings::LeftFPF, &settings::TopFPV, &settings::LeftFPV})
      *v = 0;
    settings::ContractInGrid = settings::UsesBD = false;
    settings::CuloareFocus.clear();
  }
  static QString Stored(const QString& key) { return platform::GetSetting("Velorast", "Par", key); }
  static void Unloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  testsupport::SettingsFolder store_;
};

}  // namespace

TEST_F(PageSetupTest, FirstOpeningWithAnEmptyStore) {
  settings::TopV = 7;
  settings::CuloareFocus = "255";
  settings::LoadSettings();  // as the start-up loads an empty store (the flags stay false)
  frmSetPage* d = Forms::Get<frmSetPage>();
  EXPECT_EQ(d->windowTitle(), "Setari");
  for (QLineEdit* box : Boxes(d)) EXPECT_EQ(box->text(), "0");
  EXPECT_FALSE(d->chkContract->isChecked());
  EXPECT_FALSE(d->chkUsesBD->isChecked());
  EXPECT_EQ(d->lblFundal->text(), "TEXT");
  EXPECT_EQ(d->lblFundal->palette().color(QPalette::Window), QLabel().palette().color(QPalette::Window));
  EXPECT_EQ(d->SSTab1->count(), 5);
  EXPECT_EQ(d->SSTab1->currentIndex(), 0);
  EXPECT_EQ(d->SSTab1->tabText(4), "CV + Rad.");
}

TEST_F(PageSetupTest, OpeningShowsTheSharedValues) {
  settings::TopV = -5;
  settings::LeftFPV = 12;
  settings::UsesBD = true;
  settings::CuloareFocus = "255";
  frmSetPage* d = Forms::Get<frmSetPage>();
  EXPECT_EQ(d->txtTopV->text(), "-5");
  EXPECT_EQ(d->txtLeftFPV->text(), "12");
  EXPECT_TRUE(d->chkUsesBD->isChecked());
  EXPECT_EQ(d->lblFundal->palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_EQ(d->lblFundal->text(), "TEXT");
}

TEST_F(PageSetupTest, OkConvertsEveryBoxAndStoresEveryEntry) {
  struct Case { const char* text; qint16 value; } cases[16] = {
      {"", 0}, {"", 0}, {"", 0}, {"", 0},          // the four sheet boxes cleared: "0"
      {"12.5", 12}, {"13.5", 14}, {"7 mm", 7}, {"-5", -5},
      {"1 5", 15}, {"abc", 0}, {"", 0}, {"32767", 32767},
      {"-32768", -32768}, {"&H10", 16}, {"2E1", 20}, {" ", 0},
  };
  frmSetPage* d = Forms::Get<frmSetPage>();
  for (int i = 0; i < 16; ++i) Boxes(d)[i]->setText(cases[i].text);
  d->chkContract->setChecked(true);
  d->cmdOK->click();
  Unloaded();
  EXPECT_FALSE(Forms::IsLoaded<frmSetPage>());
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(Values()[i], cases[i].value) << kOffsetKeys[i];
    EXPECT_EQ(Stored(kOffsetKeys[i]), QString::number(cases[i].value)) << kOffsetKeys[i];
  }
  EXPECT_TRUE(settings::ContractInGrid);
  EXPECT_EQ(Stored("ContractInGrid"), "True");
  EXPECT_EQ(Stored("UsesBD"), "False");
  EXPECT_TRUE(Stored("CuloareFocus").isEmpty());
  EXPECT_TRUE(Stored("Fisa").isEmpty());  // the printer names are not the dialog's
}

TEST_F(PageSetupTest, EveryBoxClearedStoresZeroForAll) {
  settings::TopFPV = 4;
  settings::UsesBD = true;
  frmSetPage* d = Forms::Get<frmSetPage>();
  for (QLineEdit* box : Boxes(d)) box->clear();
  d->chkUsesBD->setChecked(false);
  d->cmdOK->click();
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(Values()[i], 0) << kOffsetKeys[i];
    EXPECT_EQ(Stored(kOffsetKeys[i]), "0") << kOffsetKeys[i];
  }
  EXPECT_FALSE(settings::UsesBD);
  EXPECT_EQ(Stored("UsesBD"), "False");
}

TEST_F(PageSetupTest, AnOffsetOutOfRangeIsRefusedAndNothingStored) {
  settings::LeftPJV = 3;
  frmSetPage* d = Forms::Get<frmSetPage>();
  d->txtTop->setText("8");
  d->txtLeftPJV->setText("40000");
  d->chkUsesBD->setChecked(true);
  platform::MessageBoxScript boxes;
  d->cmdOK->click();
  ASSERT_EQ(boxes.Shown().size(), 1);
  const QString message = boxes.Shown()[0].prompt;
  for (const char* part : {"40000", "Stanga", "Verso", "Impunere PJ", "-32768", "32767"})
    EXPECT_TRUE(message.contains(part)) << part << ": " << message.toStdString();
  EXPECT_TRUE(Forms::IsLoaded<frmSetPage>());
  EXPECT_EQ(d->SSTab1->currentIndex(), 2);  // the tab of the refused box is shown
  EXPECT_EQ(settings::Top, 0);
  EXPECT_EQ(settings::LeftPJV, 3);
  EXPECT_FALSE(settings::UsesBD);
  EXPECT_TRUE(Stored("Top").isEmpty() && Stored("UsesBD").isEmpty());
}

TEST_F(PageSetupTest, CancelStoresNothing) {
  frmSetPage* d = Forms::Get<frmSetPage>();
  d->txtTop->setText("9");
  d->chkUsesBD->setChecked(true);
  d->cmdCancel->click();
  Unloaded();
  EXPECT_FALSE(Forms::IsLoaded<frmSetPage>());
  EXPECT_EQ(settings::Top, 0);
  EXPECT_FALSE(settings::UsesBD);
  EXPECT_TRUE(Stored("Top").isEmpty());
}

TEST_F(PageSetupTest, AColourPickedStaysForTheRunAfterCancel) {
  settings::CuloareFocus = "65280";
  platform::SaveSetting("Velorast", "Par", "CuloareFocus", "65280");
  platform::CommonDialogScript dialogs;
  dialogs.ChooseColor(QColor(255, 0, 0));
  frmSetPage* d = Forms::Get<frmSetPage>();
  d->drvBackground->click();
  ASSERT_EQ(dialogs.ShownDialogs().size(), 1);
  EXPECT_EQ(dialogs.ShownDialogs()[0].dialog, "ShowColor");
  EXPECT_TRUE(dialogs.ShownDialogs()[0].cancelError);
  EXPECT_EQ(d->lblFundal->text(), "255");
  EXPECT_EQ(d->lblFundal->palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_EQ(settings::CuloareFocus, "255");  // at once, for the main window's boxes

  d->cmdCancel->click();
  Unloaded();
  EXPECT_EQ(settings::CuloareFocus, "255");
  EXPECT_EQ(Stored("CuloareFocus"), "65280");  // only OK stores it
  d = Forms::Get<frmSetPage>();
  EXPECT_EQ(d->lblFundal->palette().color(QPalette::Window), QColor(255, 0, 0));

  // A cancelled colour dialog changes nothing and says nothing.
  dialogs.Cancel();
  d->drvBackground->click();
  EXPECT_EQ(settings::CuloareFocus, "255");
  EXPECT_EQ(d->lblFundal->text(), "TEXT");

  d->cmdOK->click();
  EXPECT_EQ(Stored("CuloareFocus"), "255");
}

// A colour of eight digits shows whole in the sample.
TEST_F(PageSetupTest, TheSampleShowsTheWholeNumberOfTheColour) {
  platform::CommonDialogScript dialogs;
  dialogs.ChooseColor(QColor(170, 255, 255));  // 16777130
  frmSetPage* d = Forms::Get<frmSetPage>();
  d->drvBackground->click();
  EXPECT_EQ(d->lblFundal->text(), "16777130");
  EXPECT_LE(QFontMetricsF(d->lblFundal->font()).horizontalAdvance("16777130"), d->lblFundal->contentsRect().width());
}
