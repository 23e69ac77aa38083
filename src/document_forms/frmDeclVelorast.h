#pragma once
// The registration declaration ("Declaratie de velorastulare"): the buyer declares from
// whom and how he acquired the vehicle and asks for its registration. A4 portrait,
// filled from the buyer, the seller, four vehicle items and today's date.

#include "document_forms/DocumentForm.h"

namespace document_forms {

class frmDeclVelorast : public DocumentForm {
  Q_OBJECT
 public:
  frmDeclVelorast();

 private:
  void FillFields() override;
};

}  // namespace document_forms
