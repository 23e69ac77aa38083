#include "FormPrints.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <cstdio>

#include "core/AppState.h"
#include "core/MDIVelorast.h"
#include "core/Settings.h"
#include "document_forms/frmCVRad.h"
#include "document_forms/frmDeclVelorast.h"
#include "document_forms/frmFisaPermis.h"
#include "document_forms/frmFisaPermisV.h"
#include "document_forms/frmPierdere.h"
#include "platform/PageControls.h"
#include "platform/Forms.h"
#include "platform/RuntimeError.h"

namespace snapshot {
namespace {

using document_forms::DocumentForm;

// Writes the two files of a form that is open.
bool Save(DocumentForm* form, const QDir& folder, const char* name) {
  QApplication::processEvents();
  bool ok = true;
  const QString png = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
  if (form->Frame()->grab().save(png)) {
    std::printf("%s\n", qPrintable(png));
  } else {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(png));
    ok = false;
  }
  const QString pdf = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".pdf"));
  try {
    form->PrintToPdf(pdf);
    std::printf("%s\n", qPrintable(pdf));
  } catch (const platform::RuntimeError& error) {
    std::fprintf(stderr, "%s\n", qPrintable(error.Description()));
    ok = false;
  }
  return ok;
}

// Opens a form as its launcher does, writes its two files, and closes it.
template <class F>
bool Shoot(const QDir& folder, const char* name) {
  DocumentForm* form = document_forms::Open<F>();
  const bool ok = Save(form, folder, name);
  form->close();
  QApplication::processEvents();
  return ok;
}

// The contract on the official paper, over the picture of the paper from the program
// folder, printed with the offsets 10 mm down and 5 mm right.
bool ShootCVRad(const QDir& folder, const char* name) {
  const QString appPath = core::AppPath;
  if (appPath.isEmpty()) core::AppPath = QCoreApplication::applicationDirPath();
  core::settings::TopCVRad = 10;
  core::settings::LeftCVRad = 5;
  const bool ok = Shoot<document_forms::frmCVRad>(folder, name);
  core::settings::TopCVRad = core::settings::LeftCVRad = 0;
  core::AppPath = appPath;
  return ok;
}

// The holder's record as a clerk fills it in, and the loss declaration opened from it.
bool ShootFisaPermis(const QDir& folder, const char* name) {
  using document_forms::frmFisaPermis;
  frmFisaPermis* record = document_forms::Open<frmFisaPermis>();
  const char* typed[] = {"POPESCU", "ION", "GHEORGHE", "MARIA", "M", "", "1985, 03, 31", "PRAHOVA", "PLOIESTI",
                         "ROMANIA", "SECTOR 1", "BUCURESTI", "VICTORIEI", "12", "A3", "2", "45", "1850331460012",
                         "CI, RT, 123456", "ROMANA", "INGINER", "SOFER", "MINISTERUL TRANSPORTURILOR",
                         "SC CONSTRUCT SA", "021 312 45 67", "021 222 33 44"};
  for (int i = 0; i < 26; ++i) record->SetText(i, QString::fromLatin1(typed[i]));
  for (int i : {0, 6}) record->chkF(i)->SetValue(1);
  bool ok = Save(record, folder, name);
  record->cmdPierdere_Click(0);
  document_forms::frmPierdere* declaration = platform::Forms::IfLoaded<document_forms::frmPierdere>();
  declaration->SetText(33, QStringLiteral("01-03-2026"));
  declaration->SetText(36, QStringLiteral("B"));
  ok = Save(declaration, folder, "frmPierdere") && ok;
  declaration->close();
  QApplication::processEvents();
  record->close();
  QApplication::processEvents();
  return ok;
}

struct FormShot {
  const char* name;
  bool (*shoot)(const QDir&, const char*);
};

// Every form built, under its own name.
const FormShot kForms[] = {
    {"frmDeclVelorast", Shoot<document_forms::frmDeclVelorast>},
    {"frmCVRad", ShootCVRad},
    {"frmFisaPermis", ShootFisaPermis},  // and frmPierdere, opened from it
    {"frmFisaPermisV", Shoot<document_forms::frmFisaPermisV>},
};

}  // namespace

bool WriteFormPrints(const QDir& folder) {
  // A client area tall enough for the whole page and its frame.
  core::MDIVelorast* mdi = platform::Forms::Get<core::MDIVelorast>();
  mdi->resize(1200, 1300);
  mdi->show();
  QApplication::processEvents();
  bool ok = true;
  for (const FormShot& shot : kForms) ok = shot.shoot(folder, shot.name) && ok;
  return ok;
}

}  // namespace snapshot
