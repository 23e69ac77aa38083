#pragma once
// "Anexă la fişa de operaţii pentru transcriere" ("Declaratie de transcriere"): the new
// holder asks the police to transcribe the vehicle from its former holder's name onto
// his own. A4 portrait, filled from the buyer (new holder), the seller (former holder),
// the plate number, four vehicle items and today's date.

#include "document_forms/DocumentForm.h"

namespace document_forms {

class frmDeclTranscriere : public DocumentForm {
  Q_OBJECT
 public:
  frmDeclTranscriere();

 private:
  void FillFields() override;
};

}  // namespace document_forms
