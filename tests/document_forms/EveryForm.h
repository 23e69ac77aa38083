// The fifteen document forms, each with its name and opened as its launcher opens it, for
// the tests that check a rule over every form.
#pragma once

#include <functional>
#include <vector>

#include "document_forms/DocumentForm.h"
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
#include "platform/Forms.h"

namespace testsupport {

struct FormEntry {
  const char* name;
  std::function<document_forms::DocumentForm*()> open;
};

template <class F>
FormEntry Entry(const char* name) {
  return {name, [] { return document_forms::Open<F>(); }};
}

inline std::vector<FormEntry> AllForms() {
  using namespace document_forms;
  return {
      Entry<frmDeclVelorast>("frmDeclVelorast"),
      Entry<frmCertifVelorast>("frmCertifVelorast"),
      Entry<frmProvizorie>("frmProvizorie"),
      Entry<frmDeclTranscriere>("frmDeclTranscriere"),
      Entry<frmFisa2>("frmFisa2"),
      Entry<frmImpuneF>("frmImpuneF"),
      Entry<frmImpuneV>("frmImpuneV"),
      Entry<frmFiscalPJ>("frmFiscalPJ"),
      Entry<frmFiscalPF>("frmFiscalPF"),
      Entry<frmDeclScoatEvid>("frmDeclScoatEvid"),
      Entry<frmCerRadiere>("frmCerRadiere"),
      Entry<frmCVRad>("frmCVRad"),
      Entry<frmFisaPermis>("frmFisaPermis"),
      Entry<frmFisaPermisV>("frmFisaPermisV"),
      {"frmPierdere", [] { return static_cast<DocumentForm*>(OpenPierdere(frmPierdere::Opener::kMainWindow)); }},
  };
}

}  // namespace testsupport
