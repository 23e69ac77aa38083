// Every window the clerk meets speaks Romanian, with Qt's own texts from the program's
// translation: the main window inside the MDI parent with its menus and its frame's menu,
// every document form, the annex editor and its print dialog, the set-up dialogs, the
// about, help and login windows, the preview window and the page set-up opened from it,
// the folder choice, the print dialog, the questions and messages (the start-up's
// question on a database that another desk holds, the message on a listed person
// without a CNP), the colour choice with its screen picker and the menus of the text
// boxes. Each window's texts (the whole paper-size list of the page set-up and of the
// printer properties, the preview's zoom list) are checked for the English an
// untranslated Qt text or a date written by the desktop's language would show, and for
// numbers written with a decimal point. The dialogs are Qt's own, their buttons in one
// order, whatever the desktop: the tests run again on a virtual display under the names
// of the desktops that give Qt a theme of their own (tests/main_window/CMakeLists.txt).

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QThread>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>
#include <functional>
#include <string_view>
#include <gtest/gtest.h>

#include "core/AppState.h"
#include "core/FontSubstitutions.h"
#include "core/MDIVelorast.h"
#include "core/Startup.h"
#include "core/frmHelp.h"
#include "core/frmLogin.h"
#include "document_forms/frmAnexa.h"
#include "main_window/StoredRecords.h"
#include "main_window/frmVelorast.h"
#include "platform/DialogScript.h"
#include "platform/FolderDialog.h"
#include "platform/Forms.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/MultiLineTextBox.h"
#include "platform/Program.h"
#include "platform/SettingsStore.h"
#include "platform/TextBox.h"
#include "platform/Toolbar.h"
#include "report_grid/ReportGridView.h"
#include "support/FixtureDatabase.h"
#include "support/QtPrinters.h"
#include "support/ScreenTexts.h"
#include "support/SettingsFolder.h"

using platform::Forms;
using testsupport::Settle;
using testsupport::ShownTexts;
using testsupport::WhileModal;

namespace {

void ProcessDeletes() {
  for (int i = 0; i < 3; ++i) QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The texts of the modal dialog that `open` shows (nothing when none came up).
QStringList ModalTexts(const std::function<void()>& open, const std::function<void(QWidget&)>& before = {}) {
  QStringList texts;
  const bool shown = WhileModal(open, [&](QWidget& dialog) {
    if (before) before(dialog);
    texts = ShownTexts(dialog);
  });
  EXPECT_TRUE(shown) << "no dialog came up";
  return texts;
}

// The texts of the menu that the widget shows at a right click.
QStringList ContextMenuTexts(QWidget* target) {
  return ModalTexts([target] {
    const QPoint at(2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
  });
}

// The texts of the MDI child that `open` shows, with its frame's menu; the child is
// closed after, unless it is the main window.
QStringList ChildTexts(core::MDIVelorast& mdi, const std::function<void()>& open) {
  open();
  Settle();
  QMdiSubWindow* child = mdi.Workspace()->activeSubWindow();
  if (!child) return {};
  QStringList texts = ShownTexts(*child);
  if (child->systemMenu()) texts << ShownTexts(*child->systemMenu());
  if (!qobject_cast<frmVelorast*>(child->widget())) child->close();
  Settle();
  ProcessDeletes();
  return texts;
}

// While it lives, the home folder is one of its own with a folder and two files, so that
// the file dialogs, which open there, list a size, a type and a date of each kind.
class OwnHome {
 public:
  OwnHome() : previous_(qgetenv("HOME")) {
    QDir(home_.path()).mkpath(QStringLiteral("Documente"));
    for (const auto& [name, bytes] : {std::pair{"contract.pdf", 5000}, std::pair{"nota.txt", 3}}) {
      QFile file(home_.filePath(QString::fromLatin1(name)));
      if (file.open(QIODevice::WriteOnly)) file.write(QByteArray(bytes, 'x'));
    }
    qputenv("HOME", home_.path().toLocal8Bit());
  }
  ~OwnHome() { qputenv("HOME", previous_); }

 private:
  QTemporaryDir home_;
  QByteArray previous_;
};

// A file dialog's list is read by a thread of Qt's: waited for, a little at a time.
// Other dialogs have no list to wait for.
void WaitForTheList(QWidget& dialog) {
  const QTreeView* list = dialog.findChild<QTreeView*>();
  if (!list) return;
  for (int i = 0; i < 500 && list->model()->rowCount(list->rootIndex()) == 0; ++i) {
    QThread::msleep(10);
    Settle();
  }
  ASSERT_GT(list->model()->rowCount(list->rootIndex()), 0) << "the list was never read";
}

// The folder choice, and its message on a folder typed that does not exist.
QStringList FolderChoiceTexts() {
  OwnHome home;
  QStringList texts;
  texts << ModalTexts(
      [] {
        platform::FolderDialog dialog;
        dialog.Show();
      },
      [&](QWidget& dialog) {
        WaitForTheList(dialog);
        auto* typed = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(typed, nullptr);
        typed->setText(QStringLiteral("/nu/exista"));
        texts << ModalTexts([&dialog] { static_cast<QDialog&>(dialog).accept(); });
      });
  return texts;
}

// The print dialog as the program opens it, its options shown, the printer properties
// and the choice of a file to print into opened from it, and its message on pages
// written wrong.
QStringList PrintDialogTexts(QPrinter& printer) {
  QPrintDialog print(&printer);
  print.show();
  Settle();
  for (QPushButton* b : print.findChildren<QPushButton*>())
    if (b->text().contains(QStringLiteral("&Optiuni"))) b->click();
  Settle();
  QStringList texts = ShownTexts(print);
  for (QPushButton* b : print.findChildren<QPushButton*>())
    if (b->text() == QStringLiteral("P&roprietati") && b->isEnabled())
      texts << ModalTexts([b] { b->click(); });
  for (QAbstractButton* b : print.findChildren<QAbstractButton*>())
    if (b->text() == QStringLiteral("...") && b->isEnabled())  // the choice of the file printed into
      texts << ModalTexts([b] { b->click(); }, WaitForTheList);
  // The menu of a number box, at a right click.
  if (auto* copies = print.findChild<QAbstractSpinBox*>(QStringLiteral("copies"))) texts << ContextMenuTexts(copies);
  else ADD_FAILURE() << "the print dialog has no number of copies";
  // Pages written wrong, which the dialog refuses with a message of its own.
  auto* pages = print.findChild<QRadioButton*>(QStringLiteral("pagesRadioButton"));
  auto* range = print.findChild<QLineEdit*>(QStringLiteral("pagesLineEdit"));
  EXPECT_TRUE(pages && range) << "the print dialog has no page range";
  if (pages && range) {
    pages->setChecked(true);
    range->setText(QStringLiteral("doi"));
    texts << ModalTexts([&print] { print.accept(); });
  }
  return texts;
}

// While it lives, the program's message boxes are shown for real, for the walk to read
// them; afterwards one shown without a script fails the test again.
class RealMessageBoxes {
 public:
  RealMessageBoxes() { platform::SetUnscriptedMessageHandler(nullptr); }
  ~RealMessageBoxes() {
    platform::SetUnscriptedMessageHandler([](const platform::ShownMessage& m) {
      ADD_FAILURE() << "a message box was shown without a script: " << m.prompt.toStdString();
      return platform::DefaultAnswer(m.style);
    });
  }
  RealMessageBoxes(const RealMessageBoxes&) = delete;
  RealMessageBoxes& operator=(const RealMessageBoxes&) = delete;
};

// The system's own captions that are English words, shown as the program's design
// gives them.
const QSet<QString> kOwnEnglishCaptions = {
    "OK", "Cancel", "Print", "Preview", "Exit", "Undo", "Undo. CTRL-Z", "PrinterSetup", "Printer setup", "Print Fisa",
    "Print Acte", "About Velorastulare", "Version 1.0.0", "System Info...", "Form"};

class ScreenLanguage : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(watch_.Installed()) << "the translation is built into the program";
    core::RegisterFontSubstitutions();
    core::BazaDate = fixture_.Open();
    core::AppPath = QCoreApplication::applicationDirPath();  // where the build puts the help text
    core::MDIVelorast::SetMainWindowFactory([]() -> QWidget* { return frmVelorast::Load(); });
    mdi_ = Forms::Get<core::MDIVelorast>();
    mdi_->Show();
    Settle();
    // The real dialogs are walked here, each closed as soon as it is up.
    platform::SetUnscriptedDialogHandler(nullptr);
  }
  void TearDown() override {
    platform::SetUnscriptedDialogHandler(
        [](const QString& dialog) { ADD_FAILURE() << "a dialog was shown without a script: " << dialog.toStdString(); });
    core::MDIVelorast::SetMainWindowFactory(nullptr);
    Forms::Unload<core::MDIVelorast>();
    ProcessDeletes();
    Forms::Unload<frmVelorast>();
    core::BazaDate.reset();
    core::AppPath.clear();
  }

  testsupport::TranslationWatch watch_;
  testsupport::FixtureDatabase fixture_;
  core::MDIVelorast* mdi_ = nullptr;
};

TEST_F(ScreenLanguage, EveryWindowTheClerkMeetsSpeaksRomanian) {
  frmVelorast* w = Forms::IfLoaded<frmVelorast>();
  ASSERT_NE(w, nullptr);
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);

  const auto form = [&](void (frmVelorast::*click)()) {
    return [this, w, click] {
      return ChildTexts(*mdi_, [w, click] {
        w->tabVelorast->setCurrentIndex(2);
        (w->*click)();
      });
    };
  };
  struct Window {
    const char* name;
    std::function<QStringList()> texts;
  };
  const Window windows[] = {
      {"main window", [&] {
         QStringList texts;
         for (int tab = 0; tab < w->tabVelorast->count(); ++tab)
           texts << ChildTexts(*mdi_, [w, tab] { w->tabVelorast->setCurrentIndex(tab); });
         return texts << ShownTexts(*mdi_);
       }},
      {"frmDeclVelorast", form(&frmVelorast::cmdVelorastulare_Click)},
      {"frmProvizorie", form(&frmVelorast::cmdAnexaAP1_Click)},
      {"frmCerRadiere", form(&frmVelorast::cmdCerereRadiere_Click)},
      {"frmDeclTranscriere", form(&frmVelorast::cmdTranscriere_Click)},
      {"frmImpuneF", form(&frmVelorast::cmdPJF_Click)},
      {"frmImpuneV", form(&frmVelorast::cmdPJV_Click)},
      {"frmFisaPermis", form(&frmVelorast::cmdFPF_Click)},
      {"frmFisaPermisV", form(&frmVelorast::cmdFPV_Click)},
      {"frmPierdere", form(&frmVelorast::cmdPierdere_Click)},
      {"frmCertifVelorast", form(&frmVelorast::cmdCertifVelorast_Click)},
      {"frmDeclScoatEvid", form(&frmVelorast::cmdScoatereEvidenta_Click)},
      {"frmFiscalPJ", form(&frmVelorast::cmdFiscalPJ_Click)},
      {"frmFiscalPF", form(&frmVelorast::cmdFiscalPF_Click)},
      {"frmFisa2", form(&frmVelorast::cmdFisaComplet_Click)},
      {"frmCVRad", form(&frmVelorast::cmdCVCertifRadiere_Click)},
      {"annex editor", [&] {
         QStringList texts;
         texts << ModalTexts([w] { w->cmdAnexa_Click(); }, [&](QWidget& dialog) {
           const platform::Toolbar* bar = static_cast<document_forms::frmAnexa&>(dialog).tlbAnunt;
           texts << ModalTexts([bar] { bar->Button(1)->click(); });  // its print dialog
         });
         return texts;
       }},
      {"page set-up", [&] { return ModalTexts([w] { w->mnuPageSetup_Click(); }); }},
      {"printer set-up", [&] { return ModalTexts([w] { w->mnuPrinterSetup_Click(); }); }},
      {"about", [&] { return ModalTexts([w] { w->mnuAbout_Click(); }); }},
      {"help", [&] {
         w->mnuContents_Click();
         Settle();
         QStringList texts = ShownTexts(*Forms::Get<core::frmHelp>());
         Forms::Unload<core::frmHelp>();
         return texts;
       }},
      {"login", [&] {
         core::frmLogin* login = Forms::Get<core::frmLogin>();
         login->show();
         Settle();
         QStringList texts = ShownTexts(*login);
         Forms::Unload<core::frmLogin>();
         return texts;
       }},
      {"preview", [&] {
         OwnHome home;  // for a choice of file, when the preview prints into one
         QStringList texts;
         const auto openActions = [&](QWidget& preview) {
           // Its page set-up and its print, as the clerk opens them from its tool bar.
           for (QAction* a : preview.findChildren<QAction*>())
             if (a->text() == QStringLiteral("Configurare pagina") || a->text() == QStringLiteral("Tiparire"))
               texts << ModalTexts([a] { a->trigger(); }, WaitForTheList);
         };
         texts << ModalTexts(
             [w] {
               w->tabVelorast->setCurrentIndex(2);
               w->cmdFisaFata_Click();
               w->cmdPrintPreview_Click();
             },
             openActions);
         return texts;
       }},
      {"folder choice", FolderChoiceTexts},
      {"print dialog", [&] {
         OwnHome home;
         return PrintDialogTexts(printer);
       }},
      {"question", [] {
         QMessageBox box(QMessageBox::Question, QStringLiteral("Velorast"), QStringLiteral("Sigur?"));
         box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
         box.show();
         Settle();
         return ShownTexts(box);
       }},
      {"colour choice", [] {
         QColorDialog colours;  // the focus colour's choice
         colours.show();
         Settle();
         QStringList texts = ShownTexts(colours);
         // Its screen picker, which says where the cursor is until Esc ends the picking.
         QCursor::setPos(30, 40);
         QPushButton* picker = nullptr;
         for (QPushButton* b : colours.findChildren<QPushButton*>())
           if (b->text() == QStringLiteral("Ia culoarea de pe &ecran")) picker = b;
         if (!picker) {
           ADD_FAILURE() << "the colour choice has no screen picker";
           return texts;
         }
         picker->click();
         Settle();
         texts << ShownTexts(colours);
         QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
         QApplication::sendEvent(&colours, &esc);
         Settle();
         EXPECT_TRUE(colours.isVisible() && picker->isEnabled()) << "Esc ends the picking, not the colour choice";
         return texts;
       }},
      {"busy database at the start", [] {
         // Another desk holds the file past the wait: the start-up's question, closed
         // as Esc closes it (Nu, which ends the start).
         testsupport::SettingsFolder settings;
         testsupport::FixtureDatabase held;
         platform::SaveSetting("Velorast", "CaleBD", "CaBD", held.Folder());
         auto otherDesk = held.Open();
         otherDesk->Execute("BEGIN EXCLUSIVE");
         platform::Database::SetBusyTimeout(50);
         RealMessageBoxes real;
         QStringList texts = ModalTexts([] {
           try {
             core::Main();
           } catch (const platform::ProgramEnded&) {
           }
         });
         platform::Database::SetBusyTimeout(platform::Database::kBusyTimeoutMs);
         return texts;
       }},
      {"listed person without a CNP", [&] {
         fixture_.AddPerson({{"Nume", "FARA CNP"}, {"CNP", ""}});
         w->tabVelorast->setCurrentIndex(1);
         w->txtCriteriu->clear();
         w->cmdCauta_Click();
         Settle();
         platform::ListView* list = w->lvwResult;
         for (int i = 1; i <= list->Count(); ++i)
           if (list->Item(i).text(0) == QStringLiteral("FARA CNP")) list->SetCurrentItem(list->Item(i));
         RealMessageBoxes real;
         return ModalTexts([w] { w->lvwResult_Click(); });
       }},
      {"text box menu", [&] { return ContextMenuTexts(w->txtCamp[1]); }},
      {"multi-line box menu", [&] { return ContextMenuTexts(w->txtSpecificatii->viewport()); }},
      {"list's scroll bar menu", [&] { return ContextMenuTexts(w->lvwResult->verticalScrollBar()); }},
      {"grid's scroll bar menu", [&] { return ContextMenuTexts(w->Grid->horizontalScrollBar()); }},
  };

  // What the print system says of its printers (names, models, places, the names their
  // drivers give their paper sizes) is its own data, in whatever words the office gave
  // it. The page set-up of a printer whose driver names no sizes lists Qt's.
  QSet<QString> printerData;
  bool printersNameTheirSizes = false;
  for (const QPrinterInfo& info : QPrinterInfo::availablePrinters()) {
    printerData << info.printerName() << info.description() << info.makeAndModel() << info.location();
    for (const QPageSize& size : info.supportedPageSizes()) printerData << size.name();
    printersNameTheirSizes |= !info.supportedPageSizes().isEmpty();
  }

  QMap<QString, QStringList> shown;
  for (const Window& window : windows) {
    watch_.Missed().Clear();
    const QStringList texts = window.texts();
    shown[window.name] = texts;
    EXPECT_FALSE(texts.isEmpty()) << window.name << ": nothing shown";
    // What the window asked for and the translation lacks would show in English.
    const QStringList missed = watch_.Missed().Missed();
    EXPECT_TRUE(missed.isEmpty()) << window.name << ":\n" << missed.join("\n").toStdString();
    QStringList english = testsupport::EnglishTexts(texts);
    english.removeIf([&](const QString& t) { return kOwnEnglishCaptions.contains(t) || printerData.contains(t); });
    EXPECT_TRUE(english.isEmpty()) << window.name << ": " << english.join(" | ").toStdString();
  }

  // Qt's texts in the Romanian a desktop would use, where the clerk meets them.
  struct Expected {
    const char* window;
    QString text;
  };
  const Expected expected[] = {
      {"question", "Da"}, {"question", "Nu"}, {"question", "Anulare"}, {"question", "OK"},
      {"busy database at the start", "Da"}, {"busy database at the start", "Nu"},
      {"listed person without a CNP", "OK"}, {"listed person without a CNP", main_window::kPersoane.withoutKey},
      {"folder choice", "Cauta in:"}, {"folder choice", "Dosar:"}, {"folder choice", "Fisiere de tipul:"},
      {"folder choice", "Alege"}, {"folder choice", "Anulare"}, {"folder choice", "Dosare"}, {"folder choice", "Nume"},
      {"folder choice", "Data modificarii"}, {"folder choice", "Documente"},
      {"folder choice", "exista\nDosarul nu a fost gasit.\nVerificati daca numele dosarului este scris corect."},
      {"print dialog", "Fisier PDF"}, {"print dialog", "3 octeti"}, {"print dialog", "4,9 KB"},
      {"print dialog", "Tiparire in fisier ..."}, {"print dialog", "Nume fisier:"},
      {"print dialog", "Pagini scrise gresit"}, {"print dialog", "Mareste"}, {"print dialog", "Micsoreaza"},
      {"preview", "Mareste"}, {"preview", "Micsoreaza"}, {"preview", "Potriveste pagina"}, {"preview", "Tiparire"},
      {"preview", "Configurare pagina"}, {"preview", "Pagina urmatoare"},
      {"print dialog", "Tiparire"}, {"print dialog", "Nume:"}, {"print dialog", "Proprietati"},
      {"print dialog", "Optiuni <<"}, {"print dialog", "Tipareste"}, {"print dialog", "Anulare"},
      {"print dialog", "Exemplare:"}, {"print dialog", "Tiparire in fisier (PDF)"},
      {"print dialog", "Proprietatile imprimantei"},
      {"annex editor", "Tipareste"}, {"annex editor", "Anulare"},
      {"preview", "Dimensiunea paginii:"}, {"preview", "Portret"}, {"preview", "12,5%"}, {"preview", "100%"},
      {"print dialog", "Plic C3"}, {"print dialog", "Plic US 9"}, {"print dialog", "Plic invitatie"},
      {"print dialog", "Letter mic"}, {"print dialog", "A4 mic"}, {"print dialog", "PRC 32K mare"},
      {"print dialog", "Hartie continua SUA (14,875 x 11 in)"}, {"print dialog", "Executive (7,5 x 10 in)"},
      {"print dialog", "Letter / ANSI A"}, {"print dialog", "A4"},
      {"colour choice", "Culori de baza"}, {"colour choice", "OK"}, {"colour choice", "Anulare"},
      {"colour choice", "Cursorul la 30, 40\nApasati ESC pentru anulare"},
      {"text box menu", "Anuleaza"}, {"text box menu", "Copiaza"}, {"text box menu", "Lipeste"},
      {"text box menu", "Selecteaza tot"}, {"multi-line box menu", "Lipeste"},
      {"list's scroll bar menu", "Deruleaza aici"}, {"grid's scroll bar menu", "Marginea din stanga"},
      {"main window", "Restabileste"}, {"main window", "Minimizeaza"}, {"main window", "Inchide"},
      {"frmDeclVelorast", "Restabileste"}, {"frmDeclVelorast", "Inchide"},
  };
  for (const Expected& e : expected)
    EXPECT_TRUE(shown[e.window].contains(e.text)) << e.window << ": no \"" << e.text.toStdString() << "\" in "
                                                  << shown[e.window].join(" | ").toStdString();

  // The whole paper-size list was read, in the page set-up (opened from the preview) and
  // in the printer properties (opened from the print dialog).
  for (const char* window : {"preview", "print dialog"}) {
    if (window == std::string_view("preview") && printersNameTheirSizes) continue;
    QStringList unlisted;
    for (int id = 0; id < QPageSize::LastPageSize; ++id)
      if (id != QPageSize::Custom && !shown[window].contains(QPageSize::name(QPageSize::PageSizeId(id))))
        unlisted << QPageSize::name(QPageSize::PageSizeId(id));
    EXPECT_EQ(unlisted, QStringList()) << window;
  }

  // Qt's number boxes (sizes and margins of the page), the zoom list and the sizes in the
  // paper names write numbers as a Romanian desktop does, with a decimal comma.
  static const QRegularExpression decimalPoint(QStringLiteral("\\d\\.\\d+( ?mm$|%$| x | in\\))"));
  static const QRegularExpression decimalComma(QStringLiteral("^\\d+,\\d+ ?mm$"));
  for (const char* window : {"preview", "print dialog"}) {
    EXPECT_FALSE(shown[window].filter(decimalComma).isEmpty()) << window;
    EXPECT_EQ(shown[window].filter(decimalPoint), QStringList()) << window;
  }
}

// The platform theme that Qt loaded into the program: "gtk3" when the GTK theme's plugin
// is in the process, "" otherwise.
QString LoadedPlatformTheme() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly)) return QStringLiteral("?");
  return maps.readAll().contains("/platformthemes/libqgtk3.so") ? QStringLiteral("gtk3") : QString();
}

// The captions of the buttons of the dialog's button boxes, from left to right.
QStringList ButtonsLeftToRight(const QWidget& dialog) {
  QList<const QPushButton*> buttons;
  for (const QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>())
    for (const QAbstractButton* b : box->buttons())
      if (const auto* push = qobject_cast<const QPushButton*>(b); push && push->isVisible()) buttons << push;
  std::sort(buttons.begin(), buttons.end(), [](const QPushButton* a, const QPushButton* b) {
    return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
  });
  QStringList captions;
  for (const QPushButton* b : buttons) captions << b->text().remove(QLatin1Char('&'));
  return captions;
}

// Whatever the desktop, Qt's dialogs are its own (a desktop of the GNOME family with the
// GTK theme would otherwise open GTK's colour and file choosers), with their buttons in
// the order a desktop without a theme of its own gives them: the accepting one first.
TEST(ScreenLanguageOnEveryDesktop, QtsOwnDialogsWithTheirButtonsInOneOrder) {
  testsupport::TranslationWatch watch;
  ASSERT_TRUE(watch.Installed());
  // The run under a desktop's name says which theme it must have loaded.
  if (qEnvironmentVariableIsSet("VELORAST_EXPECTED_THEME")) {
    EXPECT_EQ(LoadedPlatformTheme(), qEnvironmentVariable("VELORAST_EXPECTED_THEME"))
        << "XDG_CURRENT_DESKTOP=" << qgetenv("XDG_CURRENT_DESKTOP").toStdString();
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  struct Case {
    const char* dialog;
    std::function<void()> open;
    QStringList buttons;
  };
  const Case cases[] = {
      {"question", [] {
         QMessageBox box(QMessageBox::Question, QStringLiteral("Velorast"), QStringLiteral("Sigur?"),
                         QMessageBox::Yes | QMessageBox::No);
         box.exec();
       }, {"Da", "Nu"}},
      {"message", [] {
         QMessageBox box(QMessageBox::Information, QStringLiteral("Velorast"), QStringLiteral("Gata"),
                         QMessageBox::Ok | QMessageBox::Cancel);
         box.exec();
       }, {"OK", "Anulare"}},
      {"folder choice", [] {
         const auto folders = platform::NewFolderChoice(nullptr);
         folders->exec();
       }, {"Alege", "Anulare"}},
      {"colour choice", [] { QColorDialog::getColor(Qt::red); }, {"OK", "Anulare"}},
      {"print dialog", [&printer] {
         QPrintDialog print(&printer);
         print.exec();
       }, {"Optiuni >>", "Tipareste", "Anulare"}},
      {"print dialog's choice of a file", [] {
         QFileDialog::getSaveFileName(nullptr, QStringLiteral("Tiparire in fisier ..."));
       }, {"Salveaza", "Anulare"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dialog);
    watch.Missed().Clear();
    QStringList buttons;
    const bool shown = WhileModal(c.open, [&](QWidget& dialog) {
      EXPECT_TRUE(qobject_cast<QDialog*>(&dialog)) << "not a dialog of Qt's: " << dialog.metaObject()->className();
      buttons = ButtonsLeftToRight(dialog);
    });
    EXPECT_TRUE(shown) << "no dialog of Qt's came up";
    EXPECT_EQ(buttons.join(" | ").toStdString(), c.buttons.join(" | ").toStdString());
    EXPECT_EQ(watch.Missed().Missed().join("\n").toStdString(), "");
  }
}

// Types the text into the box as the clerk would, over what it shows, then Enter.
void TypeOver(QLineEdit& edit, const QString& text) {
  edit.setFocus();
  edit.selectAll();
  for (const QChar ch : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    QApplication::sendEvent(&edit, &press);
  }
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(&edit, &enter);
}

// Chooses the entry from the box's list as the clerk would, with the list open.
void ChooseFromList(QComboBox& box, const QString& entry) {
  const int row = box.findText(entry);
  ASSERT_GE(row, 0) << "no " << entry.toStdString() << " in the list";
  box.showPopup();
  Settle();
  box.view()->setCurrentIndex(box.model()->index(row, 0));
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(box.view(), &enter);
}

// The preview's zoom box is written and read with a decimal comma: a zoom typed (a point
// typed becomes the comma) or chosen from its list, the entry shown included, is applied
// and the fitting buttons let go; the zoom the buttons set is written with a comma; what
// is not a zoom is refused as it is typed.
TEST(ScreenLanguagePreviewZoom, TypedAndChosenWithADecimalComma) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  struct Case {
    const char* what;
    std::function<void(QPrintPreviewDialog&, QComboBox&)> act;
    double zoom;  // 0: the one the zoom button sets; negative: the one the dialog opened with, as shown
  };
  const Case cases[] = {
      {"typed 12,5%", [](auto&, QComboBox& box) { TypeOver(*box.lineEdit(), "12,5%"); }, 0.125},
      {"typed 37,5 without the sign", [](auto&, QComboBox& box) { TypeOver(*box.lineEdit(), "37,5"); }, 0.375},
      {"typed 12.5 with a point", [](auto&, QComboBox& box) { TypeOver(*box.lineEdit(), "12.5"); }, 0.125},
      {"12,5% chosen, the entry the list shows at first", [](auto&, QComboBox& box) { ChooseFromList(box, "12,5%"); },
       0.125},
      {"150% chosen", [](auto&, QComboBox& box) { ChooseFromList(box, "150%"); }, 1.5},
      {"zoom button", [](QPrintPreviewDialog& dialog, auto&) {
         for (QToolButton* b : dialog.findChildren<QToolButton*>())
           if (b->defaultAction() && b->defaultAction()->text() == QStringLiteral("Mareste")) b->click();
       }, 0},
      {"letters typed", [](auto&, QComboBox& box) { TypeOver(*box.lineEdit(), "abc"); }, -1},
      {"2000 typed: the digit past the largest refused",
       [](auto&, QComboBox& box) { TypeOver(*box.lineEdit(), "2000"); }, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QPrintPreviewDialog dialog(&printer);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [](QPrinter* p) {
      QPainter page(p);
      page.drawText(100, 100, QStringLiteral("Fisa"));
    });
    dialog.show();
    Settle();
    auto* box = dialog.findChild<QComboBox*>();
    auto* view = dialog.findChild<QPrintPreviewWidget*>();
    ASSERT_TRUE(box && box->lineEdit() && view);
    const double opened = view->zoomFactor();
    c.act(dialog, *box);
    Settle();
    if (c.zoom < 0) {
      EXPECT_NEAR(view->zoomFactor(), opened, 0.0005);
    } else {
      if (c.zoom > 0) {
        EXPECT_DOUBLE_EQ(view->zoomFactor(), c.zoom);
      } else {
        EXPECT_GT(view->zoomFactor(), opened);
      }
      EXPECT_EQ(view->zoomMode(), QPrintPreviewWidget::CustomZoom);
      for (QAction* fit : dialog.findChildren<QAction*>()) {
        if (fit->objectName().startsWith(QStringLiteral("fit"))) {
          EXPECT_FALSE(fit->isChecked()) << "fitting";
        }
      }
    }
    // The box shows the zoom in force, with a decimal comma where it has decimals.
    const QString shown = box->currentText();
    static const QRegularExpression written(QStringLiteral("^(\\d+(,\\d+)?)%$"));
    const QRegularExpressionMatch zoom = written.match(shown);
    ASSERT_TRUE(zoom.hasMatch()) << shown.toStdString();
    EXPECT_NEAR(zoom.captured(1).replace(',', '.').toDouble() / 100, view->zoomFactor(), 0.0005) << shown.toStdString();
  }
}

}  // namespace
