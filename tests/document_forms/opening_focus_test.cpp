// Where the focus is when a form opens: on the first control of its tab order that can
// take it, for every document form.

#include <QApplication>
#include <gtest/gtest.h>

#include "FormFixture.h"
#include "document_forms/frmCVRad.h"
#include "document_forms/frmCerRadiere.h"
#include "document_forms/frmCertifVelorast.h"
#include "document_forms/frmDeclScoatEvid.h"
#include "document_forms/frmDeclTranscriere.h"
#include "document_forms/frmDeclVelorast.h"
#include "document_forms/frmFisa2.h"
#include "document_forms/frmFisaPermis.h"
#include "document_forms/frmFisaPermisV.h"
#include "document_forms/frmFiscalPF.h"
#include "document_forms/frmFiscalPJ.h"
#include "document_forms/frmImpuneF.h"
#include "document_forms/frmImpuneV.h"
#include "document_forms/frmPierdere.h"
#include "document_forms/frmProvizorie.h"

namespace {

using namespace document_forms;
using testsupport::FormFixture;

class OpeningFocus : public FormFixture {};

// Opens the form as its launcher does; the control `name`(`index`) of it.
template <class F>
QWidget* OpenAndFind(FormFixture& fixture, const char* name, int index) {
  F* form = fixture.OpenForm<F>();
  platform::PageControl* control = form->Control(QString::fromLatin1(name), index);
  return control ? control->Widget() : nullptr;
}

template <class F>
void Close(FormFixture&) {
  FormFixture::CloseForm<F>();
}

TEST_F(OpeningFocus, EachFormOpensOnTheFirstOfItsTabOrder) {
  const struct {
    const char* form;
    QWidget* (*open)(FormFixture&, const char*, int);
    void (*close)(FormFixture&);
    const char* name;  // the control that takes the focus
    int index;
  } cases[] = {
      {"frmDeclVelorast", OpenAndFind<frmDeclVelorast>, Close<frmDeclVelorast>, "txt", 0},
      {"frmFisa2", OpenAndFind<frmFisa2>, Close<frmFisa2>, "txt", 0},
      {"frmCertifVelorast", OpenAndFind<frmCertifVelorast>, Close<frmCertifVelorast>, "txt", 0},
      {"frmImpuneF", OpenAndFind<frmImpuneF>, Close<frmImpuneF>, "txtPJ", 0},
      {"frmImpuneV", OpenAndFind<frmImpuneV>, Close<frmImpuneV>, "txtPJ", 0},
      {"frmCVRad", OpenAndFind<frmCVRad>, Close<frmCVRad>, "txtCV", 72},
      {"frmFisaPermis", OpenAndFind<frmFisaPermis>, Close<frmFisaPermis>, "txtF", 0},
      {"frmFisaPermisV", OpenAndFind<frmFisaPermisV>, Close<frmFisaPermisV>, "cmdPrint", 0},  // no boxes
      {"frmPierdere", OpenAndFind<frmPierdere>, Close<frmPierdere>, "txt", 0},
      {"frmFiscalPJ", OpenAndFind<frmFiscalPJ>, Close<frmFiscalPJ>, "txt", 0},
      {"frmFiscalPF", OpenAndFind<frmFiscalPF>, Close<frmFiscalPF>, "txt", 0},
      {"frmDeclScoatEvid", OpenAndFind<frmDeclScoatEvid>, Close<frmDeclScoatEvid>, "txt", 29},
      {"frmCerRadiere", OpenAndFind<frmCerRadiere>, Close<frmCerRadiere>, "txt", 1},
      {"frmProvizorie", OpenAndFind<frmProvizorie>, Close<frmProvizorie>, "txt", 0},
      {"frmDeclTranscriere", OpenAndFind<frmDeclTranscriere>, Close<frmDeclTranscriere>, "txt", 0},
  };
  for (const auto& c : cases) {
    ShowMdi(kClientHeight);  // active again after the last form's closing showed the main window
    QWidget* expected = c.open(*this, c.name, c.index);
    ASSERT_NE(expected, nullptr) << c.form;
    EXPECT_EQ(QApplication::focusWidget(), expected) << c.form;
    c.close(*this);
  }
}

}  // namespace
