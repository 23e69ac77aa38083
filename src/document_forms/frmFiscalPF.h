#pragma once
// The request of a natural person for a certificate of his or her payment obligations to
// the local budget ("Cerere pentru eliberarea certificatului de atestare fiscala
// persoane fizice"). A4 portrait; the person filled from the seller, the address of the
// vehicles composed from the seller's address, and the date.

#include "document_forms/DocumentForm.h"

namespace document_forms {

class frmFiscalPF : public DocumentForm {
  Q_OBJECT
 public:
  frmFiscalPF();

 private:
  void FillFields() override;
};

}  // namespace document_forms
