// velorast-snapshot [--case FILE] OUTDIR: pictures of the windows, made without a
// display, so that anyone can look at them. Each pane of the main window at 1280 x 1024,
// filled from a sample case or from the case kept in FILE (CaseFile.h); the registration
// sheet, front and back, laid from it and printed into PDF files, complete and
// data-only, and the letters, with a picture of each page; each document form opened
// from the case, as shown and as printed; the contract annex editor and its printed
// text; the delete question, the folder choice and the preview window, in Romanian.

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "AnexaPrints.h"
#include "CaseFile.h"
#include "DialogPictures.h"
#include "FormPrints.h"
#include "GridDocumentPrints.h"
#include "SampleCase.h"
#include "SheetPrints.h"
#include "core/AppState.h"
#include "core/FontSubstitutions.h"
#include "core/Fonts.h"
#include "core/SameOnEveryDesktop.h"
#include "core/Settings.h"
#include "main_window/frmVelorast.h"
#include "platform/Forms.h"
#include "platform/ListView.h"
#include "platform/TextBox.h"

namespace {

bool Save(QWidget& widget, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  if (!widget.grab().save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  core::UseQtDialogsEverywhere();
  QApplication app(argc, argv);
  core::LookTheSameOnEveryDesktop();
  const bool sample = argc == 2 && argv[1][0] != '-';
  if (!sample && !(argc == 4 && qstrcmp(argv[1], "--case") == 0)) {
    std::fprintf(stderr, "usage: velorast-snapshot [--case FILE] OUTDIR\n");
    return 2;
  }
  // The case is read whole before anything is written.
  snapshot::CaseFile typed;
  if (!sample) {
    typed = snapshot::ReadCaseFile(QString::fromLocal8Bit(argv[2]));
    if (!typed.Read()) {
      std::fprintf(stderr, "velorast-snapshot: %s\n", qPrintable(typed.error));
      return 1;
    }
  }
  const char* outArg = argv[argc - 1];
  const QDir out(QString::fromLocal8Bit(outArg));
  if (!QDir().mkpath(out.path())) {
    std::fprintf(stderr, "cannot create %s\n", outArg);
    return 1;
  }

  core::RegisterFontSubstitutions();
  QTemporaryDir data;
  core::BazaDate = snapshot::OpenSampleDatabase(data.path());
  core::fonts::LoadFonts();
  core::settings::UsesBD = true;  // the search and editing frames too

  frmVelorast* window = platform::Forms::Get<frmVelorast>();
  window->resize(1280, 1024);
  window->show();
  if (sample) snapshot::FillSampleCase(*window);
  else snapshot::FillBoxes(*window, typed.boxes);

  const char* names[] = {"pane-fisa-fata.png", "pane-fisa-verso.png", "pane-listari.png"};
  bool ok = true;
  for (int tab = 0; tab < 3; ++tab) {
    window->tabVelorast->setCurrentIndex(tab);
    QApplication::processEvents();
    ok = Save(*window, out, QString::fromLatin1(names[tab])) && ok;
  }
  ok = snapshot::WriteSheetFrontPrints(*window, out) && ok;
  ok = snapshot::WriteSheetBackPrints(*window, out) && ok;
  ok = snapshot::WriteGridDocumentPrints(*window, out, sample) && ok;
  ok = snapshot::WriteFormPrints(out) && ok;

  // The persons and vehicles lists after a search of every record, a row of each chosen.
  window->cmdCauta_Click();
  window->cmdCauta2_Click();
  window->lvwResult->EnsureVisibleAndSelect(window->lvwResult->Item(2));
  window->lvwMasini->EnsureVisibleAndSelect(window->lvwMasini->Item(2));
  const char* searched[] = {"pane-fisa-fata-cautare.png", "pane-fisa-verso-cautare.png"};
  for (int tab = 0; tab < 2; ++tab) {
    window->tabVelorast->setCurrentIndex(tab);
    QApplication::processEvents();
    ok = Save(*window, out, QString::fromLatin1(searched[tab])) && ok;
  }
  ok = snapshot::WriteAnexaPrints(out) && ok;
  ok = snapshot::WriteDialogPictures(*window, out) && ok;
  return ok ? 0 : 1;
}
