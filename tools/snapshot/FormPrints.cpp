#include "FormPrints.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <cstdio>

#include "core/AppState.h"
#include "core/ImagePaths.h"
#include "core/MDIVelorast.h"
#include "document_forms/frmCerRadiere.h"
#include "document_forms/frmCertifVelorast.h"
#include "document_forms/frmDeclScoatEvid.h"
#include "document_forms/frmDeclTranscriere.h"
#include "document_forms/frmDeclVelorast.h"
#include "document_forms/frmFisa2.h"
#include "document_forms/frmImpuneF.h"
#include "document_forms/frmImpuneV.h"
#include "document_forms/frmFiscalPF.h"
#include "document_forms/frmFiscalPJ.h"
#include "document_forms/frmProvizorie.h"
#include "main_window/frmVelorast.h"
#include "platform/Forms.h"
#include "platform/RuntimeError.h"
#include "platform/TextBox.h"

namespace snapshot {
namespace {

using document_forms::DocumentForm;

// Writes the two files of an open form, and closes it.
bool Shoot(const QDir& folder, const char* name, DocumentForm* form) {
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
  form->close();
  QApplication::processEvents();
  return ok;
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
