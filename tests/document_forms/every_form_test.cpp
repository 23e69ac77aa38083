// What holds for every document form: the focus at opening on the first control of its
// tab order that can take it, and a page table without rows left empty.

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

class EveryForm : public FormFixture {};

// Opens the form as its launcher does.
template <class F>
DocumentForm* Open(FormFixture& fixture) {
  return fixture.OpenForm<F>();
}

template <class F>
void Close(FormFixture&) {
  FormFixture::CloseForm<F>();
}

struct FormCase {
  const char* form;
  DocumentForm* (*open)(FormFixture&);
  void (*close)(FormFixture&);
  const char* name;  // the control that takes the focus at opening
  int index;
};

template <class F>
constexpr FormCase Case(const char* form, const char* name, int index) {
  return {form, Open<F>, Close<F>, name, index};
}

constexpr FormCase kForms[] = {
    Case<frmDeclVelorast>("frmDeclVelorast", "txt", 0),
    Case<frmFisa2>("frmFisa2", "txt", 0),
    Case<frmCertifVelorast>("frmCertifVelorast", "txt", 0),
    Case<frmImpuneF>("frmImpuneF", "txtPJ", 0),
    Case<frmImpuneV>("frmImpuneV", "txtPJ", 0),
    Case<frmCVRad>("frmCVRad", "txtCV", 72),
    Case<frmFisaPermis>("frmFisaPermis", "txtF", 0),
    Case<frmFisaPermisV>("frmFisaPermisV", "cmdPrint", 0),  // no boxes
    Case<frmPierdere>("frmPierdere", "txt", 0),
    Case<frmFiscalPJ>("frmFiscalPJ", "txt", 0),
    Case<frmFiscalPF>("frmFiscalPF", "txt", 0),
    Case<frmDeclScoatEvid>("frmDeclScoatEvid", "txt", 29),
    Case<frmCerRadiere>("frmCerRadiere", "txt", 1),
    Case<frmProvizorie>("frmProvizorie", "txt", 0),
    Case<frmDeclTranscriere>("frmDeclTranscriere", "txt", 0),
};

TEST_F(EveryForm, OpensOnTheFirstOfItsTabOrder) {
  for (const FormCase& c : kForms) {
    ShowMdi(kClientHeight);  // active again after the last form's closing showed the main window
    platform::PageControl* expected = c.open(*this)->Control(QString::fromLatin1(c.name), c.index);
    ASSERT_NE(expected, nullptr) << c.form;
    EXPECT_EQ(QApplication::focusWidget(), expected->Widget()) << c.form;
    c.close(*this);
  }
}

// A row that a page table declares but never writes is a label without a caption or a
// name at the page's corner; only a named label (its caption set by the member) may
// start empty.
TEST_F(EveryForm, EveryLabelOfItsPageHasACaption) {
  for (const FormCase& c : kForms) {
    const DocumentForm* form = c.open(*this);
    for (const Item& item : form->PageTable().items)
      if (item.kind == Kind::kLabel) {
        EXPECT_TRUE(item.name || (item.text && *item.text)) << c.form << ": a label at " << item.left << ", " << item.top;
      }
    c.close(*this);
  }
}

}  // namespace
