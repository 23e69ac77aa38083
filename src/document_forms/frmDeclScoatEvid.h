#pragma once
// The declaration that takes a vehicle off the local tax records ("Declaratia pentru
// scoaterea din evidenta a mijloacelor de transport"), with the town hall's notice to
// another town hall and its answer below two cut lines. A4 portrait; the seller filled
// as the taxpayer firm (a fiscal code, blanks included) or as the declarant, the vehicle,
// the buyer as the new owner, and the date.

#include "document_forms/DocumentForm.h"

namespace document_forms {

class frmDeclScoatEvid : public DocumentForm {
  Q_OBJECT
 public:
  frmDeclScoatEvid();

 private:
  void FillFields() override;
};

}  // namespace document_forms
