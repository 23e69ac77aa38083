#include "core/frmPrinterSetup.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <functional>
#include <gtest/gtest.h>

#include "core/Settings.h"
#include "platform/Forms.h"
#include "platform/MessageBox.h"
#include "platform/Printers.h"
#include "platform/SettingsStore.h"
#include "support/SettingsFolder.h"

using core::frmPrinterSetup;
using platform::Forms;
namespace settings = core::settings;

namespace {

const char* kInvalid = "Obligatoriu trebuie sa selectati o imprimanta valida";

// Types into the list's edit field as the clerk does, key by key ("\b" is Backspace).
void Type(QComboBox* list, const QString& text) {
  for (QChar c : text) {
    const bool back = c == QLatin1Char('\b');
    QKeyEvent press(QEvent::KeyPress, back ? Qt::Key_Backspace : Qt::Key_unknown, Qt::NoModifier,
                    back ? QString() : QString(c));
    QCoreApplication::sendEvent(list->lineEdit(), &press);
  }
}

class PrinterSetupTest : public ::testing::Test {
 protected:
  void SetUp() override { settings::Fisa = settings::Acte = QString(); }
  void TearDown() override {
    Forms::Unload<frmPrinterSetup>();
    settings::Fisa = settings::Acte = QString();
  }
  static QString Stored(const char* key) { return platform::GetSetting("Velorast", "Par", key); }
  static QStringList Entries(const QComboBox* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->itemText(i);
    return names;
  }
  testsupport::SettingsFolder store_;
};

}  // namespace

TEST_F(PrinterSetupTest, NoPrinterInstalled) {
  platform::PrintersScript none(QStringList{});
  platform::MessageBoxScript boxes;
  frmPrinterSetup* dialog = Forms::Get<frmPrinterSetup>();
  EXPECT_EQ(dialog->cboPrintFisa->count(), 0);
  EXPECT_EQ(dialog->cboPrintActe->count(), 0);
  dialog->cmdOK->click();
  dialog->cmdOK->click();
  EXPECT_EQ(boxes.Prompts(), QStringList({kInvalid, kInvalid}));
  EXPECT_EQ(boxes.Shown()[0].style, platform::vbOKOnly);
  EXPECT_TRUE(Forms::IsLoaded<frmPrinterSetup>());
  dialog->cmdCancel->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Forms::IsLoaded<frmPrinterSetup>());
  EXPECT_TRUE(Stored("Fisa").isEmpty() && Stored("Acte").isEmpty());
}

TEST_F(PrinterSetupTest, StoredNamesPreselectExactlyAndOkNeedsBoth) {
  platform::PrintersScript printers({"Sala1", "Birou", "sala1"});
  settings::Fisa = "SALA1";  // differs only in letter case: nothing selected
  settings::Acte = "Birou";
  frmPrinterSetup* dialog = Forms::Get<frmPrinterSetup>();
  EXPECT_EQ(Entries(dialog->cboPrintFisa), QStringList({"Sala1", "Birou", "sala1"}));  // no sorting
  EXPECT_EQ(dialog->cboPrintFisa->currentIndex(), -1);
  EXPECT_TRUE(dialog->cboPrintFisa->currentText().isEmpty());
  EXPECT_EQ(dialog->cboPrintActe->currentText(), "Birou");

  platform::MessageBoxScript boxes;
  dialog->cboPrintFisa->setEditText("Sala 1");  // typed, and not a printer of the list
  dialog->cmdOK->click();
  EXPECT_EQ(boxes.Prompts(), QStringList{kInvalid});
  EXPECT_EQ(settings::Fisa, "SALA1");  // nothing changed, the valid list neither
  EXPECT_EQ(settings::Acte, "Birou");
  EXPECT_TRUE(Stored("Acte").isEmpty());

  dialog->cboPrintFisa->setCurrentIndex(2);
  dialog->cmdOK->click();
  EXPECT_EQ(boxes.Prompts().size(), 1);
  EXPECT_EQ(settings::Fisa, "sala1");
  EXPECT_EQ(Stored("Fisa"), "sala1");
  EXPECT_EQ(Stored("Acte"), "Birou");
}

// Only an entry chosen from the list counts: a name typed into the edit field does
// not, not even the exact name of a printer of the list.
TEST_F(PrinterSetupTest, ATypedNameIsNotAChosenEntry) {
  platform::PrintersScript printers({"Sala1", "Birou"});
  settings::Fisa = "Sala1";
  settings::Acte = "Birou";
  struct Case {
    const char* what;
    std::function<void(QComboBox*)> act;
    bool stored;
  } cases[] = {
      {"typed the name of a printer", [](QComboBox* l) { Type(l, "Birou"); }, false},
      {"typed another name", [](QComboBox* l) { Type(l, "Birou 2"); }, false},
      {"typed over the preselected entry", [](QComboBox* l) { Type(l, "\b"); }, false},
      {"typed, then chose an entry", [](QComboBox* l) { Type(l, "x"); l->setCurrentIndex(1); }, true},
      {"chose an entry", [](QComboBox* l) { l->setCurrentIndex(1); }, true},
      {"left the preselection", [](QComboBox*) {}, true},
  };
  for (const Case& c : cases) {
    platform::SaveSetting("Velorast", "Par", "Fisa", "");
    frmPrinterSetup* dialog = Forms::Get<frmPrinterSetup>();
    dialog->cboPrintFisa->lineEdit()->clear();
    dialog->cboPrintFisa->setCurrentIndex(0);
    c.act(dialog->cboPrintFisa);
    platform::MessageBoxScript boxes;
    dialog->cmdOK->click();
    EXPECT_EQ(boxes.Prompts(), c.stored ? QStringList() : QStringList{kInvalid}) << c.what;
    EXPECT_EQ(!Stored("Fisa").isEmpty(), c.stored) << c.what;
    Forms::Unload<frmPrinterSetup>();
    settings::Fisa = "Sala1";
  }
}

TEST_F(PrinterSetupTest, TheSamePrinterForBothOnTheMachinesQueues) {
  const QList<platform::Printer> installed = platform::Printers();
  if (installed.isEmpty()) GTEST_SKIP() << "no printer queue on this machine";
  const QString name = installed.last().DeviceName();
  settings::Fisa = settings::Acte = name;
  frmPrinterSetup* dialog = Forms::Get<frmPrinterSetup>();
  EXPECT_EQ(dialog->cboPrintFisa->count(), installed.size());
  EXPECT_EQ(dialog->cboPrintFisa->currentText(), name);
  EXPECT_EQ(dialog->cboPrintActe->currentText(), name);
  dialog->cmdOK->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Forms::IsLoaded<frmPrinterSetup>());
  EXPECT_EQ(Stored("Fisa"), name);
  EXPECT_EQ(Stored("Acte"), name);
}

// A settings file that cannot be written: the choice holds for this run, and one message
// names the file and what to do; the dialog closes as after a stored choice.
TEST_F(PrinterSetupTest, AChoiceThatCannotBeStoredIsReportedOnce) {
  ASSERT_TRUE(QDir(store_.Path()).mkdir("Velorast.ini"));  // a folder where the file should be
  platform::PrintersScript printers({"Sala1", "Birou"});
  frmPrinterSetup* dialog = Forms::Get<frmPrinterSetup>();
  dialog->cboPrintFisa->setCurrentIndex(0);
  dialog->cboPrintActe->setCurrentIndex(1);
  platform::MessageBoxScript boxes;
  dialog->cmdOK->click();
  ASSERT_EQ(boxes.Prompts().size(), 1);
  EXPECT_TRUE(boxes.Prompts()[0].startsWith("Setarile nu au putut fi salvate in fisierul \"" + store_.Path() +
                                            "/Velorast.ini\""))
      << boxes.Prompts()[0].toStdString();
  EXPECT_EQ(settings::Fisa, "Sala1");
  EXPECT_EQ(settings::Acte, "Birou");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(Forms::IsLoaded<frmPrinterSetup>());
}
