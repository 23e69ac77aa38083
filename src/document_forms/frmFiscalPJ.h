#pragma once
// The request of a legal person for a certificate of its payment obligations to the
// local budget ("Cerere pentru eliberarea certificatului de atestare fiscala persoane
// juridice"). A4 portrait; the firm's identification filled from the seller, and the
// date.

#include "document_forms/DocumentForm.h"

namespace document_forms {

class frmFiscalPJ : public DocumentForm {
  Q_OBJECT
 public:
  frmFiscalPJ();

 private:
  void FillFields() override;
};

}  // namespace document_forms
