#include "FormPrints.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <cstdio>

#include "core/AppState.h"
#include "core/ImagePaths.h"
#include "core/MDIVelorast.h"
#include "core/Settings.h"
#include "document_forms/frmCVRad.h"
#include "document_forms/frmCerRadiere.h"
#include "document_forms/frmCertifVelorast.h"
#include "document_forms/frmDeclScoatEvid.h"
#include "document_forms/frmDeclTranscriere.h"
#include "document_forms/frmDeclVelorast.h"
#include "document_forms/frmFisa2.h"
#include "document_forms/frmImpuneF.h"
#include "document_forms/frmImpuneV.h"
#include "document_forms/frmFisaPermis.h"
#include "document_forms/frmFisaPermisV.h"
#include "document_forms/frmFiscalPF.h"
#include "document_forms/frmFiscalPJ.h"
#include "document_forms/frmPierdere.h"
#include "document_forms/frmProvizorie.h"
#include "main_window/frmVelorast.h"
#include "platform/Forms.h"
#include "platform/PageControls.h"
#include "platform/RuntimeError.h"
#include "platform/TextBox.h"

namespace snapshot {
namespace {

using document_forms::DocumentForm;

// The window of an open form, as <name>.png.
bool SaveWindow(DocumentForm* form, const QDir& folder, const char* name) {
  QApplication::processEvents();
  const QString png = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
  if (!form->Frame()->grab().save(png)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(png));
    return false;
  }
  std::printf("%s\n", qPrintable(png));
  return true;
}

// The page of an open form, printed into <name>.pdf.
bool SavePage(DocumentForm* form, const QDir& folder, const char* name) {
  const QString pdf = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".pdf"));
  try {
    form->PrintToPdf(pdf);
    std::printf("%s\n", qPrintable(pdf));
    return true;
  } catch (const platform::RuntimeError& error) {
    std::fprintf(stderr, "%s\n", qPrintable(error.Description()));
    return false;
  }
}

// Closes a form as its Exit button does, and lets the closed window go at once (a closed
// form is deleted only when control returns to the event loop), so that the next
// opening loads it afresh.
void Close(DocumentForm* form) {
  form->close();
  QApplication::processEvents();
  for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Writes the two files of an open form, and closes it.
bool Shoot(const QDir& folder, const char* name, DocumentForm* form) {
  const bool window = SaveWindow(form, folder, name);
  const bool page = SavePage(form, folder, name);
  Close(form);
  return window && page;
}

// Opens a form as its launcher does and shoots it.
template <class F>
bool Shoot(const QDir& folder, const char* name) {
  return Shoot(folder, name, document_forms::Open<F>());
}

// The back of the tax declaration places no passenger car: it is shot with the sample
// vehicle typed as a goods vehicle, so that its first row shows.
bool ShootImpuneV(const QDir& folder, const char* name) {
  platform::TextBox* categoria = platform::Forms::Get<frmVelorast>()->txtCamp.at(0);
  const QString sample = categoria->text();
  categoria->setText(QStringLiteral("AUTOUTILITARA N1"));
  const bool ok = Shoot<document_forms::frmImpuneV>(folder, name);
  categoria->setText(sample);
  return ok;
}

// The deregistration request with two reasons ticked (their documents follow them).
bool ShootCerRadiere(const QDir& folder, const char* name) {
  auto* form = document_forms::Open<document_forms::frmCerRadiere>();
  form->chk(0)->SetValue(true);
  form->chk(1)->SetValue(true);
  return Shoot(folder, name, form);
}

// The contract on the official paper: the window over the picture of the paper from the
// program folder, as designed, and the page printed with the offsets 10 mm down and
// 5 mm right.
bool ShootCVRad(const QDir& folder, const char* name) {
  using document_forms::frmCVRad;
  const QString appPath = core::AppPath;
  if (appPath.isEmpty()) core::AppPath = QCoreApplication::applicationDirPath();
  DocumentForm* form = document_forms::Open<frmCVRad>();
  bool ok = SaveWindow(form, folder, name);
  Close(form);
  core::settings::TopCVRad = 10;
  core::settings::LeftCVRad = 5;
  form = document_forms::Open<frmCVRad>();
  ok = SavePage(form, folder, name) && ok;
  Close(form);
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
  for (int i : {0, 6}) record->chkF(i)->SetValue(true);
  bool ok = SaveWindow(record, folder, name);
  ok = SavePage(record, folder, name) && ok;
  document_forms::frmPierdere* declaration = document_forms::OpenPierdere(document_forms::frmPierdere::Opener::kFisaPermis);
  declaration->SetText(33, QStringLiteral("01-03-2026"));
  declaration->SetText(36, QStringLiteral("B"));
  ok = Shoot(folder, "frmPierdere", declaration) && ok;
  Close(record);
  return ok;
}

struct FormShot {
  const char* name;
  bool (*shoot)(const QDir&, const char*);
};

// Every form built, under its own name.
const FormShot kForms[] = {
    {"frmDeclVelorast", Shoot<document_forms::frmDeclVelorast>},
    {"frmCertifVelorast", Shoot<document_forms::frmCertifVelorast>},
    {"frmProvizorie", Shoot<document_forms::frmProvizorie>},
    {"frmDeclTranscriere", Shoot<document_forms::frmDeclTranscriere>},
    {"frmFisa2", Shoot<document_forms::frmFisa2>},
    {"frmImpuneF", Shoot<document_forms::frmImpuneF>},
    {"frmImpuneV", ShootImpuneV},
    {"frmFiscalPJ", Shoot<document_forms::frmFiscalPJ>},
    {"frmFiscalPF", Shoot<document_forms::frmFiscalPF>},
    {"frmDeclScoatEvid", Shoot<document_forms::frmDeclScoatEvid>},
    {"frmCerRadiere", ShootCerRadiere},
    {"frmCVRad", ShootCVRad},
    {"frmFisaPermis", ShootFisaPermis},  // and frmPierdere, opened from it
    {"frmFisaPermisV", Shoot<document_forms::frmFisaPermisV>},
};

}  // namespace

bool WriteFormPrints(const QDir& folder) {
  // The pictures of the program folder (the tax declaration's coat of arms).
  core::AppPath = QCoreApplication::applicationDirPath();
  core::images::LoadImagePaths();
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
