#include "FormPrints.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <cstdio>

#include "core/MDIVelorast.h"
#include "document_forms/frmDeclVelorast.h"
#include "platform/Forms.h"
#include "platform/RuntimeError.h"

namespace snapshot {
namespace {

using document_forms::DocumentForm;

// Opens a form as its launcher does, writes its two files, and closes it.
template <class F>
bool Shoot(const QDir& folder, const char* name) {
  DocumentForm* form = document_forms::Open<F>();
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

struct FormShot {
  const char* name;
  bool (*shoot)(const QDir&, const char*);
};

// Every form built, under its own name.
const FormShot kForms[] = {
    {"frmDeclVelorast", Shoot<document_forms::frmDeclVelorast>},
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
